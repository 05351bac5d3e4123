#include "app/commands.h"

int main(int argc, char** argv) {
    static EditorState state;
    if (Startup(state, argc, argv)) RunEventLoop(state);
    Shutdown(state);
}
