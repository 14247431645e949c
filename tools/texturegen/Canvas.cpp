#include "Canvas.h"

#include <FreeImage.h>

#include <algorithm>
#include <cmath>

#include "artcommon/DdsWriter.h"

Canvas::Canvas(int width, int height, Colour fill)
    : width_(width), height_(height), px_(size_t(width) * size_t(height) * 4)
{
    ClearClip();
    for (size_t i = 0; i < px_.size(); i += 4) {
        px_[i] = fill.r * fill.a;
        px_[i + 1] = fill.g * fill.a;
        px_[i + 2] = fill.b * fill.a;
        px_[i + 3] = fill.a;
    }
}

void Canvas::SetClip(int left, int top, int right, int bottom)
{
    clipL_ = std::max(0, left);
    clipT_ = std::max(0, top);
    clipR_ = std::min(width_, right);
    clipB_ = std::min(height_, bottom);
}

void Canvas::ClearClip()
{
    clipL_ = 0;
    clipT_ = 0;
    clipR_ = width_;
    clipB_ = height_;
}

void Canvas::BlendPixel(int x, int y, Colour c, float coverage)
{
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return;
    float a = std::clamp(c.a * coverage, 0.0f, 1.0f);
    if (a <= 0) return;
    float* p = &px_[(size_t(y) * size_t(width_) + size_t(x)) * 4];
    p[0] = c.r * a + p[0] * (1 - a);
    p[1] = c.g * a + p[1] * (1 - a);
    p[2] = c.b * a + p[2] * (1 - a);
    p[3] = a + p[3] * (1 - a);
}

void Canvas::Fill(const Distance& shape, const Paint& paint, float feather)
{
    for (int y = clipT_; y < clipB_; ++y)
        for (int x = clipL_; x < clipR_; ++x) {
            float fx = float(x) + 0.5f, fy = float(y) + 0.5f;
            float d = shape(fx, fy);
            float coverage = std::clamp(0.5f - d / feather, 0.0f, 1.0f);
            if (coverage > 0) BlendPixel(x, y, paint(fx, fy), coverage);
        }
}

void Canvas::Fill(const Distance& shape, Colour colour, float feather)
{
    Fill(shape, [colour](float, float) { return colour; }, feather);
}

void Canvas::Wash(const Paint& paint)
{
    Fill([](float, float) { return -1.0f; }, paint);
}

void Canvas::Composite(const Canvas& source, int dx, int dy, float opacity)
{
    for (int y = 0; y < source.height_; ++y)
        for (int x = 0; x < source.width_; ++x) {
            int tx = x + dx, ty = y + dy;
            if (tx < 0 || ty < 0 || tx >= width_ || ty >= height_) continue;
            const float* s = &source.px_[(size_t(y) * size_t(source.width_) + size_t(x)) * 4];
            float* p = &px_[(size_t(ty) * size_t(width_) + size_t(tx)) * 4];
            float a = s[3] * opacity;
            for (int k = 0; k < 3; ++k) p[k] = s[k] * opacity + p[k] * (1 - a);
            p[3] = a + p[3] * (1 - a);
        }
}

void Canvas::MaskWith(const Canvas& mask)
{
    for (size_t i = 0; i < px_.size() && i < mask.px_.size(); i += 4) {
        float m = mask.px_[i + 3];
        for (int k = 0; k < 4; ++k) px_[i + size_t(k)] *= m;
    }
}

Canvas Canvas::Glow(float radius, Colour colour) const
{
    // Three box blurs approximate a Gaussian.
    std::vector<float> alpha(size_t(width_) * size_t(height_));
    for (size_t i = 0; i < alpha.size(); ++i) alpha[i] = px_[i * 4 + 3];
    int r = std::max(1, int(std::lround(radius / 1.7f)));
    std::vector<float> tmp(alpha.size());
    for (int pass = 0; pass < 3; ++pass) {
        for (int y = 0; y < height_; ++y)
            for (int x = 0; x < width_; ++x) {
                float sum = 0;
                for (int k = -r; k <= r; ++k) {
                    int sx = std::clamp(x + k, 0, width_ - 1);
                    sum += (x + k < 0 || x + k >= width_) ? 0 : alpha[size_t(y) * width_ + size_t(sx)];
                }
                tmp[size_t(y) * width_ + size_t(x)] = sum / float(2 * r + 1);
            }
        for (int y = 0; y < height_; ++y)
            for (int x = 0; x < width_; ++x) {
                float sum = 0;
                for (int k = -r; k <= r; ++k) {
                    int sy = y + k;
                    if (sy >= 0 && sy < height_) sum += tmp[size_t(sy) * width_ + size_t(x)];
                }
                alpha[size_t(y) * width_ + size_t(x)] = sum / float(2 * r + 1);
            }
    }
    Canvas out(width_, height_);
    for (size_t i = 0; i < alpha.size(); ++i) {
        float a = alpha[i] * colour.a;
        out.px_[i * 4] = colour.r * a;
        out.px_[i * 4 + 1] = colour.g * a;
        out.px_[i * 4 + 2] = colour.b * a;
        out.px_[i * 4 + 3] = a;
    }
    return out;
}

Canvas Canvas::Reduced(int factor) const
{
    Canvas out(width_ / factor, height_ / factor);
    float n = float(factor * factor);
    for (int y = 0; y < out.height_; ++y)
        for (int x = 0; x < out.width_; ++x)
            for (int k = 0; k < 4; ++k) {
                float sum = 0;
                for (int v = 0; v < factor; ++v)
                    for (int u = 0; u < factor; ++u)
                        sum += px_[(size_t(y * factor + v) * size_t(width_) + size_t(x * factor + u)) * 4 + size_t(k)];
                out.px_[(size_t(y) * size_t(out.width_) + size_t(x)) * 4 + size_t(k)] = sum / n;
            }
    return out;
}

Colour Canvas::At(int x, int y) const
{
    const float* p = &px_[(size_t(y) * size_t(width_) + size_t(x)) * 4];
    if (p[3] <= 0) return Colour{1, 1, 1, 0};
    return {p[0] / p[3], p[1] / p[3], p[2] / p[3], p[3]};
}

std::vector<uint32_t> Canvas::ToArgb() const
{
    std::vector<uint32_t> out(size_t(width_) * size_t(height_));
    auto byte = [](float v) { return uint32_t(std::clamp(std::lround(v * 255.0f), 0L, 255L)); };
    for (int y = 0; y < height_; ++y)
        for (int x = 0; x < width_; ++x) {
            Colour c = At(x, y);
            out[size_t(y) * size_t(width_) + size_t(x)] =
                byte(c.a) << 24 | byte(c.r) << 16 | byte(c.g) << 8 | byte(c.b);
        }
    return out;
}

bool Canvas::WriteDds(const std::string& path, std::string& error) const
{
    return DdsWriter::Write(path, width_, height_, ToArgb(), error);
}

namespace {

bool SaveWithFreeImage(const Canvas& canvas, const std::string& path, int bpp, FREE_IMAGE_FORMAT format, int flags,
                       std::string& error)
{
    FIBITMAP* dib = FreeImage_Allocate(canvas.Width(), canvas.Height(), bpp);
    if (!dib) {
        error = "cannot allocate an image for " + path;
        return false;
    }
    std::vector<uint32_t> argb = canvas.ToArgb();
    for (int y = 0; y < canvas.Height(); ++y) {
        // FreeImage keeps rows bottom-up.
        BYTE* line = FreeImage_GetScanLine(dib, canvas.Height() - 1 - y);
        for (int x = 0; x < canvas.Width(); ++x) {
            uint32_t p = argb[size_t(y) * size_t(canvas.Width()) + size_t(x)];
            BYTE* out = line + x * (bpp / 8);
            out[FI_RGBA_RED] = BYTE(p >> 16);
            out[FI_RGBA_GREEN] = BYTE(p >> 8);
            out[FI_RGBA_BLUE] = BYTE(p);
            if (bpp == 32) out[FI_RGBA_ALPHA] = BYTE(p >> 24);
        }
    }
    bool ok = FreeImage_Save(format, dib, path.c_str(), flags) != 0;
    FreeImage_Unload(dib);
    if (!ok) error = "cannot write " + path;
    return ok;
}

}  // namespace

bool Canvas::WriteJpeg(const std::string& path, int quality, std::string& error) const
{
    return SaveWithFreeImage(*this, path, 24, FIF_JPEG, quality | JPEG_OPTIMIZE | JPEG_BASELINE, error);
}

bool Canvas::WriteBmp(const std::string& path, std::string& error) const
{
    return SaveWithFreeImage(*this, path, 32, FIF_BMP, BMP_DEFAULT, error);
}

bool Canvas::WritePng(const std::string& path, std::string& error) const
{
    return SaveWithFreeImage(*this, path, 32, FIF_PNG, PNG_Z_BEST_COMPRESSION, error);
}

namespace Sdf {

float Circle(float x, float y, float cx, float cy, float radius)
{
    return std::hypot(x - cx, y - cy) - radius;
}

float RoundRect(float x, float y, float left, float top, float right, float bottom, float radius)
{
    float cx = (left + right) * 0.5f, cy = (top + bottom) * 0.5f;
    float hx = (right - left) * 0.5f - radius, hy = (bottom - top) * 0.5f - radius;
    float qx = std::fabs(x - cx) - hx, qy = std::fabs(y - cy) - hy;
    float outside = std::hypot(std::max(qx, 0.0f), std::max(qy, 0.0f));
    return outside + std::min(std::max(qx, qy), 0.0f) - radius;
}

float Segment(float x, float y, float ax, float ay, float bx, float by, float halfWidth)
{
    float px = x - ax, py = y - ay, dx = bx - ax, dy = by - ay;
    float len2 = dx * dx + dy * dy;
    float t = len2 > 0 ? std::clamp((px * dx + py * dy) / len2, 0.0f, 1.0f) : 0.0f;
    return std::hypot(px - dx * t, py - dy * t) - halfWidth;
}

float Polygon(float x, float y, const std::vector<float>& v)
{
    size_t n = v.size() / 2;
    float d = (x - v[0]) * (x - v[0]) + (y - v[1]) * (y - v[1]);
    float s = 1.0f;
    for (size_t i = 0, j = n - 1; i < n; j = i, ++i) {
        float ex = v[2 * j] - v[2 * i], ey = v[2 * j + 1] - v[2 * i + 1];
        float wx = x - v[2 * i], wy = y - v[2 * i + 1];
        float t = std::clamp((wx * ex + wy * ey) / (ex * ex + ey * ey), 0.0f, 1.0f);
        float bx = wx - ex * t, by = wy - ey * t;
        d = std::min(d, bx * bx + by * by);
        bool c1 = y >= v[2 * i + 1], c2 = y < v[2 * j + 1], c3 = ex * wy > ey * wx;
        if ((c1 && c2 && c3) || (!c1 && !c2 && !c3)) s = -s;
    }
    return s * std::sqrt(d);
}

}  // namespace Sdf
