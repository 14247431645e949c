#include "platform/sdl/ImageLoader.h"

#include <FreeImage.h>

#include <algorithm>

bool ImageLoader::Load(const std::string& path, bool quantise565, LoadedImage& image)
{
    image = LoadedImage{};
    FREE_IMAGE_FORMAT format = FreeImage_GetFileType(path.c_str(), 0);
    if (format == FIF_UNKNOWN)
        format = FreeImage_GetFIFFromFilename(path.c_str());
    if (format == FIF_UNKNOWN || !FreeImage_FIFSupportsReading(format))
        return false;
    FIBITMAP* loaded = FreeImage_Load(format, path.c_str(), 0);
    if (!loaded)
        return false;
    if (quantise565) {
        // A 16-bit display keeps 5 bits of red and blue and 6 of green.
        FIBITMAP* reduced = FreeImage_ConvertTo16Bits565(loaded);
        if (reduced) {
            FreeImage_Unload(loaded);
            loaded = reduced;
        }
    }
    FIBITMAP* converted = FreeImage_ConvertTo32Bits(loaded);
    FreeImage_Unload(loaded);
    if (!converted)
        return false;
    const int width = static_cast<int>(FreeImage_GetWidth(converted));
    const int height = static_cast<int>(FreeImage_GetHeight(converted));
    image.argb.resize(static_cast<size_t>(width) * height);
    for (int y = 0; y < height; ++y) {
        // FreeImage stores rows bottom-up, in BGRA byte order (ARGB as a little-endian word).
        const auto* src = reinterpret_cast<const uint32_t*>(FreeImage_GetScanLine(converted, height - 1 - y));
        std::copy(src, src + width, image.argb.begin() + static_cast<size_t>(y) * width);
    }
    FreeImage_Unload(converted);
    if (width <= 0 || height <= 0) {
        image = LoadedImage{};
        return false;
    }
    image.width = width;
    image.height = height;
    return true;
}
