#include "DdsWriter.h"

#include <cstdio>
#include <memory>

namespace {

void PutU32(std::vector<uint8_t>& out, size_t at, uint32_t v)
{
    out[at] = uint8_t(v);
    out[at + 1] = uint8_t(v >> 8);
    out[at + 2] = uint8_t(v >> 16);
    out[at + 3] = uint8_t(v >> 24);
}

// Header flags and pixel-format fields of the DirectDraw surface file layout.
constexpr uint32_t kCaps = 0x1, kHeight = 0x2, kWidth = 0x4, kPitch = 0x8, kPixelFormat = 0x1000;
constexpr uint32_t kAlphaPixels = 0x1, kRgb = 0x40;
constexpr uint32_t kCapsTexture = 0x1000;

}  // namespace

std::vector<uint8_t> DdsWriter::Header(int width, int height)
{
    std::vector<uint8_t> h(128, 0);
    h[0] = 'D'; h[1] = 'D'; h[2] = 'S'; h[3] = ' ';
    PutU32(h, 4, 124);                                   // header size
    PutU32(h, 8, kCaps | kHeight | kWidth | kPitch | kPixelFormat);
    PutU32(h, 12, uint32_t(height));
    PutU32(h, 16, uint32_t(width));
    PutU32(h, 20, uint32_t(width) * 4);                  // pitch
    PutU32(h, 28, 1);                                    // mip count
    PutU32(h, 76, 32);                                   // pixel format size
    PutU32(h, 80, kRgb | kAlphaPixels);
    PutU32(h, 88, 32);                                   // bits per pixel
    PutU32(h, 92, 0x00FF0000);                           // red mask
    PutU32(h, 96, 0x0000FF00);                           // green mask
    PutU32(h, 100, 0x000000FF);                          // blue mask
    PutU32(h, 104, 0xFF000000);                          // alpha mask
    PutU32(h, 108, kCapsTexture);
    return h;
}

bool DdsWriter::Write(const std::string& path, int width, int height,
                      const std::vector<uint32_t>& pixels, std::string& error)
{
    if (width <= 0 || height <= 0 || pixels.size() != size_t(width) * size_t(height)) {
        error = "bad image size for " + path;
        return false;
    }
    std::vector<uint8_t> bytes = Header(width, height);
    bytes.reserve(bytes.size() + pixels.size() * 4);
    for (uint32_t p : pixels) {
        // Little-endian A8R8G8B8: blue, green, red, alpha in memory.
        bytes.push_back(uint8_t(p));
        bytes.push_back(uint8_t(p >> 8));
        bytes.push_back(uint8_t(p >> 16));
        bytes.push_back(uint8_t(p >> 24));
    }
    std::unique_ptr<FILE, int (*)(FILE*)> file(std::fopen(path.c_str(), "wb"), &std::fclose);
    if (!file) {
        error = "cannot open " + path + " for writing";
        return false;
    }
    if (std::fwrite(bytes.data(), 1, bytes.size(), file.get()) != bytes.size()) {
        error = "cannot write " + path;
        return false;
    }
    return true;
}
