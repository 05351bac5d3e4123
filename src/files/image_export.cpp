// The overview picture as a BMP file.
#include "app/commands.h"

void CmdSaveImage(EditorState&) {}
