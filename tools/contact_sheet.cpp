// Writes one PNG of all nine built-in sets, each loaded into a freshly started editor on
// the headless backend and shown as its overview picture, with the set's name above it.
// Usage: contact_sheet OUTPUT.png
#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "app/commands.h"
#include "builtin/tables.h"
#include "platform/headless/headless.h"

namespace {

struct SheetEntry {
    const char* name;
    void (*command)(EditorState&);
};

const SheetEntry Entries[] = {
    {"IBM PC CGA", CmdSetIbmCga},   {"C64 CAPS", CmdSetC64},         {"Atari XL", CmdSetAtariXl},
    {"IBM PC 866", CmdSetIbm866},   {"ZX Spectrum", CmdSetZxSpectrum}, {"ZX80", CmdSetZx80},
    {"Microsha(USSR)", CmdSetMicrosha}, {"Jupiter Ace", CmdSetJupiterAce}, {"Hex numbers", CmdSetHexNumbers},
};

constexpr int Columns = 3;
constexpr int Margin = 16;
constexpr int LabelHeight = 24;  // a 16-pixel line of text and a gap under it
constexpr int PanelWidth = 256 + Margin;
constexpr int PanelHeight = LabelHeight + 256 + Margin;
constexpr uint32_t Background = 0x303030;
constexpr uint32_t LabelInk = 0xFFFFFF;

struct Image {
    int w, h;
    std::vector<uint32_t> rgb;  // 0xRRGGBB, rows top first
    void Set(int x, int y, uint32_t c) { rgb[size_t(y) * size_t(w) + size_t(x)] = c; }
};

// Names in the Spectrum glyphs, each pixel doubled.
void DrawLabel(Image& img, int x, int y, const std::string& text) {
    for (char ch : text) {
        int code = (unsigned char)ch;
        if (code < 32 || code > 127) code = '?';
        const uint8_t* glyph = ZxSpectrumTable.data() + 8 * code;
        for (int r = 0; r < 8; ++r)
            for (int c = 0; c < 8; ++c)
                if (glyph[r] & (0x80 >> c))
                    for (int d = 0; d < 4; ++d) img.Set(x + 2 * c + d % 2, y + 2 * r + d / 2, LabelInk);
        x += 16;
    }
}

uint32_t Crc32(const uint8_t* p, size_t n, uint32_t crc = 0) {
    crc = ~crc;
    for (size_t i = 0; i < n; ++i) {
        crc ^= p[i];
        for (int k = 0; k < 8; ++k) crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

void PutBigEndian(std::vector<uint8_t>& out, uint32_t v) {
    for (int shift = 24; shift >= 0; shift -= 8) out.push_back(uint8_t(v >> shift));
}

void PutChunk(std::vector<uint8_t>& out, const char* type, const std::vector<uint8_t>& data) {
    PutBigEndian(out, uint32_t(data.size()));
    size_t start = out.size();
    out.insert(out.end(), type, type + 4);
    out.insert(out.end(), data.begin(), data.end());
    PutBigEndian(out, Crc32(out.data() + start, out.size() - start));
}

// An RGB PNG whose image data is a zlib stream of stored (uncompressed) deflate blocks.
std::vector<uint8_t> EncodePng(const Image& img) {
    std::vector<uint8_t> raw;
    for (int y = 0; y < img.h; ++y) {
        raw.push_back(0);  // filter: none
        for (int x = 0; x < img.w; ++x) {
            uint32_t c = img.rgb[size_t(y) * size_t(img.w) + size_t(x)];
            raw.insert(raw.end(), {uint8_t(c >> 16), uint8_t(c >> 8), uint8_t(c)});
        }
    }
    std::vector<uint8_t> z = {0x78, 0x01};
    size_t pos = 0;
    do {
        size_t n = std::min<size_t>(65535, raw.size() - pos);
        bool last = pos + n == raw.size();
        z.insert(z.end(), {uint8_t(last), uint8_t(n), uint8_t(n >> 8), uint8_t(~n), uint8_t(~n >> 8)});
        z.insert(z.end(), raw.begin() + long(pos), raw.begin() + long(pos + n));
        pos += n;
    } while (pos < raw.size());
    uint32_t a = 1, b = 0;
    for (uint8_t v : raw) {
        a = (a + v) % 65521;
        b = (b + a) % 65521;
    }
    PutBigEndian(z, b << 16 | a);

    std::vector<uint8_t> ihdr;
    PutBigEndian(ihdr, uint32_t(img.w));
    PutBigEndian(ihdr, uint32_t(img.h));
    ihdr.insert(ihdr.end(), {8, 2, 0, 0, 0});  // 8 bits, RGB, deflate, no filter set, no interlace
    std::vector<uint8_t> png = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};
    PutChunk(png, "IHDR", ihdr);
    PutChunk(png, "IDAT", z);
    PutChunk(png, "IEND", {});
    return png;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT.png\n", argv[0]);
        return 2;
    }
    constexpr int count = int(sizeof Entries / sizeof Entries[0]);
    const int rows = (count + Columns - 1) / Columns;
    Image sheet{Margin + Columns * PanelWidth, Margin + rows * PanelHeight, {}};
    sheet.rgb.assign(size_t(sheet.w) * size_t(sheet.h), Background);

    for (int i = 0; i < count; ++i) {
        HeadlessReset();
        SetArguments({});
        EditorState s;
        if (!Startup(s, 0, nullptr)) {
            std::fprintf(stderr, "the editor did not start\n");
            return 1;
        }
        Entries[i].command(s);
        const int left = Margin + (i % Columns) * PanelWidth;
        const int top = Margin + (i / Columns) * PanelHeight;
        DrawLabel(sheet, left, top, Entries[i].name);
        const uint32_t* pixels = PicturePixels(s.OverviewImage);
        for (int y = 0; y < 256; ++y)
            for (int x = 0; x < 256; ++x) sheet.Set(left + x, top + LabelHeight + y, pixels[y * 256 + x] & 0xFFFFFF);
    }
    HeadlessReset();

    std::vector<uint8_t> png = EncodePng(sheet);
    FILE* f = std::fopen(argv[1], "wb");
    if (!f || std::fwrite(png.data(), 1, png.size(), f) != png.size() || std::fclose(f) != 0) {
        std::fprintf(stderr, "cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
