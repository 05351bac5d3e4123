// Charset files, the open command and the save steps shared by every save.
#include "app/commands.h"

void LoadCharsetFile(EditorState&, const std::string&) {}
void SaveDataFile(EditorState&, int) {}
std::string ChooseSaveFile(EditorState&, const std::string&, const std::string&) { return {}; }
void CmdOpen(EditorState&) {}
