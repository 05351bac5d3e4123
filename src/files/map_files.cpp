// Map files.
#include "app/commands.h"

void LoadMapFile(EditorState&, const std::string&) {}
