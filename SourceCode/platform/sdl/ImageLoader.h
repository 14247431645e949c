#pragma once
#include <cstdint>
#include <string>
#include <vector>

// A decoded picture: 32-bit ARGB words, top row first.
struct LoadedImage {
    int width = 0;
    int height = 0;
    std::vector<uint32_t> argb;
};

// Decodes the image files the game ships (JPEG, PNG, BMP, DDS, ICO, ...) by
// what the file holds, or by its name when the contents do not tell.
class ImageLoader {
public:
    // Images without alpha come out opaque; greyscale and paletted images are
    // expanded. With quantise565 the colours are first cut to 5-6-5 bits, as a
    // 16-bit display would show them. False when the file cannot be read.
    static bool Load(const std::string& path, bool quantise565, LoadedImage& image);
};
