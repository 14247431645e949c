#pragma once
#include <cstdint>
#include <string>

#include "engine/GRect.h"

// Nine-part panels: a texture cut into a 4 x 4 grid of cells gives the
// corners, the edges (tiled) and the centre (tiled), so one small texture
// frames a panel of any size without stretching its border.
namespace PanelFrame {

void DrawFrame(const std::string& texture, int left, int top, int right, int bottom, int cornerSize, float alpha);
// The same with the texture already bound.
void DrawFrameBound(int left, int top, int right, int bottom, int cornerSize, float alpha);

// One quad with the bound texture over a rectangle, texture range u0..u1, v0..v1.
void DrawQuad(const GRect& rect, uint32_t colour, float u0 = 0.0f, float v0 = 0.0f, float u1 = 1.0f, float v1 = 1.0f);
// ARGB of alpha and brightness, both 0..1.
uint32_t Colour(float alpha, float brightness);

}  // namespace PanelFrame
