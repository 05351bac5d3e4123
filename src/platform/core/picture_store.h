// Shared between the two backends: the retained pictures and the hooks around them.
#pragma once

#include <cstddef>
#include <cstdint>
#include <new>
#include <vector>

// Pixels start on a cache line, so that wide stores of whole lines never straddle two.
template <class T>
struct CacheLineAllocator {
    using value_type = T;
    CacheLineAllocator() = default;
    template <class U>
    CacheLineAllocator(const CacheLineAllocator<U>&) {}
    T* allocate(size_t n) { return static_cast<T*>(::operator new(n * sizeof(T), std::align_val_t(64))); }
    void deallocate(T* p, size_t) { ::operator delete(p, std::align_val_t(64)); }
    template <class U>
    bool operator==(const CacheLineAllocator<U>&) const { return true; }
};

struct Picture {
    int w = 0, h = 0;
    std::vector<uint32_t, CacheLineAllocator<uint32_t>> pixels;  // 0xFFRRGGBB, rows top first
};

// The picture with this number, or nullptr.
Picture* FindPicture(int picture);
// Makes (or remakes) picture `picture` of w x h, filled black. Canvases use their control number.
Picture* MakePicture(int picture, int w, int h);
// Forgets every picture (the headless backend's reset and shutdown).
void ReleaseAllPictures();
// Makes the next `times` BeginDrawing calls on `picture` fail (tests only).
void FailBeginDrawing(int picture, int times);

// Implemented by each backend: the picture of a canvas changed and should be shown.
void BackendPictureChanged(int picture);

inline uint32_t PixelOf(uint32_t colour) {
    return 0xFF000000u | (colour & 0xFFu) << 16 | (colour & 0xFF00u) | (colour >> 16 & 0xFFu);
}
inline uint32_t ColourOf(uint32_t pixel) {
    return (pixel >> 16 & 0xFFu) | (pixel & 0xFF00u) | (pixel & 0xFFu) << 16;
}
