// What the charset, map and picture files share, and their byte layouts apart from the disk.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "app/editor_state.h"

// "Font (*.fnt)|*.fnt|Map (*.map)|*.map": labels and patterns alternating; a text without
// "|" is one entry labelled with the whole text and no pattern.
std::vector<FileType> FileTypesFromPattern(const std::string& patternText);
// Everything up to and including the last '/' or '\', or empty when there is neither.
std::string DirectoryPart(const std::string& path);
// The path with the extension appended unless its last four characters, lower-cased, are it.
std::string WithExtension(const std::string& path, const std::string& extension);
// Replaces the file at path with these bytes; on any failure the old file stays as it was
// and "File Error:" + path is shown.
void SaveBytes(const std::string& path, const std::vector<uint8_t>& bytes);

// The visible map, row after row, one byte (the cell's low 8 bits) per cell.
std::vector<uint8_t> MapFileBytes(const EditorState& s);
// Puts the bytes into the visible cells from the top left in the same order; cells past
// the end of the bytes keep their values, bytes past the last visible cell are ignored.
void PutMapFileBytes(EditorState& s, const std::vector<uint8_t>& bytes);

// The 256 x 256 overview as a 24-bit bottom-up BMP file.
constexpr size_t BmpSide = 256;
constexpr size_t BmpHeaderSize = 54;
constexpr size_t BmpRowSize = BmpSide * 3;  // a multiple of 4: rows need no padding
constexpr size_t BmpFileSize = BmpHeaderSize + BmpSide * BmpRowSize;
static_assert(BmpRowSize % 4 == 0);
static_assert(BmpFileSize == 196662);
// pixels: BmpSide rows top first, 0x..RRGGBB each.
std::vector<uint8_t> OverviewBitmapFile(const uint32_t* pixels);
