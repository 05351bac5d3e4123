// The pictures the three views must show, drawn straight from the state by the drawing
// rules, independently of the program's drawing code; and the checks of a whole state.
#pragma once

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "app/editor_state.h"
#include "platform/core/picture_store.h"
#include "platform/headless/headless.h"

// Pixels as the pictures hold them (0xFFRRGGBB), rows top first.
struct RefPicture {
    int w = 0, h = 0;
    std::vector<uint32_t> px;
    RefPicture(int width, int height, Colour fill);
    void Plot(int x, int y, Colour c);
    void Box(int x, int y, int bw, int bh, Colour c);
    void Outline(int x, int y, int bw, int bh, Colour c);
};


inline RefPicture::RefPicture(int width, int height, Colour fill) : w(width), h(height), px(size_t(width) * size_t(height), PixelOf(fill)) {}

inline void RefPicture::Plot(int x, int y, Colour c) {
    if (x >= 0 && y >= 0 && x < w && y < h) px[size_t(y) * size_t(w) + size_t(x)] = PixelOf(c);
}

inline void RefPicture::Box(int x, int y, int bw, int bh, Colour c) {
    const uint32_t v = PixelOf(c);
    for (int j = std::max(0, -y); j < bh && y + j < h; ++j)
        for (int i = std::max(0, -x); i < bw && x + i < w; ++i) px[size_t(y + j) * size_t(w) + size_t(x + i)] = v;
}

inline void RefPicture::Outline(int x, int y, int bw, int bh, Colour c) {
    for (int i = 0; i < bw; ++i) {
        Plot(x + i, y, c);
        Plot(x + i, y + bh - 1, c);
    }
    for (int j = 0; j < bh; ++j) {
        Plot(x, y + j, c);
        Plot(x + bw - 1, y + j, c);
    }
}

namespace refviews {

inline bool Bit(const EditorState& s, int code, int row, int column) {
    return (s.CharsetStore[size_t(8 * code + row)] & (0x80 >> column)) != 0;
}

// A glyph at twice its size with its top-left corner at (x, y).
inline void Glyph2x(RefPicture& p, const EditorState& s, int code, int x, int y) {
    for (int k = 0; k < 8; ++k)
        for (int l = 0; l < 8; ++l) p.Box(x + 2 * l, y + 2 * k, 2, 2, refviews::Bit(s, code, k, l) ? s.InkColour : s.PaperColour);
}

}  // namespace refviews

inline RefPicture RefOverviewImage(const EditorState& s) {
    RefPicture p(256, 256, s.PaperColour);
    for (int code = 0; code < 256; ++code) refviews::Glyph2x(p, s, code, 16 * (code % 16), 16 * (code / 16));
    return p;
}

inline RefPicture RefOverviewCanvas(const EditorState& s, RefPicture p) {
    for (int i = 0; i < 16; ++i)
        for (int j = 0; j < 16; ++j)
            if ((i ^ j) & 1) p.Plot(16 * s.CursorColumn + j, 16 * s.CursorRow + i, Rgb(0, 255, 127));
    return p;
}

inline RefPicture RefOverviewCanvas(const EditorState& s) { return RefOverviewCanvas(s, RefOverviewImage(s)); }

inline RefPicture RefGlyphCanvas(const EditorState& s) {
    RefPicture p(128, 128, s.PaperColour);
    for (int r = 0; r < 8; ++r)
        for (int c = 0; c < 8; ++c)
            if (refviews::Bit(s, s.CurrentCode, r, c)) p.Box(16 * c, 16 * r, 15, 15, s.InkColour);
    for (int j = 0; j < 8; ++j)
        for (int k = 0; k < 128; k += 2) {
            p.Plot(16 * j, k, Rgb(255, 255, 255));
            p.Plot(16 * j, k + 1, Rgb(0, 0, 0));
            p.Plot(k, 16 * j, Rgb(255, 255, 255));
            p.Plot(k + 1, 16 * j, Rgb(0, 0, 0));
        }
    return p;
}

inline RefPicture RefMapCanvas(const EditorState& s) {
    RefPicture p(16 * s.MapWidth, 16 * s.MapHeight, s.PaperColour);
    for (int r = 0; r < s.MapHeight; ++r)
        for (int c = 0; c < s.MapWidth; ++c) refviews::Glyph2x(p, s, s.MapCell(c, r) & 255, 16 * c, 16 * r);
    if (s.MapGridShown)
        for (int r = 0; r < s.MapHeight; ++r)
            for (int c = 0; c < s.MapWidth; ++c)
                for (int l = 0; l < 16; l += 2) {
                    p.Plot(16 * c + l, 16 * r, s.InkColour);
                    p.Plot(16 * c + l + 1, 16 * r, s.PaperColour);
                    p.Plot(16 * c, 16 * r + l, s.PaperColour);
                    p.Plot(16 * c, 16 * r + l + 1, s.InkColour);
                }
    return p;
}

inline std::string RefGlyphDataText(const EditorState& s) {
    std::string text;
    for (int r = 0; r < 8; ++r) {
        if (r) text += ',';
        text += std::to_string(s.CharsetStore[size_t(8 * s.CurrentCode + r)]);
    }
    return text;
}

inline std::string FirstDifference(int picture, const RefPicture& ref) {
    const uint32_t* have = PicturePixels(picture);
    if (!have) return "no picture " + std::to_string(picture);
    if (PictureWidth(picture) < ref.w || PictureHeight(picture) < ref.h) return "picture smaller than its view";
    const int stride = PictureWidth(picture);
    for (int y = 0; y < ref.h; ++y)
        for (int x = 0; x < ref.w; ++x) {
            uint32_t a = have[size_t(y) * size_t(stride) + size_t(x)] | 0xFF000000u, b = ref.px[size_t(y) * size_t(ref.w) + size_t(x)];
            if (a != b) {
                char text[96];
                std::snprintf(text, sizeof text, "pixel %d,%d of picture %d: %06X, drawn by the rules %06X", x, y,
                              picture, unsigned(ColourOf(a)), unsigned(ColourOf(b)));
                return text;
            }
        }
    return {};
}

namespace refviews {

inline bool IsPreset(int w, int h) {
    const int presets[][2] = {{32, 24}, {40, 24}, {40, 25}, {80, 50}, {64, 30}};
    for (const auto& p : presets)
        if (p[0] == w && p[1] == h) return true;
    return false;
}

}  // namespace refviews

inline std::string BrokenStateRule(const EditorState& s) {
    if (s.CursorColumn < 0 || s.CursorColumn > 15 || s.CursorRow < 0 || s.CursorRow > 15)
        return "cursor outside 0..15: " + std::to_string(s.CursorColumn) + "," + std::to_string(s.CursorRow);
    if (s.CurrentCode != 16 * s.CursorRow + s.CursorColumn)
        return "CurrentCode " + std::to_string(s.CurrentCode) + " is not 16 * CursorRow + CursorColumn";
    if (s.DragActive != 0 && s.DragActive != 1) return "DragActive " + std::to_string(s.DragActive);
    if (s.DragSource < 0 || s.DragSource > 255) return "DragSource " + std::to_string(s.DragSource);
    if (!refviews::IsPreset(s.MapWidth, s.MapHeight))
        return "map size " + std::to_string(s.MapWidth) + "x" + std::to_string(s.MapHeight) + " is no preset";
    for (size_t i = 0; i < s.MapStore.size(); ++i)
        if (s.MapStore[i] < 0 || s.MapStore[i] > 255)
            return "map cell " + std::to_string(i / MapRows) + "," + std::to_string(i % MapRows) + " holds " +
                   std::to_string(s.MapStore[i]);
    const bool none = s.PopupCellColumn == -1 && s.PopupCellRow == -1;
    const bool inStore = s.PopupCellColumn >= 0 && s.PopupCellColumn < MapColumns && s.PopupCellRow >= 0 && s.PopupCellRow < MapRows;
    if (!none && !inStore)
        return "popup cell " + std::to_string(s.PopupCellColumn) + "," + std::to_string(s.PopupCellRow) + " outside the store";
    if (s.MapGridShown != 0 && s.MapGridShown != 1) return "MapGridShown " + std::to_string(s.MapGridShown);
    if (MenuExists(MainMenu)) {
        if (IsMenuChecked(MainMenu, 27) != (s.MapGridShown == 1)) return "check mark of \"Grid on map\" differs from MapGridShown";
        if (IsMenuChecked(MainMenu, 18) == IsMenuChecked(MainMenu, 19)) return "not exactly one drag mode checked";
    }
    if (s.InkColour > 0xFFFFFFu || s.PaperColour > 0xFFFFFFu) return "colour beyond 24 bits";
    if (!s.LastDirectory.empty() && s.LastDirectory.back() != '/' && s.LastDirectory.back() != '\\')
        return "LastDirectory \"" + s.LastDirectory + "\" ends without a separator";
    const std::string title = WindowTitle(MainWindow);
    if (title != s.BaseTitle && title.rfind(s.BaseTitle + " " + std::to_string(s.CurrentCode) + "($", 0) != 0)
        return "main title \"" + title + "\" does not name CurrentCode " + std::to_string(s.CurrentCode);
    if (ControlText(GlyphDataField) != RefGlyphDataText(s))
        return "glyph data text \"" + ControlText(GlyphDataField) + "\", the glyph's bytes are " + RefGlyphDataText(s);
    return {};
}
