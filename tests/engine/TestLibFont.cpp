#include "TestFontFixture.h"

using namespace rendertest;

namespace {

class LibFontTest : public TextTest {};

TEST_F(LibFontTest, MissingShortOrCorruptMetricsNeverLeaveWidthsUnset)
{
    // No metrics file: measured from the texture's alpha (last lit column).
    LibFont* measured = Fonts().LoadFont(dir.Path() + "/none.dat", "testfont.png", kCell, kCell);
    EXPECT_EQ(measured->widths[32], TestWidth(32) - 1);
    // Short file: what is there is used, the rest gets the default.
    WriteMetrics(dir.Path() + "/short.dat", 10);
    LibFont* shortFont = Fonts().LoadFont(dir.Path() + "/short.dat", "testfont.png", kCell, kCell);
    EXPECT_EQ(shortFont->widths[3], TestWidth(3));
    EXPECT_EQ(shortFont->widths[50], shortFont->DefaultWidth());
    // Neither metrics nor texture: defaults everywhere.
    LibFont* nothing = Fonts().LoadFont(dir.Path() + "/none.dat", "nofont.png", 16, 24);
    for (int w : nothing->widths)
        EXPECT_EQ(w, 8);
    // Corrupt values stay within the cell.
    WriteText(dir.Path() + "/corrupt.dat", std::string(400, '\xFF'));
    EXPECT_EQ(Fonts().LoadFont(dir.Path() + "/corrupt.dat", "testfont.png", kCell, kCell)->widths[0], 0);
}

}  // namespace
