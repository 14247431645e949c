#pragma once
// Writes uncompressed 32-bit A8R8G8B8 DDS files, the texture format the renderer
// loads for every ".dds" name. No mipmaps, no compression: small art stays exact.
#include <cstdint>
#include <string>
#include <vector>

class DdsWriter {
public:
    // pixels: width * height values 0xAARRGGBB, rows top to bottom.
    // Returns false (and leaves a message in error) when the file can't be written.
    static bool Write(const std::string& path, int width, int height,
                      const std::vector<uint32_t>& pixels, std::string& error);

    // The 128 bytes ("DDS " + header) that precede the pixels.
    static std::vector<uint8_t> Header(int width, int height);
};
