#include "RenderTestSupport.h"

#include <map>

#include "engine/BaseSprite.h"
#include "engine/CTexturedSprite.h"
#include "engine/SmartTexture.h"

using namespace rendertest;

namespace {

class RendererTest : public RenderFixture {
protected:
    static void Place(BaseSprite& sprite, float size, float x, float y)
    {
        sprite.SetSize(size, size);
        sprite.SetPosition(x, y);
    }
};

TEST_F(RendererTest, FilledRectsCoverExactlyTheirPixelsAndBlend)
{
    Engine().FillRect(GRect{10, 20, 30, 25}, 0xFFFFFFFF);
    Engine().FillRect(GRect{40, 0, 80, 40}, 0xFFFFFFFF);
    Engine().FillRect(GRect{40, 0, 60, 40}, 0x80FF0000);
    Engine().FillRect(GRect{60, 0, 80, 40}, 0x00FF0000);  // fully transparent: no change
    ExpectPixels({{10, 20, 0xFFFFFF}, {29, 24, 0xFFFFFF}, {9, 20, 0}, {30, 20, 0}, {10, 19, 0}, {10, 25, 0},
                  {45, 5, 0xFF7F7F}, {65, 5, 0xFFFFFF}});
}

TEST_F(RendererTest, GradientRectRunsFromLeftColourToRightColour)
{
    Engine().GradientRect(GRect{0, 0, 100, 10}, 0xFFFF0000, 0xFF0000FF);
    ExpectPixels({{1, 5, 0xFF0000}, {50, 5, 0x7F007F}, {98, 5, 0x0000FF}}, 15);
}

TEST_F(RendererTest, LinesAndOutlinesLightOnePixelPerStepUpToTheirEnd)
{
    Engine().DrawLine(10, 10, 30, 10, 0xFFFFFFFF);
    Engine().DrawLine(50, 10, 50, 30, 0xFFFFFFFF);
    Engine().DrawLine(60, 10, 80, 20, 0xFFFFFFFF);
    Engine().DrawRect(GRect{10, 40, 20, 48}, 0xFFFFFFFF);
    Engine().DrawRoundedRect(GRect{40, 40, 60, 60}, 0xFFFFFFFF);
    // Rounded: the corner pixel itself stays dark, the cut starts 2 pixels in.
    ExpectPixels({{10, 10, 0xFFFFFF}, {29, 10, 0xFFFFFF}, {30, 10, 0}, {10, 9, 0}, {10, 11, 0},
                  {50, 10, 0xFFFFFF}, {50, 29, 0xFFFFFF}, {51, 20, 0}, {60, 10, 0xFFFFFF}, {70, 15, 0xFFFFFF},
                  {10, 40, 0xFFFFFF}, {20, 40, 0xFFFFFF}, {10, 48, 0xFFFFFF}, {20, 48, 0xFFFFFF}, {15, 44, 0},
                  {21, 48, 0}, {40, 40, 0}, {42, 40, 0xFFFFFF}, {60, 50, 0xFFFFFF}});
    // A slanted line: exactly one lit pixel in every column it crosses.
    for (int x = 60; x < 80; ++x) {
        int lit = 0;
        for (int y = 0; y < 30; ++y)
            lit += Near(At(x, y), 0xFFFFFF, 10) ? 1 : 0;
        EXPECT_EQ(lit, 1) << "column " << x;
    }
}

TEST_F(RendererTest, ThickPolylineCoversItsWidthAroundEachSegment)
{
    const GPoint points[3] = {{20, 60}, {80, 60}, {80, 100}};
    Engine().DrawThickPolyline(points, 3, 0xFF00FF00, 6.0f);
    ExpectPixels({{50, 58, 0x00FF00}, {50, 61, 0x00FF00}, {50, 54, 0}, {50, 66, 0}, {78, 80, 0x00FF00},
                  {82, 80, 0x00FF00}, {86, 80, 0}});
}

TEST_F(RendererTest, SpritesAreTintedByTheirColourAndPickTheirFrame)
{
    // A 2 x 2 sheet of four cells: red, green / blue, half-transparent white.
    std::vector<uint32_t> pixels(8 * 8);
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x)
            pixels[y * 8 + x] = y < 4 ? (x < 4 ? 0xFFFF0000 : 0xFF00FF00) : (x < 4 ? 0xFF0000FF : 0x80FFFFFF);
    WriteImage(bitmaps + "/sheet.png", 8, 8, pixels);
    Engine().SetPointFiltering();
    CTexturedSprite sprite("sheet.png");
    for (int i = 0; i < 4; ++i) {
        sprite.SetFrame(4, i);
        Place(sprite, 8, 10.0f + 20 * i, 10.0f);
        sprite.Draw();
    }
    sprite.SetFrame(4, 0);
    sprite.FlipHorizontal();
    sprite.SetPosition(100, 10);
    sprite.Draw();
    CTexturedSprite tinted("sheet.png");
    Place(tinted, 16, 28, 48);  // covers 20..35
    tinted.SetColour(0xFF00FF00);
    tinted.Draw();
    ExpectPixels({{10, 10, 0xFF0000}, {30, 10, 0x00FF00}, {50, 10, 0x0000FF}, {70, 10, 0x808080},
                  {100, 10, 0xFF0000}, {21, 41, 0}, {34, 41, 0x00FF00}, {19, 48, 0}, {36, 48, 0}});
}

TEST_F(RendererTest, MissingTextureDrawsACheckerAndIsReportedOnce)
{
    LogCapture log;
    CTexturedSprite sprite("nowhere.png");
    Place(sprite, 32, 40, 40);  // 24..55
    sprite.Draw();
    sprite.Draw();
    Engine().SetTexture("nowhere.png");
    Engine().SetTexture("NOWHERE.PNG");
    ASSERT_NE(sprite.Texture(), nullptr);
    EXPECT_TRUE(sprite.Texture()->placeholder);
    ExpectPixels({{26, 26, 0xFF00FF}, {53, 26, 0}, {53, 53, 0xFF00FF}});
    int reports = 0;
    for (const auto& line : log.Lines())
        reports += line.find("Failed to locate texture: nowhere.png") != std::string::npos ? 1 : 0;
    EXPECT_EQ(reports, 1);
    // A name with path characters never leaves the folders.
    WriteSolidImage(dir.Path() + "/secret.png", 4, 4, 0xFFFFFFFF);
    EXPECT_TRUE(Engine().GetTexture("../secret.png")->placeholder);
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
    EXPECT_NE(base->path.find("/icons/"), std::string::npos) << base->path;
    EXPECT_EQ(Engine().GetTexture("POINTER.bmp"), base);
    EXPECT_FALSE(Engine().GetTexture("modonly.bmp")->placeholder);
}

TEST_F(RendererTest, GreyscaleJpegLoadsOpaqueAndSixteenBitQuantisesIt)
{
    WriteSolidImage(dir.Path() + "/grey.png", 8, 8, 0xFF656565);
    FIBITMAP* colour = FreeImage_Load(FIF_PNG, (dir.Path() + "/grey.png").c_str());
    FIBITMAP* grey = FreeImage_ConvertToGreyscale(colour);  // an 8-bit greyscale JPEG
    ASSERT_TRUE(FreeImage_Save(FIF_JPEG, grey, (bitmaps + "/grey.jpg").c_str(), JPEG_QUALITYSUPERB));
    FreeImage_Unload(grey);
    FreeImage_Unload(colour);

    std::vector<int> reds;
    for (int depth : {32, 16}) {
        Engine().EndScene();
        Engine().Release();
        ASSERT_TRUE(Engine().Init(GetSdlVideo().Window(), kWidth, kHeight, depth, false, false));
        EXPECT_EQ(Engine().ColourDepth(), depth);
        Engine().AddTextureFolder(bitmaps);
        Engine().Clear(0xFF000000);
        CTexturedSprite sprite("grey.jpg");
        Place(sprite, 8, 10, 10);
        sprite.Draw();
        Grab();
        if (depth == 32) {
            EXPECT_EQ(Split(At(10, 10)).r, Split(At(10, 10)).g) << "grey stays grey";
        }
        reds.push_back(Split(At(10, 10)).r);
    }
    EXPECT_NEAR(reds[0], 0x65, 3);
    // At 16 bits the same picture keeps 5 bits of red: multiples of 8.
    EXPECT_NE(reds[1], 0x65);
    EXPECT_NEAR(reds[1], 0x65, 8);
}

TEST_F(RendererTest, SpritesFindTheirTexturesAgainAfterTheyWereDropped)
{
    WriteSolidImage(bitmaps + "/b.png", 4, 4, 0xFF00FF00);
    CTexturedSprite sprite("b.png");
    SmartTexture smart("b.png");
    Place(sprite, 4, 10, 10);
    Engine().DropTextures();
    EXPECT_EQ(sprite.Texture(), nullptr);
    EXPECT_EQ(smart.Texture(), nullptr);
    Engine().RestoreSurfaces();
    EXPECT_NE(smart.Texture(), nullptr);
    sprite.Draw();
    ExpectPixels({{10, 10, 0x00FF00}});
    // A second release is harmless.
    Engine().EndScene();
    Engine().Release();
    Engine().Release();
    EXPECT_NE(EngineLog().find("Engine already released"), std::string::npos);
    ASSERT_TRUE(Engine().Init(GetSdlVideo().Window(), kWidth, kHeight, 32, false, false));
}

TEST_F(RendererTest, ScreenSizedQuadsOverTallTextures)
{
    // Big enough for the software renderer's triangle path to misbehave.
    WriteSolidImage(bitmaps + "/back.png", 256, 1024, 0xFF3060C0);
    SmartTexture back("back.png");
    Engine().DrawBackground(back, 1.0f, 0.75f);
    ExpectPixels({{0, 0, 0x3060C0}, {kWidth - 1, kHeight - 1, 0x3060C0}});

    WriteSolidImage(bitmaps + "/tall.png", 512, 1024, 0xFFFFFFFF);
    TLVertex corners[4];
    SetQuad(corners, -0.5f, -0.5f, kWidth - 0.5f, kHeight - 0.5f, 0xFFFF0000);
    corners[1].diffuse = 0xFF00FF00, corners[2].diffuse = 0xFF0000FF, corners[3].diffuse = 0xFFFFFFFF;
    Engine().SetTexture("tall.png");
    Engine().DrawQuad(corners);
    ExpectPixels({{0, 0, 0xFF0000}, {kWidth - 1, 0, 0x00FF00}, {0, kHeight - 1, 0x0000FF},
                  {kWidth - 1, kHeight - 1, 0xFFFFFF}},
                 8);
}

// Slanted quads are drawn in pieces (textured) or rows (plain), upright ones with
// differing corners in pieces: a pixel covered twice or missed where pieces meet
// would show up darker or lighter than its neighbours.
TEST_F(RendererTest, HalfTransparentQuadsShowNoSeams)
{
    WriteSolidImage(bitmaps + "/white.png", 16, 16, 0xFFFFFFFF);
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
    EXPECT_NEAR(static_cast<int>(frame.size()) - shades[0], 2 * 80 * 16, 2 * 80 * 16 / 25);

    for (bool textured : {false, true}) {
        Engine().FillRect(GRect{0, 0, kWidth, kHeight}, 0xFF000000);
        // Larger than the screen, so piece edges cross it both ways; nearly one
        // colour, but not quite, so it cannot be blitted whole.
        TLVertex corners[4];
        SetQuad(corners, -100.5f, -90.5f, kWidth + 99.5f, kHeight + 89.5f, 0x80FFFFFF);
        corners[1].diffuse = corners[3].diffuse = 0x80FEFEFE;
        Engine().SetTexture(textured ? Engine().GetTexture("white.png") : nullptr);
        Engine().DrawQuad(corners, !textured);
        Grab();
        int wrong = 0;
        for (uint32_t p : frame)
            wrong += Near(p, 0x808080, 2) ? 0 : 1;
        EXPECT_EQ(wrong, 0) << (textured ? "textured" : "plain");
    }
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
    EXPECT_EQ(g_ScreenWidth, static_cast<float>(kWidth));
    reinit("[config]\nIsWindowed=0\nSafeMode=1\n");
    EXPECT_TRUE(Engine().IsWindowed());
    EXPECT_FALSE(video.IsFullscreen());
    reinit("[config]\nIsWindowed=1\nForceFallback=1\n");
    EXPECT_TRUE(Engine().IsSoftware());
}

}  // namespace
