// The nine commands of the Charset menu: copy a compiled table into the store from code 0,
// generate what the set derives from it, set the set's colours and redraw.
#include <cstddef>
#include <cstring>
#include <type_traits>

#include "app/commands.h"
#include "builtin/tables.h"

static_assert(std::tuple_size_v<std::remove_cv_t<decltype(IbmCgaTable)>> == 2048);
static_assert(std::tuple_size_v<std::remove_cv_t<decltype(Ibm866Table)>> == 2048);
static_assert(std::tuple_size_v<std::remove_cv_t<decltype(ZxSpectrumTable)>> == 1152);
static_assert(std::tuple_size_v<std::remove_cv_t<decltype(Zx80Table)>> == 512);
static_assert(std::tuple_size_v<std::remove_cv_t<decltype(JupiterAceTable)>> == 1024);
static_assert(std::tuple_size_v<std::remove_cv_t<decltype(C64Table)>> == 2048);
static_assert(std::tuple_size_v<std::remove_cv_t<decltype(AtariXlTable)>> == 1024);
static_assert(std::tuple_size_v<std::remove_cv_t<decltype(MicroshaTable)>> == 1024);
static_assert(std::tuple_size_v<std::remove_cv_t<decltype(HexDigitTable)>> == 16 * 8);

namespace {

enum Generation { GenerateNothing, GenerateInverse, GenerateHexNumbers };

struct BuiltinSet {
    const uint8_t* table;  // copied to the store from code 0; nullptr copies nothing
    size_t length;         // bytes of the table
    Generation generation;
    Colour ink;
    Colour paper;
};

constexpr Colour White = Rgb(255, 255, 255);
constexpr Colour Black = Rgb(0, 0, 0);

enum : int { SetIbmCga, SetC64, SetAtariXl, SetIbm866, SetZxSpectrum, SetZx80, SetMicrosha,
             SetJupiterAce, SetHexNumbers, SetCount };

const BuiltinSet BuiltinSets[SetCount] = {
    {IbmCgaTable.data(), IbmCgaTable.size(), GenerateNothing, White, Black},
    {C64Table.data(), C64Table.size(), GenerateNothing, Rgb(112, 109, 235), Rgb(46, 44, 155)},
    {AtariXlTable.data(), AtariXlTable.size(), GenerateInverse, Rgb(97, 174, 253), Rgb(1, 78, 157)},
    {Ibm866Table.data(), Ibm866Table.size(), GenerateNothing, White, Black},
    {ZxSpectrumTable.data(), ZxSpectrumTable.size(), GenerateNothing, Black, Rgb(203, 203, 203)},
    {Zx80Table.data(), Zx80Table.size(), GenerateInverse, Black, White},
    {MicroshaTable.data(), MicroshaTable.size(), GenerateInverse, White, Black},
    {JupiterAceTable.data(), JupiterAceTable.size(), GenerateInverse, White, Black},
    {nullptr, 0, GenerateHexNumbers, White, Black},
};

// Every code shows itself: the high digit in columns 0..2, the low digit in columns 4..6.
void FillHexNumbers(EditorState& s) {
    for (int c = 0; c < 256; ++c) {
        const uint8_t* high = HexDigitTable.data() + 8 * (c / 16);
        const uint8_t* low = HexDigitTable.data() + 8 * (c % 16);
        for (int k = 0; k < 8; ++k) s.Glyph(c)[k] = uint8_t(high[k] | low[k] >> 4);
    }
}

void LoadBuiltinSet(EditorState& s, int set) {
    const BuiltinSet& b = BuiltinSets[set];
    if (b.table) std::memcpy(s.CharsetStore.data(), b.table, b.length);
    if (b.generation == GenerateInverse) {
        for (size_t i = 0; i < b.length; ++i) s.CharsetStore[b.length + i] = uint8_t(b.table[i] ^ 0xFF);
    } else if (b.generation == GenerateHexNumbers) {
        FillHexNumbers(s);
    }
    s.InkColour = b.ink;
    s.PaperColour = b.paper;
    RedrawCharset(s);
}

}  // namespace

void CmdSetIbmCga(EditorState& s) { LoadBuiltinSet(s, SetIbmCga); }
void CmdSetC64(EditorState& s) { LoadBuiltinSet(s, SetC64); }
void CmdSetAtariXl(EditorState& s) { LoadBuiltinSet(s, SetAtariXl); }
void CmdSetIbm866(EditorState& s) { LoadBuiltinSet(s, SetIbm866); }
void CmdSetZxSpectrum(EditorState& s) { LoadBuiltinSet(s, SetZxSpectrum); }
void CmdSetZx80(EditorState& s) { LoadBuiltinSet(s, SetZx80); }
void CmdSetMicrosha(EditorState& s) { LoadBuiltinSet(s, SetMicrosha); }
void CmdSetJupiterAce(EditorState& s) { LoadBuiltinSet(s, SetJupiterAce); }
void CmdSetHexNumbers(EditorState& s) { LoadBuiltinSet(s, SetHexNumbers); }
