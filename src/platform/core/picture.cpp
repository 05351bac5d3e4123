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

void Fill(Picture& p, int x, int y, int w, int h, uint32_t px) {
    int x0 = std::max(x, 0), y0 = std::max(y, 0);
    int x1 = std::min(x + w, p.w), y1 = std::min(y + h, p.h);
    if (x0 >= x1 || y0 >= y1) return;
    for (int row = y0; row < y1; ++row) {
        uint32_t* d = p.pixels.data() + size_t(row) * p.w;
        std::fill(d + x0, d + x1, px);
    }
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
    Fill(*p, x, y + h - 1, w, 1, px);
    Fill(*p, x, y, 1, h, px);
    Fill(*p, x + w - 1, y, 1, h, px);
}

void DrawPicture(int picture, int x, int y) {
    Picture* d = target.pic;
    Picture* s = FindPicture(picture);
    if (!d || !s) return;
    int x0 = std::max(x, 0), y0 = std::max(y, 0);
    int x1 = std::min(x + s->w, d->w), y1 = std::min(y + s->h, d->h);
    if (x0 >= x1 || y0 >= y1) return;
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
            int sx = x + col, sy = y + row;
            if (sx >= 0 && sy >= 0 && sx < s->w && sy < s->h)
                d->pixels[size_t(row) * w + col] = s->pixels[size_t(sy) * s->w + sx];
        }
    return number;
}

void DrawBitmap8(int x, int y, const uint8_t rows[8], int scale, Colour ink, Colour paper) {
    Picture* p = target.pic;
    if (!p || scale <= 0) return;
    const uint32_t on = PixelOf(ink), off = PixelOf(paper);
    const int size = 8 * scale;
    if (x >= 0 && y >= 0 && x + size <= p->w && y + size <= p->h) {
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
            Fill(*p, x + j * scale, y + k * scale, scale, scale, (rows[k] & (0x80 >> j)) ? on : off);
}
