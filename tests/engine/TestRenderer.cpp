#include "RenderTestSupport.h"

#include <map>

#include "engine/BaseSprite.h"
#include "engine/CTexturedSprite.h"
#include "engine/GVertexBuffer.h"
#include "engine/SmartTexture.h"

using namespace rendertest;

namespace {

class RendererTest : public RenderFixture {};

TEST_F(RendererTest, FillRectCoversExactlyItsPixels)
{
    Engine().FillRect(GRect{10, 20, 30, 25}, 0xFFFFFFFF);
    Grab();
    EXPECT_TRUE(Near(At(10, 20), 0xFFFFFF));
    EXPECT_TRUE(Near(At(29, 24), 0xFFFFFF));
    EXPECT_TRUE(Near(At(9, 20), 0x000000));
    EXPECT_TRUE(Near(At(30, 20), 0x000000));
    EXPECT_TRUE(Near(At(10, 19), 0x000000));
    EXPECT_TRUE(Near(At(10, 25), 0x000000));
}

TEST_F(RendererTest, HalfTransparentFillBlendsOverWhatIsThere)
{
    Engine().FillRect(GRect{0, 0, 40, 40}, 0xFFFFFFFF);
    Engine().FillRect(GRect{0, 0, 20, 40}, 0x80FF0000);
    Engine().FillRect(GRect{20, 0, 40, 40}, 0x00FF0000);  // fully transparent: no change
    Grab();
    EXPECT_TRUE(Near(At(5, 5), 0xFF7F7F, 2)) << Hex(At(5, 5));
    EXPECT_TRUE(Near(At(25, 5), 0xFFFFFF)) << Hex(At(25, 5));
}

TEST_F(RendererTest, GradientRectRunsFromLeftColourToRightColour)
{
    Engine().GradientRect(GRect{0, 0, 100, 10}, 0xFFFF0000, 0xFF0000FF);
    Grab();
    const Rgba left = Split(At(1, 5)), middle = Split(At(50, 5)), right = Split(At(98, 5));
    EXPECT_GT(left.r, 240);
    EXPECT_LT(left.b, 15);
    EXPECT_GT(right.b, 240);
    EXPECT_LT(right.r, 15);
    EXPECT_NEAR(middle.r, 127, 10);
    EXPECT_NEAR(middle.b, 127, 10);
}

TEST_F(RendererTest, LinesLightOnePixelPerStepUpToTheirEnd)
{
    Engine().DrawLine(10, 10, 30, 10, 0xFFFFFFFF);
    Engine().DrawLine(50, 10, 50, 30, 0xFFFFFFFF);
    Engine().DrawLine(60, 10, 80, 20, 0xFFFFFFFF);
    Grab();
    EXPECT_TRUE(Near(At(10, 10), 0xFFFFFF));
    EXPECT_TRUE(Near(At(29, 10), 0xFFFFFF));
    EXPECT_TRUE(Near(At(30, 10), 0x000000));
    EXPECT_TRUE(Near(At(10, 9), 0x000000));
    EXPECT_TRUE(Near(At(10, 11), 0x000000));
    EXPECT_TRUE(Near(At(50, 10), 0xFFFFFF));
    EXPECT_TRUE(Near(At(50, 29), 0xFFFFFF));
    EXPECT_TRUE(Near(At(51, 20), 0x000000));
    // A slanted line: exactly one lit pixel in every column it crosses.
    for (int x = 60; x < 80; ++x) {
        int lit = 0;
        for (int y = 0; y < kHeight; ++y)
            lit += Near(At(x, y), 0xFFFFFF, 10) ? 1 : 0;
        EXPECT_EQ(lit, 1) << "column " << x;
    }
    EXPECT_TRUE(Near(At(60, 10), 0xFFFFFF));
    EXPECT_TRUE(Near(At(70, 15), 0xFFFFFF));
}

TEST_F(RendererTest, RectOutlinesCloseAtEveryCorner)
{
    Engine().DrawRect(GRect{10, 10, 20, 18}, 0xFFFFFFFF);
    Engine().DrawRoundedRect(GRect{40, 10, 60, 30}, 0xFFFFFFFF);
    Grab();
    for (auto [x, y] : {std::pair{10, 10}, {20, 10}, {10, 18}, {20, 18}, {15, 10}, {15, 18}, {10, 14}, {20, 14}})
        EXPECT_TRUE(Near(At(x, y), 0xFFFFFF)) << x << "," << y;
    EXPECT_TRUE(Near(At(15, 14), 0x000000));
    EXPECT_TRUE(Near(At(21, 18), 0x000000));
    // Rounded: the corner pixel itself stays dark, the cut starts 2 pixels in.
    EXPECT_TRUE(Near(At(40, 10), 0x000000));
    EXPECT_TRUE(Near(At(42, 10), 0xFFFFFF));
    EXPECT_TRUE(Near(At(60, 20), 0xFFFFFF));
}

TEST_F(RendererTest, ThickPolylineCoversItsWidthAroundEachSegment)
{
    const GPoint points[3] = {{20, 60}, {80, 60}, {80, 100}};
    Engine().DrawThickPolyline(points, 3, 0xFF00FF00, 6.0f);
    Grab();
    EXPECT_TRUE(Near(At(50, 58), 0x00FF00));
    EXPECT_TRUE(Near(At(50, 61), 0x00FF00));
    EXPECT_TRUE(Near(At(50, 54), 0x000000));
    EXPECT_TRUE(Near(At(50, 66), 0x000000));
    EXPECT_TRUE(Near(At(78, 80), 0x00FF00));
    EXPECT_TRUE(Near(At(82, 80), 0x00FF00));
    EXPECT_TRUE(Near(At(86, 80), 0x000000));
}

TEST_F(RendererTest, TexturedSpriteIsTintedByItsVertexColours)
{
    // Left half white, right half opaque red.
    std::vector<uint32_t> pixels(16 * 16);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x)
            pixels[y * 16 + x] = x < 8 ? 0xFFFFFFFF : 0xFFFF0000;
    WriteImage(bitmaps + "/halves.png", 16, 16, pixels);

    CTexturedSprite sprite("halves.png");
    sprite.SetSize(16, 16);
    sprite.SetPosition(28, 28);  // covers 20..35
    sprite.SetColour(0xFF00FF00);
    Engine().SetPointFiltering();
    sprite.Draw();

    CTexturedSprite shaded("halves.png");
    shaded.SetSize(16, 16);
    shaded.SetPosition(68, 28);  // covers 60..75
    shaded.Vertex(0).diffuse = shaded.Vertex(2).diffuse = 0xFFFFFFFF;
    shaded.Vertex(1).diffuse = shaded.Vertex(3).diffuse = 0xFF000000;
    shaded.Draw();
    Grab();
    EXPECT_TRUE(Near(At(21, 21), 0x00FF00)) << Hex(At(21, 21));  // white x green
    EXPECT_TRUE(Near(At(34, 34), 0x000000)) << Hex(At(34, 34));  // red x green
    EXPECT_TRUE(Near(At(19, 28), 0x000000));
    EXPECT_TRUE(Near(At(36, 28), 0x000000));
    const Rgba leftEdge = Split(At(60, 28)), rightEdge = Split(At(74, 28));
    EXPECT_GT(leftEdge.g, 200);
    EXPECT_LT(rightEdge.r, 40);
}

TEST_F(RendererTest, TextureAlphaBlendsAndFlippedFramesPickTheirCell)
{
    // A 2 x 2 sheet of four cells: red, green / blue, half-transparent white.
    std::vector<uint32_t> pixels(8 * 8);
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x)
            pixels[y * 8 + x] = y < 4 ? (x < 4 ? 0xFFFF0000 : 0xFF00FF00) : (x < 4 ? 0xFF0000FF : 0x80FFFFFF);
    WriteImage(bitmaps + "/sheet.png", 8, 8, pixels);
    Engine().FillRect(GRect{0, 0, kWidth, kHeight}, 0xFF000000);
    CTexturedSprite sprite("sheet.png");
    sprite.SetSize(8, 8);
    Engine().SetPointFiltering();
    const uint32_t expected[4] = {0xFF0000, 0x00FF00, 0x0000FF, 0x808080};
    for (int i = 0; i < 4; ++i) {
        sprite.SetFrame(4, i);
        sprite.SetPosition(10.0f + 20 * i, 10.0f);
        sprite.Draw();
    }
    sprite.SetFrame(4, 0);
    sprite.FlipHorizontal();
    sprite.SetPosition(100, 10);
    sprite.Draw();
    Grab();
    for (int i = 0; i < 4; ++i)
        EXPECT_TRUE(Near(At(10 + 20 * i, 10), expected[i], 3)) << i << " " << Hex(At(10 + 20 * i, 10));
    EXPECT_TRUE(Near(At(100, 10), 0xFF0000));
}

TEST_F(RendererTest, MissingTextureDrawsACheckerAndIsReportedOnce)
{
    LogCapture log;
    CTexturedSprite sprite("nowhere.png");
    sprite.SetSize(32, 32);
    sprite.SetPosition(40, 40);  // 24..55
    sprite.Draw();
    sprite.Draw();
    Engine().SetTexture("nowhere.png");
    Engine().SetTexture("NOWHERE.PNG");
    Grab();
    ASSERT_NE(sprite.Texture(), nullptr);
    EXPECT_TRUE(sprite.Texture()->placeholder);
    EXPECT_TRUE(Near(At(26, 26), 0xFF00FF)) << Hex(At(26, 26));
    EXPECT_TRUE(Near(At(53, 26), 0x000000)) << Hex(At(53, 26));
    EXPECT_TRUE(Near(At(53, 53), 0xFF00FF)) << Hex(At(53, 53));
    int reports = 0;
    for (const auto& line : log.Lines())
        reports += line.find("Failed to locate texture: nowhere.png") != std::string::npos ? 1 : 0;
    EXPECT_EQ(reports, 1);
}

TEST_F(RendererTest, TexturesAreFoundByNameInAnyCaseBaseFolderFirst)
{
    std::filesystem::create_directories(bitmaps + "/icons");
    const std::string mods = dir.Path() + "/mods";
    std::filesystem::create_directories(mods);
    WriteSolidImage(bitmaps + "/icons/Pointer.BMP", 4, 4, 0xFF00FF00);
    WriteSolidImage(mods + "/pointer.bmp", 4, 4, 0xFFFF0000);
    WriteSolidImage(mods + "/modonly.bmp", 4, 4, 0xFF0000FF);
    Engine().ClearTextureFolders();
    Engine().AddTextureFolder(bitmaps);
    Engine().AddModTextureFolder(mods);
    ASSERT_EQ(Engine().TextureFolders().size(), 3u);
    EXPECT_EQ(Engine().TextureFolders()[1], bitmaps + "/icons");

    TextureRecord* base = Engine().GetTexture("pointer.bmp");
    ASSERT_NE(base, nullptr);
    EXPECT_FALSE(base->placeholder);
    EXPECT_NE(base->path.find("/icons/"), std::string::npos) << base->path;
    EXPECT_EQ(Engine().GetTexture("POINTER.bmp"), base);
    TextureRecord* modOnly = Engine().GetTexture("modonly.bmp");
    ASSERT_NE(modOnly, nullptr);
    EXPECT_FALSE(modOnly->placeholder);
}

TEST_F(RendererTest, NamesWithPathCharactersNeverLeaveTheFolders)
{
    WriteSolidImage(dir.Path() + "/secret.png", 4, 4, 0xFFFFFFFF);
    TextureRecord* record = Engine().GetTexture("../secret.png");
    ASSERT_NE(record, nullptr);
    EXPECT_TRUE(record->placeholder);
}

TEST_F(RendererTest, BindingTheSameNameTwiceCountsOneRedundantCall)
{
    WriteSolidImage(bitmaps + "/a.png", 4, 4, 0xFFFFFFFF);
    const float before = Engine().RedundantTextureCalls();
    Engine().SetTexture("a.png");
    Engine().SetTexture("a.png");
    EXPECT_EQ(Engine().RedundantTextureCalls(), before + 1.0f);
}

TEST_F(RendererTest, GreyscaleJpegLoadsOpaqueAndSixteenBitQuantisesIt)
{
    // An 8-bit greyscale JPEG.
    FIBITMAP* grey = FreeImage_Allocate(8, 8, 8);
    RGBQUAD* palette = FreeImage_GetPalette(grey);
    for (int i = 0; i < 256; ++i)
        palette[i].rgbRed = palette[i].rgbGreen = palette[i].rgbBlue = static_cast<BYTE>(i);
    for (unsigned y = 0; y < 8; ++y)
        std::fill(FreeImage_GetScanLine(grey, y), FreeImage_GetScanLine(grey, y) + 8, BYTE{0x65});
    ASSERT_TRUE(FreeImage_Save(FIF_JPEG, grey, (bitmaps + "/grey.jpg").c_str(), JPEG_QUALITYSUPERB));
    FreeImage_Unload(grey);

    CTexturedSprite sprite("grey.jpg");
    sprite.SetSize(8, 8);
    sprite.SetPosition(10, 10);
    sprite.Draw();
    Grab();
    const Rgba at32 = Split(At(10, 10));
    EXPECT_NEAR(at32.r, 0x65, 3);
    EXPECT_EQ(at32.r, at32.g);

    // At 16 bits the same picture keeps 5 bits of red: multiples of 8.
    Engine().EndScene();
    Engine().Release();
    ASSERT_TRUE(Engine().Init(GetSdlVideo().Window(), kWidth, kHeight, 16, false, false));
    EXPECT_EQ(Engine().ColourDepth(), 16);
    Engine().AddTextureFolder(bitmaps);
    CTexturedSprite again("grey.jpg");
    again.SetSize(8, 8);
    again.SetPosition(10, 10);
    Engine().Clear(0xFF000000);
    again.Draw();
    Grab();
    const Rgba at16 = Split(At(10, 10));
    EXPECT_NE(at16.r, 0x65);
    EXPECT_NEAR(at16.r, 0x65, 8);
    EXPECT_NE(EngineLog().find("Converting JPG to 16 bits"), std::string::npos);
}

TEST_F(RendererTest, SpritesFindTheirTexturesAgainAfterTheyWereDropped)
{
    WriteSolidImage(bitmaps + "/b.png", 4, 4, 0xFF00FF00);
    CTexturedSprite sprite("b.png");
    SmartTexture smart("b.png");
    sprite.SetSize(4, 4);
    sprite.SetPosition(10, 10);
    Engine().DropTextures();
    EXPECT_EQ(sprite.Texture(), nullptr);
    EXPECT_EQ(smart.Texture(), nullptr);
    Engine().RestoreSurfaces();
    EXPECT_NE(smart.Texture(), nullptr);
    LogCapture log;
    sprite.Draw();
    Grab();
    EXPECT_TRUE(log.Contains("Rebuilding lost textured sprite pointer"));
    EXPECT_TRUE(Near(At(10, 10), 0x00FF00));
}

TEST_F(RendererTest, ASecondReleaseOnlySaysSo)
{
    Engine().EndScene();
    Engine().Release();
    Engine().Release();
    EXPECT_NE(EngineLog().find("Engine already released"), std::string::npos);
    ASSERT_TRUE(Engine().Init(GetSdlVideo().Window(), kWidth, kHeight, 32, false, false));
}

TEST_F(RendererTest, BackgroundFillsTheScreenFromATallTexture)
{
    // Big enough for the software renderer's triangle path to misbehave; the
    // one-colour quad is blitted as a rectangle instead.
    WriteSolidImage(bitmaps + "/back.png", 256, 1024, 0xFF3060C0);
    SmartTexture back("back.png");
    Engine().DrawBackground(back, 1.0f, 0.75f);
    Grab();
    EXPECT_TRUE(Near(At(0, 0), 0x3060C0));
    EXPECT_TRUE(Near(At(kWidth - 1, kHeight - 1), 0x3060C0));
}

TEST_F(RendererTest, SlantedHalfTransparentQuadsShowNoSeams)
{
    // Slanted quads are drawn in pieces (textured) or rows (plain); a pixel
    // covered twice would show up darker or lighter than its neighbours.
    WriteSolidImage(bitmaps + "/white.png", 16, 16, 0xFFFFFFFF);
    Engine().FillRect(GRect{0, 0, kWidth, kHeight}, 0xFF000000);
    CTexturedSprite band("white.png");
    band.SetSize(80, 16);
    band.SetRotation(30.0f);
    band.SetColour(0x80FFFFFF);
    band.SetPosition(45, 30);
    band.Draw();
    BaseSprite plain;
    plain.SetSize(80, 16);
    plain.SetRotation(-30.0f);
    plain.SetColour(0x80FFFFFF);
    plain.SetPosition(115, 90);
    Engine().SetTexture(static_cast<TextureRecord*>(nullptr));
    plain.Draw();
    Grab();
    std::map<uint32_t, int> shades;
    for (uint32_t p : frame)
        ++shades[p & 0xFFFFFF];
    for (const auto& [shade, count] : shades)
        EXPECT_TRUE(shade == 0 || Near(shade, 0x808080, 1)) << Hex(shade) << " x" << count;
    // The area of the two bands, each 80 x 16.
    const int lit = static_cast<int>(frame.size()) - shades[0];
    EXPECT_NEAR(lit, 2 * 80 * 16, 2 * 80 * 16 / 25);
}

TEST_F(RendererTest, ScreenSizedQuadOverATallTextureWithCornerColours)
{
    WriteSolidImage(bitmaps + "/tall.png", 512, 1024, 0xFFFFFFFF);
    TLVertex corners[4];
    const float right = kWidth - 0.5f, bottom = kHeight - 0.5f;
    corners[0].x = -0.5f, corners[0].y = -0.5f, corners[0].diffuse = 0xFFFF0000;
    corners[1].x = right, corners[1].y = -0.5f, corners[1].u = 1, corners[1].diffuse = 0xFF00FF00;
    corners[2].x = -0.5f, corners[2].y = bottom, corners[2].v = 1, corners[2].diffuse = 0xFF0000FF;
    corners[3].x = right, corners[3].y = bottom, corners[3].u = 1, corners[3].v = 1, corners[3].diffuse = 0xFFFFFFFF;
    Engine().SetTexture("tall.png");
    Engine().DrawQuad(corners);
    Grab();
    EXPECT_TRUE(Near(At(0, 0), 0xFF0000, 8)) << Hex(At(0, 0));
    EXPECT_TRUE(Near(At(kWidth - 1, 0), 0x00FF00, 8)) << Hex(At(kWidth - 1, 0));
    EXPECT_TRUE(Near(At(0, kHeight - 1), 0x0000FF, 8)) << Hex(At(0, kHeight - 1));
    EXPECT_TRUE(Near(At(kWidth - 1, kHeight - 1), 0xFFFFFF, 8));
}

// Upright quads whose corners differ are cut into pieces for the software
// renderer; where pieces meet, no column or row may be covered twice or missed.
TEST_F(RendererTest, UprightHalfTransparentQuadsWithCornerColoursShowNoSeams)
{
    WriteSolidImage(bitmaps + "/white.png", 16, 16, 0xFFFFFFFF);
    for (bool textured : {false, true}) {
        Engine().FillRect(GRect{0, 0, kWidth, kHeight}, 0xFF000000);
        TLVertex corners[4];
        // Larger than the screen, so piece edges cross it both ways.
        const float left = -100.5f, top = -90.5f, right = kWidth + 99.5f, bottom = kHeight + 89.5f;
        corners[0].x = left, corners[0].y = top;
        corners[1].x = right, corners[1].y = top, corners[1].u = 1;
        corners[2].x = left, corners[2].y = bottom, corners[2].v = 1;
        corners[3].x = right, corners[3].y = bottom, corners[3].u = 1, corners[3].v = 1;
        // Nearly one colour, but not quite: the quad cannot be blitted whole.
        corners[0].diffuse = corners[2].diffuse = 0x80FFFFFF;
        corners[1].diffuse = corners[3].diffuse = 0x80FEFEFE;
        if (textured)
            Engine().SetTexture("white.png");
        else
            Engine().SetTexture(static_cast<TextureRecord*>(nullptr));
        Engine().DrawQuad(corners, !textured);
        Grab();
        int wrong = 0;
        for (int y = 0; y < kHeight; ++y)
            for (int x = 0; x < kWidth; ++x)
                if (!Near(At(x, y), 0x808080, 2) && ++wrong <= 3)
                    ADD_FAILURE() << (textured ? "textured" : "plain") << " pixel " << x << "," << y << " is "
                                  << Hex(At(x, y));
        EXPECT_EQ(wrong, 0) << (textured ? "textured" : "plain");
    }
}

TEST_F(RendererTest, VertexBufferDrawsItsIndexedTriangles)
{
    WriteSolidImage(bitmaps + "/w.png", 4, 4, 0xFFFFFFFF);
    GVertexBuffer buffer;
    buffer.Create(8, true);
    const float boxes[2][2] = {{10, 10}, {30, 10}};
    for (int q = 0; q < 2; ++q) {
        for (int i = 0; i < 4; ++i) {
            TLVertex& v = buffer.vertices[q * 4 + i];
            v.x = boxes[q][0] + (i % 2) * 10 - 0.5f;
            v.y = boxes[q][1] + (i / 2) * 10 - 0.5f;
            v.u = static_cast<float>(i % 2);
            v.v = static_cast<float>(i / 2);
            v.diffuse = q == 0 ? 0xFFFF0000 : 0xFF0000FF;
        }
        const uint16_t quad[6] = {0, 1, 3, 0, 3, 2};
        for (int i = 0; i < 6; ++i)
            buffer.indices[q * 6 + i] = static_cast<uint16_t>(q * 4 + quad[i]);
    }
    buffer.vertexCount = 8;
    buffer.indexCount = 12;
    Engine().SetTexture("w.png");
    buffer.Draw();
    Grab();
    EXPECT_TRUE(Near(At(15, 15), 0xFF0000));
    EXPECT_TRUE(Near(At(35, 15), 0x0000FF));
    EXPECT_TRUE(Near(At(25, 15), 0x000000));
}

TEST_F(RendererTest, AWiderWindowShowsTheFrameLetterboxed)
{
    SdlVideo& video = GetSdlVideo();
    SDL_SetWindowSize(video.Window(), 2 * kWidth + 40, 2 * kHeight);
    Engine().FillRect(GRect{0, 0, kWidth, kHeight}, 0xFFFFFFFF);
    Engine().FillRect(GRect{0, 0, 10, 10}, 0xFFFF0000);
    std::vector<uint32_t> window;
    int w = 0, h = 0;
    ASSERT_TRUE(video.ReadWindowPixels(window, w, h));
    ASSERT_EQ(w, 2 * kWidth + 40);
    ASSERT_EQ(h, 2 * kHeight);
    auto at = [&](int x, int y) { return window[static_cast<size_t>(y) * w + x]; };
    // Scaled twice over, centred, with 20-pixel bars left and right.
    EXPECT_TRUE(Near(at(5, h / 2), 0x000000));
    EXPECT_TRUE(Near(at(w - 5, h / 2), 0x000000));
    EXPECT_TRUE(Near(at(w / 2, h / 2), 0xFFFFFF));
    // Twice the size exactly: every logical pixel becomes a sharp 2 x 2 block.
    EXPECT_TRUE(Near(at(20, 0), 0xFF0000)) << Hex(at(20, 0));
    EXPECT_TRUE(Near(at(39, 19), 0xFF0000)) << Hex(at(39, 19));
    EXPECT_TRUE(Near(at(40, 19), 0xFFFFFF)) << Hex(at(40, 19));
    EXPECT_TRUE(Near(at(w - 25, h - 5), 0xFFFFFF, 10));

    float lx = 0, ly = 0;
    video.WindowToLogical(20.0f, 0.0f, lx, ly);
    EXPECT_FLOAT_EQ(lx, 0.0f);
    video.WindowToLogical(w / 2.0f, h / 2.0f, lx, ly);
    EXPECT_FLOAT_EQ(lx, kWidth / 2.0f);
    EXPECT_FLOAT_EQ(ly, kHeight / 2.0f);
    video.WindowToLogical(5.0f, 0.0f, lx, ly);
    EXPECT_LT(lx, 0.0f);
    // The picture drawn so far is still there after the read-back.
    Grab();
    EXPECT_TRUE(Near(At(5, 5), 0xFF0000));
    SDL_SetWindowSize(video.Window(), kWidth, kHeight);
}

TEST_F(RendererTest, ATallerWindowShowsTheFrameWithBarsAboveAndBelow)
{
    SdlVideo& video = GetSdlVideo();
    // 1.5 times as wide: the frame is scaled by 1.5 (smoothed) and centred.
    const int w = kWidth * 3 / 2, h = kHeight * 3 / 2 + 100;
    SDL_SetWindowSize(video.Window(), w, h);
    Engine().FillRect(GRect{0, 0, kWidth, kHeight}, 0xFFFFFFFF);
    std::vector<uint32_t> window;
    int ww = 0, wh = 0;
    ASSERT_TRUE(video.ReadWindowPixels(window, ww, wh));
    ASSERT_EQ(ww, w);
    ASSERT_EQ(wh, h);
    auto at = [&](int x, int y) { return window[static_cast<size_t>(y) * ww + x]; };
    EXPECT_TRUE(Near(at(w / 2, 45), 0x000000)) << Hex(at(w / 2, 45));
    EXPECT_TRUE(Near(at(w / 2, h - 45), 0x000000)) << Hex(at(w / 2, h - 45));
    EXPECT_TRUE(Near(at(0, 52), 0xFFFFFF)) << Hex(at(0, 52));
    EXPECT_TRUE(Near(at(w - 1, h - 52), 0xFFFFFF)) << Hex(at(w - 1, h - 52));

    float lx = 0, ly = 0;
    video.WindowToLogical(0.0f, 50.0f, lx, ly);
    EXPECT_FLOAT_EQ(lx, 0.0f);
    EXPECT_FLOAT_EQ(ly, 0.0f);
    video.WindowToLogical(w - 3.0f, h - 53.0f, lx, ly);
    EXPECT_FLOAT_EQ(lx, kWidth - 2.0f);
    EXPECT_FLOAT_EQ(ly, kHeight - 2.0f);
    video.WindowToLogical(10.0f, 20.0f, lx, ly);
    EXPECT_LT(ly, 0.0f) << "in the bar above the frame";
    SDL_SetWindowSize(video.Window(), kWidth, kHeight);
}

TEST_F(RendererTest, DisplaySwitchesComeFromTheConfigFile)
{
    SdlVideo& video = GetSdlVideo();
    EXPECT_TRUE(Engine().IsWindowed());
    EXPECT_FALSE(video.IsFullscreen());

    auto reinit = [&](const std::string& config) {
        Engine().EndScene();
        Engine().Release();
        WriteText(dir.Path() + "/config.muf", config);
        EXPECT_TRUE(Engine().Init(video.Window(), kWidth, kHeight, 32, false, false));
    };
    reinit("[config]\nIsWindowed=0\n");
    EXPECT_FALSE(Engine().IsWindowed());
    EXPECT_TRUE(video.IsFullscreen());
    EXPECT_EQ(video.LogicalWidth(), kWidth);
    EXPECT_EQ(g_ScreenWidth, static_cast<float>(kWidth));

    reinit("[config]\nIsWindowed=0\nSafeMode=1\n");
    EXPECT_TRUE(Engine().IsWindowed());
    EXPECT_FALSE(video.IsFullscreen());
    EXPECT_NE(EngineLog().find("Forcing to safe mode, fullscreen not stable"), std::string::npos);

    reinit("[config]\nIsWindowed=1\nForceFallback=1\n");
    EXPECT_TRUE(Engine().IsSoftware());
    EXPECT_NE(EngineLog().find("Forcing Fallback Init"), std::string::npos);

    video.ToggleFullscreen();
    EXPECT_TRUE(video.IsFullscreen());
    video.ToggleFullscreen();
    EXPECT_FALSE(video.IsFullscreen());
}

TEST_F(RendererTest, RotatedSpriteCornersAndContains)
{
    BaseSprite sprite(10, 20, 30, 60);
    EXPECT_FLOAT_EQ(sprite.Vertex(0).x, 10.0f);
    EXPECT_FLOAT_EQ(sprite.Vertex(3).y, 60.0f);
    EXPECT_TRUE(sprite.Contains(20, 40));
    EXPECT_FALSE(sprite.Contains(10, 40));
    sprite.SetRotation(90.0f);
    sprite.SetPosition(20, 40);
    // Turned a quarter clockwise: the top-left corner goes to the top right.
    EXPECT_NEAR(sprite.Vertex(0).x, 40.0f, 1e-4);
    EXPECT_NEAR(sprite.Vertex(0).y, 30.0f, 1e-4);
    EXPECT_NEAR(Bearing(0, 0, 10, 0), 90.0f, 1e-3);
    EXPECT_NEAR(Bearing(0, 0, 0, -10), 0.0f, 1e-3);
    EXPECT_NEAR(Bearing(0, 0, -10, 0), 270.0f, 1e-3);
    EXPECT_FLOAT_EQ(Distance(0, 0, 3, 4), 5.0f);
}

}  // namespace
