// The glyph tables of the built-in character sets, compiled into the program.
// Layout as in CharsetStore: 8 row bytes per glyph, row 0 on top, bit 7 the leftmost pixel.
#pragma once

#include <array>
#include <cstdint>

extern const std::array<uint8_t, 2048> IbmCgaTable;      // codes 0..255
extern const std::array<uint8_t, 2048> Ibm866Table;      // codes 0..255
extern const std::array<uint8_t, 1152> ZxSpectrumTable;  // codes 0..143
extern const std::array<uint8_t, 512> Zx80Table;         // codes 0..63
extern const std::array<uint8_t, 1024> JupiterAceTable;  // codes 0..127
extern const std::array<uint8_t, 2048> C64Table;         // codes 0..255
extern const std::array<uint8_t, 1024> AtariXlTable;     // codes 0..127
extern const std::array<uint8_t, 1024> MicroshaTable;    // codes 0..127
extern const std::array<uint8_t, 128> HexDigitTable;     // digits 0..F
