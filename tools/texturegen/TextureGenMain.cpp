// texturegen: paints every texture the game loads by a fixed name, and the
// policy and value icons listed in icons.csv, into data/bitmaps.
//   texturegen [repository root] [--icons icons.csv] [--only-icons] [--mockup out.png]
// --mockup only composes a sample screen from the files already generated.
#include <FreeImage.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "AppIconPainter.h"
#include "ArtWriter.h"
#include "BackgroundPainter.h"
#include "ControlIconPainter.h"
#include "GlyphPainter.h"
#include "IconPainter.h"
#include "IconTable.h"
#include "MissionArtPainter.h"
#include "MockupPainter.h"
#include "NetworkPainter.h"
#include "PanelPainter.h"
#include "PortraitPainter.h"

namespace {

const char* kIconFont = "/usr/share/fonts/truetype/font-awesome/fontawesome-webfont.ttf";

void PaintIconTable(ArtWriter& writer, const IconPainter& icons, const GlyphPainter& glyphs, const std::string& path)
{
    IconTable table;
    table.Load(path);
    for (const auto& error : table.Errors()) writer.Fail(error);
    for (const auto& entry : table.Entries()) {
        Canvas icon(64, 64);
        const Colour symbol = Colour::Hex(0xF7F9FC);
        bool painted = glyphs.HasGlyph(entry.glyph) &&
                       (entry.bare ? icons.PaintBare(icon, entry.glyph, symbol)
                                   : icons.Paint(icon, entry.glyph, Colour::Hex(entry.colour), symbol));
        if (!painted) {
            char code[16];
            std::snprintf(code, sizeof code, "%x", unsigned(entry.glyph));
            writer.Fail(path + ":" + std::to_string(entry.line) + ": the icon font has no symbol " + code);
            continue;
        }
        writer.Save(icon, entry.file);
    }
}

}  // namespace

int main(int argc, char** argv)
{
    std::filesystem::path root = ".";
    std::string iconTable;
    bool onlyIcons = false;
    std::string mockup;
    for (int i = 1; i < argc; ++i) {
        std::string arg = argv[i];
        if (arg == "--icons" && i + 1 < argc)
            iconTable = argv[++i];
        else if (arg == "--mockup" && i + 1 < argc)
            mockup = argv[++i];
        else if (arg == "--only-icons")
            onlyIcons = true;
        else
            root = arg;
    }
    if (iconTable.empty()) iconTable = (root / "tools" / "texturegen" / "icons.csv").string();

    FreeImage_Initialise(FALSE);
    if (!mockup.empty()) {
        bool ok = MockupPainter(root.string()).Paint(mockup);
        FreeImage_DeInitialise();
        return ok ? 0 : 1;
    }
    ArtWriter writer((root / "data" / "bitmaps").string());
    GlyphPainter glyphs(kIconFont);
    if (!glyphs.Ok()) {
        std::fprintf(stderr, "texturegen: cannot open the icon font %s (apt-get install fonts-font-awesome)\n",
                     kIconFont);
        return 1;
    }
    IconPainter icons(glyphs);

    if (!onlyIcons) {
        PanelPainter(writer).PaintAll();
        NetworkPainter(writer).PaintAll();
        ControlIconPainter(writer, icons).PaintAll();
        BackgroundPainter(writer).PaintAll();
        PortraitPainter(writer).PaintAll();
        MissionArtPainter(writer).PaintAll();
        AppIconPainter(writer).PaintAll();
    }
    PaintIconTable(writer, icons, glyphs, iconTable);
    FreeImage_DeInitialise();

    std::printf("texturegen: %zu files written, %d failures\n", writer.Written().size(), writer.Failures());
    return writer.Failures() == 0 ? 0 : 1;
}
