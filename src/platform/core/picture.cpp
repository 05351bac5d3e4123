// Retained pictures in plain memory and the drawing primitives over them.
#include "platform/core/picture_store.h"
#include "platform/platform.h"

#include <algorithm>
#include <cstring>
#include <map>
#include <memory>

namespace {

std::map<int, std::unique_ptr<Picture>> pictures;
std::map<int, int> failures;  // picture -> BeginDrawing calls left to fail
int nextOffscreen = 100;

struct Target {
    Picture* pic = nullptr;
    int number = -1;
    bool outline = false;
} target;

// Clipped in 64 bits: a position near the ends of int plus a size does not overflow.
void Fill(Picture& p, int64_t x, int64_t y, int64_t w, int64_t h, uint32_t px) {
    const int x0 = int(std::max<int64_t>(x, 0)), y0 = int(std::max<int64_t>(y, 0));
    const int x1 = int(std::min<int64_t>(x + w, p.w)), y1 = int(std::min<int64_t>(y + h, p.h));
    if (x0 >= x1 || y0 >= y1) return;
    for (int row = y0; row < y1; ++row) {
        uint32_t* d = p.pixels.data() + size_t(row) * p.w;
        std::fill(d + x0, d + x1, px);
    }
}

// The eight pixels of each nibble at scale 2 in two colours, kept until the colours change.
const uint32_t (&NibblePixels(uint32_t on, uint32_t off))[16][8] {
    static uint32_t pixels[16][8];
    static uint32_t madeOn = 0, madeOff = 0;  // 0 is never a pixel: the alpha byte is set
    if (on != madeOn || off != madeOff) {
        for (int n = 0; n < 16; ++n)
            for (int j = 0; j < 4; ++j) pixels[n][2 * j] = pixels[n][2 * j + 1] = (n & (8 >> j)) ? on : off;
        madeOn = on;
        madeOff = off;
    }
    return pixels;
}

}  // namespace

Picture* FindPicture(int picture) {
    auto it = pictures.find(picture);
    return it == pictures.end() ? nullptr : it->second.get();
}

Picture* MakePicture(int picture, int w, int h) {
    auto p = std::make_unique<Picture>();
    p->w = w;
    p->h = h;
    p->pixels.assign(size_t(w) * size_t(h), PixelOf(0));
    Picture* raw = p.get();
    pictures[picture] = std::move(p);
    return raw;
}

void ReleaseAllPictures() {
    pictures.clear();
    failures.clear();
    nextOffscreen = 100;
    target = Target{};
}

void FailBeginDrawing(int picture, int times) { failures[picture] = times; }

int CreatePicture(int w, int h) {
    while (FindPicture(nextOffscreen)) ++nextOffscreen;
    int number = nextOffscreen++;
    MakePicture(number, w, h);
    return number;
}

void ReleasePicture(int picture) {
    if (picture < 100) return;  // canvases live until shutdown
    if (target.number == picture) target = Target{};
    pictures.erase(picture);
    if (picture < nextOffscreen) nextOffscreen = picture;
}

int PictureWidth(int picture) {
    Picture* p = FindPicture(picture);
    return p ? p->w : 0;
}

int PictureHeight(int picture) {
    Picture* p = FindPicture(picture);
    return p ? p->h : 0;
}

Colour PixelAt(int picture, int x, int y) {
    Picture* p = FindPicture(picture);
    if (!p || x < 0 || y < 0 || x >= p->w || y >= p->h) return 0;
    return ColourOf(p->pixels[size_t(y) * p->w + x]);
}

const uint32_t* PicturePixels(int picture) {
    Picture* p = FindPicture(picture);
    return p ? p->pixels.data() : nullptr;
}

bool BeginDrawing(int picture) {
    auto f = failures.find(picture);
    if (f != failures.end() && f->second > 0) {
        if (--f->second == 0) failures.erase(f);
        return false;
    }
    Picture* p = FindPicture(picture);
    if (!p) return false;
    target = Target{p, picture, false};
    return true;
}

void EndDrawing() {
    int number = target.number;
    target = Target{};
    if (number >= 0 && number < 100) BackendPictureChanged(number);
}

void SetOutlineMode() { target.outline = true; }

void FillBox(int x, int y, int w, int h, Colour c) {
    Picture* p = target.pic;
    if (!p || w <= 0 || h <= 0) return;
    uint32_t px = PixelOf(c);
    if (w == 1 && h == 1) {  // single plots are the commonest call: keep them cheap
        if (unsigned(x) < unsigned(p->w) && unsigned(y) < unsigned(p->h))
            p->pixels[size_t(y) * p->w + x] = px;
        return;
    }
    if (!target.outline) {
        Fill(*p, x, y, w, h, px);
        return;
    }
    Fill(*p, x, y, w, 1, px);
    Fill(*p, x, int64_t(y) + h - 1, w, 1, px);
    Fill(*p, x, y, 1, h, px);
    Fill(*p, int64_t(x) + w - 1, y, 1, h, px);
}

void DrawPicture(int picture, int x, int y) {
    Picture* d = target.pic;
    Picture* s = FindPicture(picture);
    if (!d || !s) return;
    const int x0 = std::max(x, 0), y0 = std::max(y, 0);
    const int x1 = int(std::min<int64_t>(int64_t(x) + s->w, d->w)), y1 = int(std::min<int64_t>(int64_t(y) + s->h, d->h));
    if (x0 >= x1 || y0 >= y1) return;
    if (x == 0 && s->w == d->w) {  // whole rows on both sides: one block, much cheaper than row by row
        std::memcpy(d->pixels.data() + size_t(y0) * d->w, s->pixels.data() + size_t(y0 - y) * s->w,
                    size_t(y1 - y0) * size_t(d->w) * 4);
        return;
    }
    for (int row = y0; row < y1; ++row) {
        const uint32_t* from = s->pixels.data() + size_t(row - y) * s->w + (x0 - x);
        std::memcpy(d->pixels.data() + size_t(row) * d->w + x0, from, size_t(x1 - x0) * 4);
    }
}

int CopyPictureRect(int picture, int x, int y, int w, int h) {
    Picture* s = FindPicture(picture);
    if (!s || w <= 0 || h <= 0) return -1;
    int number = CreatePicture(w, h);
    Picture* d = FindPicture(number);
    for (int row = 0; row < h; ++row)
        for (int col = 0; col < w; ++col) {
            const int64_t sx = int64_t(x) + col, sy = int64_t(y) + row;
            if (sx >= 0 && sy >= 0 && sx < s->w && sy < s->h)
                d->pixels[size_t(row) * w + col] = s->pixels[size_t(sy) * s->w + size_t(sx)];
        }
    return number;
}

void DrawBitmap8(int x, int y, const uint8_t rows[8], int scale, Colour ink, Colour paper) {
    Picture* p = target.pic;
    if (!p || scale <= 0) return;
    const uint32_t on = PixelOf(ink), off = PixelOf(paper);
    const int size = 8 * scale;
    if (x >= 0 && y >= 0 && int64_t(x) + size <= p->w && int64_t(y) + size <= p->h) {
        if (scale == 2) {
            const auto& nibble = NibblePixels(on, off);
            for (int k = 0; k < 8; ++k) {
                uint32_t* out = p->pixels.data() + size_t(y + 2 * k) * p->w + x;
                std::memcpy(out, nibble[rows[k] >> 4], 32);
                std::memcpy(out + 8, nibble[rows[k] & 15], 32);
                std::memcpy(out + p->w, out, 64);
            }
            return;
        }
        // Whole bitmap inside: write each pixel once, a line at a time.
        uint32_t line[8 * 16];
        uint32_t* wide = size <= 128 ? line : nullptr;
        for (int k = 0; k < 8; ++k) {
            uint8_t b = rows[k];
            uint32_t* out = p->pixels.data() + size_t(y + k * scale) * p->w + x;
            if (wide) {
                for (int j = 0; j < 8; ++j) {
                    uint32_t v = (b & (0x80 >> j)) ? on : off;
                    for (int s = 0; s < scale; ++s) wide[j * scale + s] = v;
                }
                for (int s = 0; s < scale; ++s) std::memcpy(out + size_t(s) * p->w, wide, size_t(size) * 4);
            } else {
                for (int s = 0; s < scale; ++s)
                    for (int j = 0; j < size; ++j)
                        out[size_t(s) * p->w + j] = (b & (0x80 >> (j / scale))) ? on : off;
            }
        }
        return;
    }
    for (int k = 0; k < 8; ++k)
        for (int j = 0; j < 8; ++j)
            Fill(*p, int64_t(x) + j * scale, int64_t(y) + k * scale, scale, scale, (rows[k] & (0x80 >> j)) ? on : off);
}

// ---- Screens of bitmaps ----------------------------------------------------------------------
// At scale 2, inside the picture, every pixel row of a cell row is one 64-byte copy per cell
// from a table indexed by the bitmap's row byte, with that overlay row already applied.

namespace {

struct alignas(64) CellRow {
    uint32_t px[16];
};

// The table for overlay row o and the mask of the byte that indexes it (0: a row that the
// overlay covers whole, the same for every byte).
struct RowPlan {
    const CellRow* table = nullptr;
    unsigned mask = 0xFF;
};

#if defined(__x86_64__) && defined(__GNUC__) && defined(__has_attribute)
#if __has_attribute(target_clones)
#define WIDEST_STORES __attribute__((target_clones("avx512f", "avx2", "default")))
#endif
#endif
#ifndef WIDEST_STORES
#define WIDEST_STORES
#endif

// One row of cells, 16 pixel rows of `columns` cells each.
WIDEST_STORES void ComposeCellRow(uint32_t* out, size_t stride, const uint8_t* const* cells, int columns,
                                  const RowPlan* plans) {
    for (int o = 0; o < 16; ++o) {
        const CellRow* table = plans[o].table;
        const unsigned mask = plans[o].mask, k = unsigned(o) >> 1;
        uint32_t* row = out + size_t(o) * stride;
        for (int c = 0; c < columns; ++c) std::memcpy(row + 16 * c, table[cells[c][k] & mask].px, sizeof(CellRow));
    }
}

void DrawScreenAtScale2(Picture& p, int x, int y, int columns, int rows, const uint8_t* const bitmaps[],
                        uint32_t on, uint32_t off, const uint8_t* overlay) {
    // Up to 17 tables of 256 rows: the bare one and one per distinct overlay row.
    static std::vector<CellRow> tables(17 * 256);
    CellRow* bare = tables.data();
    const auto& nibble = NibblePixels(on, off);
    for (int b = 0; b < 256; ++b) {
        std::memcpy(bare[b].px, nibble[b >> 4], 32);
        std::memcpy(bare[b].px + 8, nibble[b & 15], 32);
    }
    RowPlan plans[16];
    int made = 1;
    for (int o = 0; o < 16; ++o) {
        const uint8_t* ov = overlay ? overlay + 16 * o : nullptr;
        int covered = 0;
        for (int i = 0; ov && i < 16; ++i) covered += ov[i] != OverlayKeep;
        if (covered == 0) {
            plans[o] = {bare, 0xFF};
            continue;
        }
        int same = -1;  // an earlier row with the same overlay shares its table
        for (int e = 0; e < o && same < 0; ++e)
            if (overlay && std::memcmp(overlay + 16 * e, ov, 16) == 0) same = e;
        if (same >= 0) {
            plans[o] = plans[same];
            continue;
        }
        CellRow* table = tables.data() + 256 * made++;
        const int entries = covered == 16 ? 1 : 256;
        std::memcpy(table, bare, sizeof(CellRow) * size_t(entries));
        for (int b = 0; b < entries; ++b)
            for (int i = 0; i < 16; ++i)
                if (ov[i] != OverlayKeep) table[b].px[i] = ov[i] == OverlayInk ? on : off;
        plans[o] = {table, covered == 16 ? 0u : 0xFFu};
    }
    for (int r = 0; r < rows; ++r)
        ComposeCellRow(p.pixels.data() + size_t(y + 16 * r) * p.w + x, size_t(p.w), bitmaps + size_t(r) * columns,
                       columns, plans);
}

}  // namespace

void DrawBitmapScreen(int x, int y, int columns, int rows, const uint8_t* const bitmaps[], int scale, Colour ink,
                      Colour paper, const uint8_t* overlay) {
    Picture* p = target.pic;
    if (!p || scale <= 0 || columns <= 0 || rows <= 0) return;
    const int size = 8 * scale;
    if (scale == 2 && x >= 0 && y >= 0 && x + size * columns <= p->w && y + size * rows <= p->h) {
        DrawScreenAtScale2(*p, x, y, columns, rows, bitmaps, PixelOf(ink), PixelOf(paper), overlay);
        return;
    }
    const uint32_t on = PixelOf(ink), off = PixelOf(paper);
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < columns; ++c) {
            const int cx = x + size * c, cy = y + size * r;
            DrawBitmap8(cx, cy, bitmaps[size_t(r) * columns + c], scale, ink, paper);
            for (int i = 0; overlay && i < size * size; ++i)
                if (overlay[i] != OverlayKeep) Fill(*p, cx + i % size, cy + i / size, 1, 1, overlay[i] == OverlayInk ? on : off);
        }
}
