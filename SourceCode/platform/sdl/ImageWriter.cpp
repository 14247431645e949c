#include "platform/sdl/ImageWriter.h"

#include <FreeImage.h>

#include <filesystem>

bool ImageWriter::SavePng(const std::vector<uint32_t>& argb, int width, int height, const std::string& path)
{
    if (width <= 0 || height <= 0 || argb.size() < static_cast<size_t>(width) * height)
        return false;
    std::error_code ec;
    const std::filesystem::path folder = std::filesystem::path(path).parent_path();
    if (!folder.empty())
        std::filesystem::create_directories(folder, ec);
    FIBITMAP* image = FreeImage_Allocate(width, height, 32);
    if (!image)
        return false;
    for (int y = 0; y < height; ++y) {
        // FreeImage keeps rows bottom-up; a little-endian ARGB word is its BGRA byte order.
        auto* row = reinterpret_cast<uint32_t*>(FreeImage_GetScanLine(image, height - 1 - y));
        for (int x = 0; x < width; ++x)
            row[x] = argb[static_cast<size_t>(y) * width + x] | 0xFF000000u;
    }
    const bool saved = FreeImage_Save(FIF_PNG, image, path.c_str(), 0) != 0;
    FreeImage_Unload(image);
    return saved;
}
