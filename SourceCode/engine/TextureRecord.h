#pragma once
#include <string>

struct SDL_Texture;

// One loaded texture: the name it was asked for by, where it came from and
// the SDL texture holding its pixels (32-bit ARGB, alpha blended).
struct TextureRecord {
    std::string name;             // the file name as requested, with extension
    std::string path;             // folder + "/" + file name on disk ("" for a placeholder)
    SDL_Texture* texture = nullptr;
    int width = 0;
    int height = 0;
    bool placeholder = false;     // the file was missing: a checker stands in for it
    int scaleMode = -1;           // the filter last set on the SDL texture (-1: not yet)
};
