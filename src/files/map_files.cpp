// Map files: the visible map, one byte per cell, rows top to bottom, no header.
#include "app/commands.h"
#include "files/files.h"

std::vector<uint8_t> MapFileBytes(const EditorState& s) {
    std::vector<uint8_t> bytes;
    bytes.reserve(size_t(s.MapWidth) * size_t(s.MapHeight));
    for (int r = 0; r < s.MapHeight; ++r)
        for (int c = 0; c < s.MapWidth; ++c) bytes.push_back(uint8_t(s.MapCell(c, r) & 0xFF));
    return bytes;
}

void PutMapFileBytes(EditorState& s, const std::vector<uint8_t>& bytes) {
    size_t i = 0;
    for (int r = 0; r < s.MapHeight; ++r)
        for (int c = 0; c < s.MapWidth; ++c) {
            if (i == bytes.size()) return;
            s.MapCell(c, r) = bytes[i++];
        }
}

void LoadMapFile(EditorState& s, const std::string& path) {
    const int64_t cells = int64_t(s.MapWidth) * s.MapHeight;
    if (FileSize(path) > cells) {
        ShowMessage("Open File", "to big map:" + path);
        return;
    }
    std::vector<uint8_t> bytes;
    if (ReadFileBytes(path, size_t(cells), bytes) != ReadResult::Ok) {
        ShowMessage("Open File", "unable to open:" + path);
        return;
    }
    PutMapFileBytes(s, bytes);
    RedrawMap(s);
}
