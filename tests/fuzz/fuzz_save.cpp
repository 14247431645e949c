// Reads arbitrary bytes as a save file: the tree, then every section's
// checks. Whatever is wrong must come back as a SaveError with a line inside
// the file, never as a crash. Text values must unescape what escaping made.
#include <cstddef>
#include <cstdint>
#include <algorithm>
#include <cstdlib>
#include <string>

#include "gamedata/SaveFileTree.h"
#include "gamedata/SaveFileWriter.h"
#include "gamedata/SaveGameParser.h"
#include "gamedata/SaveSectionReader.h"
#include "gamedata/SavedGame.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::string text(reinterpret_cast<const char*>(data), size);

    std::string unescaped;
    if (!SaveFileWriter::Unescape(SaveFileWriter::Escape(text), unescaped) || unescaped != text)
        std::abort();

    SaveFileTree tree;
    SaveGameParser::KeepRawSections(tree);
    std::string error;
    if (!tree.Parse(text, error))
        return 0;
    const int lines = static_cast<int>(std::count(text.begin(), text.end(), '\n')) + 1;
    SavedGame game;
    try {
        SaveGameParser::Read(tree, SaveGameParser::NamePoolSizes{40, 40, 80}, game);
    } catch (const SaveError& problem) {
        if (problem.line < 0 || problem.line > lines || problem.what.empty())
            std::abort();
    }
    return 0;
}
