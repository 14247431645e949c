#pragma once
#include <cstdint>
#include <string>
#include <vector>

// Writes pictures for people to look at (screenshots).
class ImageWriter {
public:
    // ARGB words, top row first, written opaque as a PNG; the folder is
    // created. False when the file cannot be written.
    static bool SavePng(const std::vector<uint32_t>& argb, int width, int height, const std::string& path);
};
