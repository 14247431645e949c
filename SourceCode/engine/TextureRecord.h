#pragma once
#include <string>

#include "platform/sdl/SdlRenderer.h"

// One loaded texture: the name it was asked for by, where it came from and
// the renderer's texture holding its pixels (32-bit ARGB, alpha blended).
struct TextureRecord {
    std::string name;             // the file name as requested, with extension
    std::string path;             // folder + "/" + file name on disk ("" for a placeholder)
    PlatformTexture texture = nullptr;
    int width = 0;
    int height = 0;
    bool placeholder = false;     // the file was missing: a checker stands in for it
    int scaleMode = -1;           // the filter last set on the texture (-1: not yet)
};
