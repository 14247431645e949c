#include "gamedata/SaveGames.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <filesystem>

#include "engine/Diagnostics.h"
#include "gamedata/NamePool.h"
#include "gamedata/SaveFileTree.h"
#include "gamedata/SaveFileWriter.h"
#include "gamedata/SaveGameName.h"
#include "gamedata/SaveGameParser.h"
#include "gamedata/SaveGameRestorer.h"
#include "gamedata/SaveGameWriter.h"
#include "gamedata/SaveSectionReader.h"
#include "gamedata/SavedGame.h"
#include "gamedata/UserFolders.h"
#include "platform/AtomicFileWriter.h"
#include "platform/MappedFile.h"
#include "platform/PlatformFiles.h"
#include "sim/Neuron.h"
#include "sim/Presentation.h"
#include "sim/SimulationState.h"
#include "sim/TurnProcessor.h"

namespace {

constexpr const char* kExtension = ".xml";
// The running game while a save is loaded; no save file, as it lacks the extension.
constexpr const char* kRunningCopy = ".running-game";

SaveResult Failed(const std::string& message) { return SaveResult{false, message}; }

std::string Located(const std::string& shownAs, const SaveError& error)
{
    return shownAs + (error.line > 0 ? ":" + std::to_string(error.line) : "") + ": " + error.what;
}

// Reads and checks; the file's own problems only.
bool ReadSave(std::string_view text, const std::string& shownAs, SavedGame& game, std::string& message)
{
    SaveFileTree tree;
    SaveGameParser::KeepRawSections(tree);
    std::string error;
    if (!tree.ParseView(text, error)) {
        message = shownAs + ":" + error.substr(5);  // "line N: ..." -> "N: ..."
        return false;
    }
    NamePool names;
    names.LoadNames();
    SaveGameParser::NamePoolSizes sizes{names.MaleForenames().size(), names.FemaleForenames().size(),
                                        names.Surnames().size()};
    try {
        SaveGameParser::Read(tree, sizes, game);
    } catch (const SaveError& problem) {
        message = Located(shownAs, problem);
        return false;
    }
    return true;
}

}  // namespace

std::string SaveGames::PathOf(const std::string& name)
{
    return UserFolders::Get().SaveGameFolder() + "/" + name + kExtension;
}

bool SaveGames::GameRunning() { return Neuron::Count() > 0 && SimulationState::Get().TurnNumber() > 0; }

SaveResult SaveGames::Save(const std::string& name)
{
    std::string problem = SaveGameName::Problem(name);
    if (!problem.empty())
        return Failed(problem);
    if (!GameRunning())
        return Failed("There is no game to save.");
    Presentation& screens = Presentation::Current();
    screens.ShowProcessingScreen(TurnProcessor::kLoadScreenPicture);
    // No frame of its own: a save takes a few frames' time at most.
    screens.ShowProgressText(kSavingText);
    AtomicFileWriter file(PathOf(name));
    SaveFileWriter out(&file);
    if (file.Ok())
        SaveGameWriter::Write(SaveGameWriter::DateNow(), out);
    bool written = out.Finish() && file.Commit();
    screens.SetFinished(true);
    if (!written) {
        TRACE_MESSAGE("Saving " + name + " failed: " + file.Error());
        return Failed("The game could not be saved: " + file.Error());
    }
    return SaveResult{true, ""};
}

std::vector<SaveListing> SaveGames::List()
{
    std::vector<SaveListing> saves;
    std::error_code ec;
    const std::filesystem::path folder(UserFolders::Get().SaveGameFolder());
    for (std::filesystem::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        const std::filesystem::path& path = it->path();
        if (path.extension() != kExtension || !it->is_regular_file(ec))
            continue;
        SaveListing entry;
        entry.name = path.stem().string();
        auto written = std::filesystem::last_write_time(path, ec);
        if (!ec)
            entry.modified = std::chrono::duration_cast<std::chrono::seconds>(
                                 std::chrono::file_clock::to_sys(written).time_since_epoch())
                                 .count();
        // Readable: it opens and begins like a save.
        if (std::FILE* file = std::fopen(path.c_str(), "rb")) {
            char start[6] = {};
            entry.readable = std::fread(start, 1, 5, file) == 5 && std::string(start) == "<xml>";
            std::fclose(file);
        }
        saves.push_back(entry);
    }
    std::stable_sort(saves.begin(), saves.end(), [](const SaveListing& a, const SaveListing& b) {
        return a.modified != b.modified ? a.modified > b.modified : a.name < b.name;
    });
    return saves;
}

SaveResult SaveGames::Delete(const std::string& name)
{
    std::string problem = SaveGameName::Problem(name);
    if (!problem.empty())
        return Failed(problem);
    std::error_code ec;
    if (!std::filesystem::remove(PathOf(name), ec))
        return Failed("The save \"" + name + "\" could not be deleted" + (ec ? ": " + ec.message() : "."));
    return SaveResult{true, ""};
}

SaveResult SaveGames::Load(const std::string& name)
{
    std::string problem = SaveGameName::Problem(name);
    if (!problem.empty())
        return Failed(problem);
    MappedFile file(PathOf(name));
    if (!file.Ok())
        return Failed("The save \"" + name + "\" cannot be read.");
    return LoadView(file.Text(), PathOf(name));
}

SaveResult SaveGames::LoadText(const std::string& text, const std::string& shownAs)
{
    return LoadView(text, shownAs);
}

SaveResult SaveGames::LoadView(std::string_view text, const std::string& shownAs)
{
    SavedGame game;
    std::string message;
    if (!ReadSave(text, shownAs, game, message))
        return Failed(message);

    // Names are checked against the data as the game is rebuilt; should one
    // be missing, the running game comes back from this copy. It goes to a
    // file: a large game written in memory would take as much fresh memory.
    const std::string running = UserFolders::Get().SaveGameFolder() + "/" + kRunningCopy;
    bool copied = false;
    if (GameRunning()) {
        AtomicFileWriter file(running, AtomicFileWriter::NO_SYNC);
        SaveFileWriter out(&file);
        if (file.Ok())
            SaveGameWriter::Write(SaveGameWriter::DateNow(), out);
        copied = out.Finish() && file.Commit();
    }
    try {
        SaveGameRestorer::Apply(game);
        std::remove(running.c_str());
        return SaveResult{true, ""};
    } catch (const SaveError& problem) {
        message = Located(shownAs, problem);
    }
    bool restored = false;
    if (copied) {
        MappedFile copy(running);
        SavedGame previous;
        std::string ignored;
        if (copy.Ok() && ReadSave(copy.Text(), "the running game", previous, ignored)) {
            try {
                SaveGameRestorer::Apply(previous);
                restored = true;
            } catch (const SaveError& problem) {
                TRACE_MESSAGE("The running game could not be put back: " + problem.what);
            }
        }
    }
    std::remove(running.c_str());
    if (!restored)
        TurnProcessor::Get().ReleaseGame();
    return Failed(message);
}

std::string SaveGames::StampText(int64_t modified)
{
    std::time_t when = static_cast<std::time_t>(modified);
    std::tm local{};
    localtime_r(&when, &local);
    char text[64];
    std::snprintf(text, sizeof text, "(%02d:%02d %02d/%02d/%02d)", local.tm_hour, local.tm_min, local.tm_mon + 1,
                  local.tm_mday, local.tm_year + 1900);
    return text;
}
