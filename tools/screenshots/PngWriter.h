#pragma once
// Saves what the renderer drew as a PNG for a person to look at.
#include <FreeImage.h>

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/sdl/SdlVideo.h"

inline bool SaveArgbAsPng(const std::vector<uint32_t>& argb, int width, int height, const std::string& path)
{
    if (width <= 0 || height <= 0 || argb.size() < static_cast<size_t>(width) * height)
        return false;
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    FIBITMAP* image = FreeImage_Allocate(width, height, 32);
    if (!image)
        return false;
    for (int y = 0; y < height; ++y) {
        // FreeImage keeps rows bottom-up; a little-endian ARGB word is its BGRA byte order.
        auto* row = reinterpret_cast<uint32_t*>(FreeImage_GetScanLine(image, height - 1 - y));
        for (int x = 0; x < width; ++x)
            row[x] = argb[static_cast<size_t>(y) * width + x] | 0xFF000000u;
    }
    bool saved = FreeImage_Save(FIF_PNG, image, path.c_str(), 0) != 0;
    FreeImage_Unload(image);
    return saved;
}

// The last frame at the game's logical size.
inline bool SaveLogicalScreenshot(const std::string& path)
{
    SdlVideo& video = GetSdlVideo();
    std::vector<uint32_t> argb;
    if (!video.ReadLogicalPixels(argb))
        return false;
    return SaveArgbAsPng(argb, video.LogicalWidth(), video.LogicalHeight(), path);
}

// The window as the player sees it, letterbox bars included.
inline bool SaveWindowScreenshot(const std::string& path)
{
    std::vector<uint32_t> argb;
    int width = 0;
    int height = 0;
    if (!GetSdlVideo().ReadWindowPixels(argb, width, height))
        return false;
    return SaveArgbAsPng(argb, width, height, path);
}
