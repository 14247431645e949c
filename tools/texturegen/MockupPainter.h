#pragma once
// Puts the generated files together the way the screens use them (nine-part
// frames, stretched bars, tinted circles, bitmap-font text) into one picture,
// to judge the art in place. Reads the files back through FreeImage, which also
// proves that they load.
//   texturegen --mockup out.png
#include <map>
#include <string>
#include <vector>

#include "Canvas.h"

class MockupPainter {
public:
    explicit MockupPainter(std::string root) : root_(std::move(root)) {}
    // Returns false (listing the files it could not load) when something is missing.
    bool Paint(const std::string& outPath);

private:
    const Canvas* Image(const std::string& relative);
    void Quad(Canvas& dst, const Canvas& src, float x0, float y0, float x1, float y1, float u0, float v0, float u1,
              float v1, Colour tint) const;
    void Sprite(Canvas& dst, const std::string& name, float x0, float y0, float x1, float y1, Colour tint = {1, 1, 1, 1});
    void Frame(Canvas& dst, const std::string& name, float left, float top, float right, float bottom, float corner);
    float Text(Canvas& dst, const std::string& font, const std::string& text, float x, float y, Colour colour);
    float TextWidth(const std::string& font, const std::string& text);
    float Layout(const std::string& font, const std::string& text, Canvas* dst, float x, float y, Colour colour);
    const std::vector<int>& Widths(const std::string& font);

    std::string root_;
    std::map<std::string, Canvas> cache_;
    std::map<std::string, std::vector<int>> widths_;
    std::vector<std::string> missing_;
};
