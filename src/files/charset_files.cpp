// Charset files: loading at the current code, the Open command, and the charset saves.
#include <algorithm>
#include <iterator>

#include "app/commands.h"
#include "files/files.h"

namespace {

const char* const OpenPatternText = "Font (*.fnt)|*.fnt|Character map (*.map)|*.map";
const char* const CharsetPatternText = "Font (*.fnt)|*.fnt";
const char* const MapPatternText = "Character map (*.map)|*.map";

// What the Open command reads the chosen file as, by the type entry selected.
void (*const OpenAs[])(EditorState&, const std::string&) = {
    [](EditorState& s, const std::string& path) {
        LoadCharsetFile(s, path);
        RedrawCharset(s);
    },
    LoadMapFile,
};

bool OnlySpaces(const std::string& text) { return text.find_first_not_of(' ') == std::string::npos; }

}  // namespace

void LoadCharsetFile(EditorState& s, const std::string& path) {
    if (OnlySpaces(path)) return;
    int64_t n = FileSize(path);
    if (n <= 0) {
        ShowMessage("No file", path);
        return;
    }
    const int64_t start = 8 * int64_t(s.CurrentCode);
    if (n + start > 2048) n = 2048 - start;  // cut at the end of the store, never wrapping
    // Read everything first, so that a short or failed read leaves the store as it was.
    std::vector<uint8_t> bytes;
    if (ReadFileBytes(path, size_t(n), bytes) != ReadResult::Ok || bytes.size() != size_t(n)) {
        ShowMessage("Read error", path);
        return;
    }
    s.LastDirectory = DirectoryPart(path);
    std::copy(bytes.begin(), bytes.end(), s.CharsetStore.begin() + start);
}

void CmdOpen(EditorState& s) {
    OpenChoice choice = ShowOpenDialog("Please choose file to load", s.LastDirectory, FileTypesFromPattern(OpenPatternText));
    if (choice.path.empty()) return;
    s.LastDirectory = DirectoryPart(choice.path);
    if (choice.typeIndex >= 0 && size_t(choice.typeIndex) < std::size(OpenAs)) OpenAs[choice.typeIndex](s, choice.path);
}

void SaveDataFile(EditorState& s, int n) {
    const bool map = n == -1;
    const size_t start = 8 * size_t(s.CurrentCode);
    if (!map && (n < 0 || start + size_t(n) > 2048)) {
        ShowMessage("Save File", "out of size");
        return;
    }
    std::string path = ChooseSaveFile(s, map ? MapPatternText : CharsetPatternText, map ? ".map" : ".fnt");
    if (path.empty()) return;
    const uint8_t* first = s.CharsetStore.data() + start;
    SaveBytes(path, map ? MapFileBytes(s) : std::vector<uint8_t>(first, first + n));
}
