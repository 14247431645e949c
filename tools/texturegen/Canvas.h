#pragma once
// An RGBA drawing surface for the texture generator. Shapes are given as signed
// distance functions (negative inside), which gives every edge the same soft
// one-pixel anti-aliasing and makes rounded panels, rings and silhouettes short
// to write. Pixels are kept premultiplied so compositing is plain arithmetic.
#include <functional>
#include <string>
#include <vector>

#include "Colour.h"

class Canvas {
public:
    using Distance = std::function<float(float x, float y)>;
    using Paint = std::function<Colour(float x, float y)>;

    Canvas(int width, int height, Colour fill = Colour{});

    int Width() const { return width_; }
    int Height() const { return height_; }

    // Covers the pixels where the distance is below zero, blending over what is there.
    // feather widens the soft edge (in pixels); clip limits the pixels visited.
    void Fill(const Distance& shape, const Paint& paint, float feather = 1.0f);
    void Fill(const Distance& shape, Colour colour, float feather = 1.0f);
    void SetClip(int left, int top, int right, int bottom);
    void ClearClip();

    // Paints every pixel (over what is there).
    void Wash(const Paint& paint);

    void BlendPixel(int x, int y, Colour colour, float coverage);
    void Composite(const Canvas& source, int dx, int dy, float opacity = 1.0f);
    // Multiplies the alpha of every pixel by the mask's alpha (same size).
    void MaskWith(const Canvas& mask);

    // A copy whose alpha is blurred (colour set to the given one): soft shadows and glows.
    Canvas Glow(float radius, Colour colour) const;
    // A box-filtered copy reduced by an integer factor (for supersampled art).
    Canvas Reduced(int factor) const;

    Colour At(int x, int y) const;  // straight colour

    std::vector<uint32_t> ToArgb() const;
    bool WriteDds(const std::string& path, std::string& error) const;
    bool WriteJpeg(const std::string& path, int quality, std::string& error) const;
    bool WriteBmp(const std::string& path, std::string& error) const;  // 32-bit with alpha
    bool WritePng(const std::string& path, std::string& error) const;  // 32-bit with alpha

private:
    int width_, height_;
    int clipL_, clipT_, clipR_, clipB_;
    std::vector<float> px_;  // premultiplied r, g, b, a
};

// Signed distances for the shapes the art is made of.
namespace Sdf {
float Circle(float x, float y, float cx, float cy, float radius);
float RoundRect(float x, float y, float left, float top, float right, float bottom, float radius);
float Segment(float x, float y, float ax, float ay, float bx, float by, float halfWidth);
float Polygon(float x, float y, const std::vector<float>& xy);  // x0, y0, x1, y1, ...
inline float Ring(float d, float halfWidth) { return (d < 0 ? -d : d) - halfWidth; }
inline float Union(float a, float b) { return a < b ? a : b; }
inline float Subtract(float a, float b) { return a > -b ? a : -b; }
inline float Intersect(float a, float b) { return a > b ? a : b; }
}  // namespace Sdf
