#include "MockupPainter.h"

#include <FreeImage.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <fstream>

#include "engine/GameFonts.h"

namespace {

bool LoadWithFreeImage(const std::string& path, Canvas& out)
{
    FREE_IMAGE_FORMAT format = FreeImage_GetFileType(path.c_str(), 0);
    if (format == FIF_UNKNOWN) return false;
    FIBITMAP* loaded = FreeImage_Load(format, path.c_str(), 0);
    if (!loaded) return false;
    FIBITMAP* dib = FreeImage_ConvertTo32Bits(loaded);
    FreeImage_Unload(loaded);
    if (!dib) return false;
    int w = int(FreeImage_GetWidth(dib)), h = int(FreeImage_GetHeight(dib));
    Canvas c(w, h);
    for (int y = 0; y < h; ++y) {
        BYTE* line = FreeImage_GetScanLine(dib, h - 1 - y);
        for (int x = 0; x < w; ++x) {
            BYTE* p = line + x * 4;
            Colour colour{p[FI_RGBA_RED] / 255.0f, p[FI_RGBA_GREEN] / 255.0f, p[FI_RGBA_BLUE] / 255.0f,
                          p[FI_RGBA_ALPHA] / 255.0f};
            c.BlendPixel(x, y, colour, 1.0f);
        }
    }
    FreeImage_Unload(dib);
    out = c;
    return true;
}

}  // namespace

const Canvas* MockupPainter::Image(const std::string& relative)
{
    auto it = cache_.find(relative);
    if (it != cache_.end()) return &it->second;
    Canvas c(1, 1);
    if (!LoadWithFreeImage(root_ + "/data/bitmaps/" + relative, c)) {
        missing_.push_back(relative);
        return nullptr;
    }
    return &cache_.emplace(relative, c).first->second;
}

void MockupPainter::Quad(Canvas& dst, const Canvas& src, float x0, float y0, float x1, float y1, float u0, float v0,
                         float u1, float v1, Colour tint) const
{
    // Bilinear sampling, like the renderer's linear filtering.
    for (int y = int(std::floor(y0)); y < int(std::ceil(y1)); ++y)
        for (int x = int(std::floor(x0)); x < int(std::ceil(x1)); ++x) {
            float fu = u0 + (u1 - u0) * ((float(x) + 0.5f - x0) / (x1 - x0));
            float fv = v0 + (v1 - v0) * ((float(y) + 0.5f - y0) / (y1 - y0));
            float sx = fu * float(src.Width()) - 0.5f, sy = fv * float(src.Height()) - 0.5f;
            int ix = int(std::floor(sx)), iy = int(std::floor(sy));
            float ax = sx - float(ix), ay = sy - float(iy);
            float acc[4] = {0, 0, 0, 0};
            for (int k = 0; k < 4; ++k) {
                int px = std::clamp(ix + (k & 1), 0, src.Width() - 1), py = std::clamp(iy + (k >> 1), 0, src.Height() - 1);
                float w = ((k & 1) ? ax : 1 - ax) * ((k >> 1) ? ay : 1 - ay);
                Colour c = src.At(px, py);
                acc[0] += c.r * c.a * w;
                acc[1] += c.g * c.a * w;
                acc[2] += c.b * c.a * w;
                acc[3] += c.a * w;
            }
            if (acc[3] <= 0) continue;
            Colour c{acc[0] / acc[3] * tint.r, acc[1] / acc[3] * tint.g, acc[2] / acc[3] * tint.b, acc[3] * tint.a};
            dst.BlendPixel(x, y, c, 1.0f);
        }
}

void MockupPainter::Sprite(Canvas& dst, const std::string& name, float x0, float y0, float x1, float y1, Colour tint)
{
    if (const Canvas* src = Image(name)) Quad(dst, *src, x0, y0, x1, y1, 0, 0, 1, 1, tint);
}

void MockupPainter::Frame(Canvas& dst, const std::string& name, float left, float top, float right, float bottom,
                          float corner)
{
    const Canvas* src = Image(name);
    if (!src) return;
    const Colour white{1, 1, 1, 1};
    // Corners, then edges and centre tiled in pieces of the corner size, the last cut short.
    auto tiles = [&](float from, float to, auto draw) {
        for (float p = from; p < to; p += corner) {
            float len = std::min(corner, to - p);
            draw(p, len, 0.25f + 0.25f * len / corner);
        }
    };
    float l = left + corner, r = right - corner, t = top + corner, b = bottom - corner;
    Quad(dst, *src, left, top, l, t, 0, 0, 0.25f, 0.25f, white);
    Quad(dst, *src, r, top, right, t, 0.75f, 0, 1, 0.25f, white);
    Quad(dst, *src, left, b, l, bottom, 0, 0.75f, 0.25f, 1, white);
    Quad(dst, *src, r, b, right, bottom, 0.75f, 0.75f, 1, 1, white);
    tiles(l, r, [&](float x, float len, float u1) {
        Quad(dst, *src, x, top, x + len, t, 0.25f, 0, u1, 0.25f, white);
        Quad(dst, *src, x, b, x + len, bottom, 0.25f, 0.75f, u1, 1, white);
    });
    tiles(t, b, [&](float y, float len, float v1) {
        Quad(dst, *src, left, y, l, y + len, 0, 0.25f, 0.25f, v1, white);
        Quad(dst, *src, r, y, right, y + len, 0.75f, 0.25f, 1, v1, white);
    });
    tiles(l, r, [&](float x, float lenX, float) {
        tiles(t, b, [&](float y, float lenY, float) {
            Quad(dst, *src, x, y, x + lenX, y + lenY, 0.25f, 0.25f, 0.25f + 0.5f * lenX / corner,
                 0.25f + 0.5f * lenY / corner, white);
        });
    });
}

const std::vector<int>& MockupPainter::Widths(const std::string& font)
{
    auto& w = widths_[font];
    if (w.empty()) {
        std::ifstream in(root_ + "/" + GameFonts::kMetricsFolder + "/" + GameFonts::MetricsFileName(font),
                         std::ios::binary);
        w.assign(GameFonts::kGlyphCount, 0);
        for (int& v : w) {
            uint8_t b[4] = {0, 0, 0, 0};
            in.read(reinterpret_cast<char*>(b), 4);
            v = GameFonts::DecodeWidth(b);
        }
    }
    return w;
}

// Lays text out like the game's font manager at the font's nominal size:
// widths plus spacing, a quarter of the size for a space, the kerning pairs.
float MockupPainter::Layout(const std::string& font, const std::string& text, Canvas* dst, float x, float y,
                            Colour colour)
{
    const GameFonts::Font* info = GameFonts::Find(font);
    if (!info) return x;
    const std::vector<int>& w = Widths(font);
    const Canvas* atlas = dst ? Image(std::string("fonts/") + font) : nullptr;
    if (dst && !atlas) return x;
    const float c = atlas ? float(info->cellSize) / float(atlas->Width()) : 0.0f;
    int previous = -1;
    for (unsigned char ch : text) {
        if (GameFonts::Fold(ch) == ' ') {
            x += float(int(float(info->nominalSize) * 0.25f));
            previous = -1;
            continue;
        }
        const int g = GameFonts::GlyphForDrawing(ch);
        if (g < 0) continue;
        if (previous >= 0) x += GameFonts::Kerning(previous, g);
        if (dst) {
            const int columns = GameFonts::kGridColumns;
            float u = float(g % columns) * c, v = float(g / columns) * c;
            Quad(*dst, *atlas, std::floor(x), std::floor(y), std::floor(x) + float(info->cellSize),
                 std::floor(y) + float(info->cellSize), u, v, u + c, v + c, colour);
        }
        x += float(w[size_t(g)] + info->spacing);
        previous = g;
    }
    return x;
}

float MockupPainter::TextWidth(const std::string& font, const std::string& text)
{
    return Layout(font, text, nullptr, 0.0f, 0.0f, Colour{1, 1, 1, 1});
}

float MockupPainter::Text(Canvas& dst, const std::string& font, const std::string& text, float x, float y,
                          Colour colour)
{
    return Layout(font, text, &dst, x, y, colour);
}

bool MockupPainter::Paint(const std::string& outPath)
{
    const float W = 1024, H = 768;
    Canvas s(1024, 768, Colour{0, 0, 0, 1});
    const Colour white{1, 1, 1, 1};
    Sprite(s, "backgrounds/7lines.jpg", 0, 0, W, H);

    // The policy ring: policies, values and situations around the centre.
    for (int i = 0; i < 24; ++i) {
        float a = float(i) * 15.0f * 3.14159265f / 180.0f, r = (i % 2) ? 300.0f : 255.0f;
        float cx = W / 2 + std::sin(a) * r * 1.15f, cy = H / 2 - std::cos(a) * r;
        if (i % 4 == 0) {
            Sprite(s, "network/blank_circicon.dds", cx - 25, cy - 25, cx + 25, cy + 25);
            const char* policies[] = {"incometax", "policeforce", "stateschools", "statehealthservice", "railsubsidies", "foreignaid"};
            Sprite(s, std::string("policies/icons_") + policies[(i / 4) % 6] + ".dds", cx - 17, cy - 17, cx + 17, cy + 17);
        } else if (i % 4 == 2) {
            Sprite(s, i % 8 == 2 ? "network/circle_grass.dds" : "network/circle_fire.dds", cx - 19, cy - 19, cx + 19, cy + 19);
            const char* situations[] = {"boom", "crimewave", "gridlock", "smog", "recession", "skills"};
            Sprite(s, std::string("situations/situation_") + situations[(i / 4) % 6] + ".dds", cx - 16, cy - 16, cx + 16, cy + 16);
        } else {
            const uint32_t tints[] = {0x2F6C93, 0xA00E06, 0xA0A00E, 0x0EA00E};
            Sprite(s, "network/blue_circicon.dds", cx - 19, cy - 19, cx + 19, cy + 19, Colour::Hex(tints[(i / 2) % 4]));
            const char* values[] = {"gdp", "crime", "health", "education", "pollution", "trade", "housing", "tourism"};
            Sprite(s, std::string("values/simval_") + values[(i / 2) % 8] + ".dds", cx - 16, cy - 16, cx + 16, cy + 16);
        }
        if (i == 8) Sprite(s, "network/circ_highlight.dds", cx - 25, cy - 25, cx + 25, cy + 25);
        Text(s, "tahoma12.dds", i % 4 == 0 ? "Income Tax" : "GDP", cx - 20, cy + 22, white);
    }
    // Influence lines from the centre.
    if (const Canvas* line = Image("network/line.dds")) {
        Quad(s, *line, 380, 300, 480, 310, 0, 0, 1, 1, Colour::Hex(0x0EA00E, 0.8f));
        Quad(s, *line, 560, 420, 660, 430, 0, 0, 1, 1, Colour::Hex(0xC00606, 0.8f));
    }
    // Voter groups in the middle.
    const char* groups[] = {"Retired", "Parents", "Workers", "Students", "Commuters", "Farmers"};
    for (int i = 0; i < 6; ++i) {
        float x = W / 2 - 105 + float(i % 2) * 110, y = H / 2 - 50 + float(i / 2) * 36;
        if (const Canvas* strip = Image("network/peoplestrip.dds")) {
            Quad(s, *strip, x, y, x + 100, y + 31, 0, 0, 0.78125f, 0.25f, white);
            float share = 0.3f + 0.1f * float(i);
            Quad(s, *strip, x, y, x + 100 * share, y + 31, 0, 0.25f, share * 0.78125f, 0.5f, white);
        }
        Text(s, "tahoma12.dds", groups[i], x + 50 - TextWidth("tahoma12.dds", groups[i]) / 2, y + 3, white);
        s.Fill([=](float px, float py) { return Sdf::RoundRect(px, py, x + 8, y + 20, x + 92, y + 26, 0.1f); }, Colour::Hex(0x202020));
        s.Fill([=](float px, float py) { return Sdf::RoundRect(px, py, x + 8, y + 20, x + 8 + 84 * (0.2f + 0.12f * float(i)), y + 26, 0.1f); },
               Colour::Hex(i % 2 ? 0x0EA00E : 0xA00E06));
        Sprite(s, "network/gui_arrow.dds", x + 86, y + 9, x + 94, y + 17, Colour::Hex(0x06C006, 0.88f));
    }
    // Control panel, top right.
    const char* panel[] = {"nextturn", "polls", "policy", "cash", "options", "award", "party", "cabinet", "report", "intel"};
    for (int i = 0; i < 10; ++i) {
        float x = W - 48 - float(i) * 46;
        std::string name = std::string("controlpanel/gui_icon_") + panel[i] + (i == 2 ? "_2.dds" : ".dds");
        Sprite(s, name, x, 8, x + 40, 48);
    }
    // Time line.
    if (const Canvas* bar = Image("gui/progress_bar.bmp")) {
        float l = W / 2 - 260, r = W / 2 + 100, cy = 33;
        Quad(s, *bar, l - 2, cy - 11, l + 6, cy + 11, 0, 0, 0.25f, 1, white);
        Quad(s, *bar, l + 6, cy - 11, r - 6, cy + 11, 0.25f, 0, 0.5f, 1, white);
        Quad(s, *bar, r - 6, cy - 11, r + 2, cy + 11, 0.75f, 0, 1, 1, white);
        for (int k = 0; k < 28; ++k)
            Sprite(s, "gui/progbar_chunk.bmp", l + float(k) * 8, cy - 9, l + float(k) * 8 + 8, cy + 9);
    }
    // A dialog with a message, a check box, a slider and buttons.
    float dl = 90, dt = 430, dr = 470, db = 700;
    Frame(s, "gui/dialog_opaque.dds", dl, dt, dr, db, 32);
    std::string title = "Cabinet Meeting";
    Text(s, "arialbold20.dds", title, dl + (dr - dl) / 2 - TextWidth("arialbold20.dds", title) / 2, dt + 16, white);
    Sprite(s, "gui/button_close.dds", dr - 44, dt + 20, dr - 20, dt + 44);
    Text(s, "arial16.dds", "The treasury asks for 12% more", dl + 20, dt + 60, white);
    Text(s, "arial16.dds", "spending on rail and buses.", dl + 20, dt + 78, white);
    Sprite(s, "gui/gui_checkbox_checked.dds", dl + 20, dt + 110, dl + 52, dt + 142);
    Text(s, "arial16.dds", "Show hints", dl + 68, dt + 117, white);
    Sprite(s, "gui/gui_checkbox.dds", dl + 200, dt + 110, dl + 232, dt + 142);
    Text(s, "arial16.dds", "Windowed", dl + 248, dt + 117, white);
    s.Fill([=](float x, float y) { return Sdf::RoundRect(x, y, dl + 30, dt + 170, dr - 30, dt + 176, 0.1f); }, Colour::Hex(0x808080));
    Sprite(s, "gui/slider_button.dds", dl + 150 - 7, dt + 162, dl + 150 + 7, dt + 184);
    Text(s, "arialbold16.dds", "Music Volume", dl + 140, dt + 186, white);
    Frame(s, "gui/button.dds", dl + 40, db - 44, dl + 170, db - 22, 9);
    Text(s, "verdanabold16.dds", "Accept", dl + 105 - TextWidth("verdanabold16.dds", "Accept") / 2, db - 46, white);
    Frame(s, "gui/button_h.dds", dr - 170, db - 44, dr - 40, db - 22, 9);
    Text(s, "verdanabold16.dds", "Refuse", dr - 105 - TextWidth("verdanabold16.dds", "Refuse") / 2, db - 46,
         Colour::Hex(0x191919));
    // A tutorial hint and a tab strip.
    Frame(s, "gui/dialog_tutorial.dds", 560, 520, 960, 640, 32);
    Text(s, "arialbold20.dds", "Tutorial Hint", 700, 535, white);
    Text(s, "arialbold16.dds", "Drag a slider to change a policy.", 580, 570, white);
    Frame(s, "gui/dialog_rounded.dds", 560, 660, 700, 700, 16);
    Frame(s, "gui/dialog_rounded_dark.dds", 705, 660, 845, 700, 16);
    Text(s, "arial16.dds", "Summary", 600, 661, white);
    Text(s, "arial16.dds", "Details", 750, 661, white);
    // Tooltip as the game draws it.
    s.Fill([](float x, float y) { return Sdf::RoundRect(x, y, 700, 100, 900, 124, 1.5f); }, Colour::Hex(0x202080, 0.75f));
    Text(s, "arial16.dds", "End the turn (F6)", 704, 98, white);
    Sprite(s, "gui/cursor.dds", 880, 112, 918, 150);

    std::string error;
    if (!missing_.empty()) {
        for (const auto& m : missing_) std::fprintf(stderr, "texturegen: mockup cannot load %s\n", m.c_str());
    }
    FIBITMAP* dib = FreeImage_Allocate(s.Width(), s.Height(), 24);
    std::vector<uint32_t> argb = s.ToArgb();
    for (int y = 0; y < s.Height(); ++y) {
        BYTE* line = FreeImage_GetScanLine(dib, s.Height() - 1 - y);
        for (int x = 0; x < s.Width(); ++x) {
            uint32_t p = argb[size_t(y) * size_t(s.Width()) + size_t(x)];
            line[x * 3 + FI_RGBA_RED] = BYTE(p >> 16);
            line[x * 3 + FI_RGBA_GREEN] = BYTE(p >> 8);
            line[x * 3 + FI_RGBA_BLUE] = BYTE(p);
        }
    }
    bool ok = FreeImage_Save(FIF_PNG, dib, outPath.c_str(), 0) != 0;
    FreeImage_Unload(dib);
    return ok && missing_.empty();
}
