// The overview picture as a 24-bit BMP file.
#include "app/commands.h"
#include "files/files.h"

namespace {

struct HeaderField {
    size_t offset;
    size_t size;
    uint32_t value;
};

// Both headers; the two signature bytes "BM" come first and every other byte is zero.
constexpr HeaderField BmpHeader[] = {
    {2, 4, uint32_t(BmpFileSize)},
    {10, 4, uint32_t(BmpHeaderSize)},  // where the pixels start
    {14, 4, 40},                       // size of the information header
    {18, 4, uint32_t(BmpSide)},        // width
    {22, 4, uint32_t(BmpSide)},        // height, positive: bottom row first
    {26, 2, 1},                        // colour planes
    {28, 2, 24},                       // bits per pixel
    {34, 4, uint32_t(BmpFileSize - BmpHeaderSize)},
};

}  // namespace

std::vector<uint8_t> OverviewBitmapFile(const uint32_t* pixels) {
    std::vector<uint8_t> file(BmpFileSize, 0);
    file[0] = 'B';
    file[1] = 'M';
    for (const HeaderField& f : BmpHeader)
        for (size_t i = 0; i < f.size; ++i) file[f.offset + i] = uint8_t(f.value >> (8 * i));
    uint8_t* out = file.data() + BmpHeaderSize;
    for (size_t y = BmpSide; y-- > 0;)
        for (size_t x = 0; x < BmpSide; ++x) {
            uint32_t p = pixels[y * BmpSide + x];
            *out++ = uint8_t(p);        // blue
            *out++ = uint8_t(p >> 8);   // green
            *out++ = uint8_t(p >> 16);  // red
        }
    return file;
}

void CmdSaveImage(EditorState& s) {
    std::string path = ChooseSaveFile(s, ".bmp", ".bmp");
    if (path.empty()) return;
    const uint32_t* pixels = PicturePixels(s.OverviewImage);
    if (!pixels || PictureWidth(s.OverviewImage) != int(BmpSide) || PictureHeight(s.OverviewImage) != int(BmpSide)) {
        ShowMessage("Save file", "File Error:" + path);
        return;
    }
    SaveBytes(path, OverviewBitmapFile(pixels));
}
