// rulecraft-sim: plays a game without a window and prints how the country
// fares turn by turn. See SimArguments.h for the command line.
#include <unistd.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

#include "ActionScript.h"
#include "SimArguments.h"
#include "engine/DebugLog.h"
#include "engine/Diagnostics.h"
#include "gamedata/CFinances.h"
#include "gamedata/MissionList.h"
#include "gamedata/SIM_Dilemma.h"
#include "gamedata/SIM_DilemmaManager.h"
#include "gamedata/SIM_Event.h"
#include "gamedata/Options.h"
#include "gamedata/SIM_Mission.h"
#include "gamedata/SaveGames.h"
#include "gamedata/SetupSection.h"
#include "gamedata/UserFolders.h"
#include "platform/Clock.h"
#include "platform/NumberText.h"
#include "platform/GameFolder.h"
#include "platform/PlatformFiles.h"
#include "politics/CynicismTracker.h"
#include "politics/ElectionManager.h"
#include "politics/SIM_AttackEvent.h"
#include "politics/SIM_Manifesto.h"
#include "politics/SIM_Minister.h"
#include "sim/Calendar.h"
#include "sim/NeuralEffect.h"
#include "sim/Neuron.h"
#include "sim/OpinionPoll.h"
#include "sim/Presentation.h"
#include "sim/SIM_PolicyGroup.h"
#include "sim/SimRandom.h"
#include "sim/SimulationState.h"
#include "sim/TurnProcessor.h"

namespace {

constexpr int kExitBadArguments = 2;
constexpr int kExitSaveRefused = 4;
constexpr const char* kCynicism = "Cynicism";

std::string gTemporaryUserFolder;

void RemoveTemporaryUserFolder()
{
    if (gTemporaryUserFolder.empty())
        return;
    std::error_code ec;
    std::filesystem::remove_all(gTemporaryUserFolder, ec);
    gTemporaryUserFolder.clear();
}

int BadArguments(const std::string& message)
{
    std::cerr << "rulecraft-sim: " << message << "\n";
    RemoveTemporaryUserFolder();
    return kExitBadArguments;
}

bool HasData(const std::string& folder) { return GameFolder::HasData(folder); }

// The folder that holds data/: beside the runner or where it was installed,
// else the source tree when the runner was started from the build tree.
std::string DefaultGameFolder()
{
    const std::string folder = GameFolder::ForProgram(GameFolder::ProgramPath());
    if (!folder.empty())
        return folder;
#ifdef RULECRAFT_SOURCE_DIR
    return RULECRAFT_SOURCE_DIR;
#else
    return ".";
#endif
}

// A relative path given on the command line is meant from where the runner was started.
std::string FromStartFolder(const SimArguments& args, const std::string& path)
{
    if (path.empty() || path[0] == '/')
        return path;
    return (std::filesystem::path(args.startFolder) / path).string();
}

std::string MakeTemporaryFolder()
{
    std::string pattern = (std::filesystem::temp_directory_path() / "rulecraft-sim-XXXXXX").string();
    std::vector<char> buffer(pattern.begin(), pattern.end());
    buffer.push_back('\0');
    if (!mkdtemp(buffer.data()))
        return "";
    return buffer.data();
}

std::string StemOf(const std::string& path)
{
    std::string name = PlatformFiles::FileNameOf(path);
    size_t dot = name.rfind('.');
    return dot == std::string::npos ? name : name.substr(0, dot);
}

std::string Fixed(double value) { return NumberText::FormatFixed(value, 6); }

std::string JsonString(const std::string& text)
{
    std::string out = "\"";
    for (unsigned char c : text) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += static_cast<char>(c);
        } else if (c < 0x20) {
            static const char* hex = "0123456789abcdef";
            out += "\\u00";
            out += hex[c >> 4];
            out += hex[c & 15];
        } else {
            out += static_cast<char>(c);
        }
    }
    return out + "\"";
}

// One line of figures: the state of the game now.
class TurnReport {
public:
    TurnReport(const SimArguments& args, std::vector<Neuron*> watched) : mArgs(args), mWatched(std::move(watched)) {}

    void Header() const
    {
        if (mArgs.quiet || mArgs.format == SimArguments::FORMAT_JSON)
            return;
        std::string line = "turn,year,month,approval,vote_share,debt,gdp";
        for (const std::string& name : mArgs.watched)
            line += "," + name;
        std::cout << line << "\n";
    }

    void Line() const
    {
        if (mArgs.quiet)
            return;
        Neuron* gdp = Neuron::FindNeuronQuietly("GDP");
        struct Column {
            std::string name;
            std::string value;  // "" when there is none
            bool number;
        };
        std::vector<Column> columns = {
            {"turn", NumberText::FormatInt(SimulationState::Get().TurnNumber()), true},
            {"year", NumberText::FormatInt(Calendar::Get().Year()), true},
            {"month", NumberText::FormatInt(Calendar::Get().Month()), true},
            {"approval", Fixed(OpinionPoll::Get().Approval()), true},
            {"vote_share", Fixed(OpinionPoll::Get().VoteShare()), true},
            {"debt", Fixed(CFinances::Get().NationalDebt()), true},
            {"gdp", gdp ? Fixed(gdp->GetValue()) : "", true},
        };
        for (size_t i = 0; i < mWatched.size(); ++i)
            columns.push_back({mArgs.watched[i],
                               Fixed(mWatched[i] ? mWatched[i]->GetValue() : CynicismTracker::Get().GetValue()), true});

        std::string line;
        if (mArgs.format == SimArguments::FORMAT_JSON) {
            line = "{";
            for (size_t i = 0; i < columns.size(); ++i) {
                if (i)
                    line += ",";
                line += JsonString(columns[i].name) + ":" + (columns[i].value.empty() ? "null" : columns[i].value);
            }
            line += "}";
        } else {
            for (size_t i = 0; i < columns.size(); ++i)
                line += (i ? "," : "") + columns[i].value;
        }
        std::cout << line << "\n";
    }

private:
    const SimArguments& mArgs;
    std::vector<Neuron*> mWatched;
};

void ReportElection(const ElectionResult& result)
{
    std::cout.flush();
    std::cerr << "election " << result.year << "-" << result.month << ": player " << result.playerVotes
              << " opposition " << result.oppositionVotes << " abstained " << result.abstentions << " share "
              << NumberText::FormatFixed(result.share, 4) << " " << (result.won ? "won" : "lost") << "\n";
    std::cerr.flush();
}

// The headless screens, which tell stderr of each happening, dated like the
// election line.
class RunnerPresentation : public Presentation {
public:
    RunnerPresentation() { Install(this); }
    ~RunnerPresentation() override { Install(nullptr); }
    RunnerPresentation(const RunnerPresentation&) = delete;
    RunnerPresentation& operator=(const RunnerPresentation&) = delete;

    void NoticeDilemma(SIM_Dilemma& dilemma) override { Say("dilemma", dilemma.GetName()); }
    void NoticeEvent(SIM_Event& event) override { Say("event", event.GetName()); }
    void NoticeAttack(const SIM_AttackEvent& attack, bool succeeded) override
    {
        Say("attack", attack.UsedBy + " " + attack.Name + (succeeded ? " succeeded" : " failed"));
    }
    void NoticePledge(const std::string& name, bool kept) override { Say("pledge", name + (kept ? " kept" : " broken")); }
    void ShowAchievement(const std::string& id, const std::string& /*title*/) override { Say("achievement", id); }
    void NoticeMinister(const SIM_Minister& minister, const SIM_PolicyGroup& ministry, MinisterChange change) override
    {
        static const char* const kChanges[] = {"appointed", "resigned", "fired"};
        Say("minister", ministry.Name() + " " + minister.Forename() + " " + minister.Surname() + " " + kChanges[change]);
    }

private:
    static void Say(const char* what, const std::string& text)
    {
        std::cout.flush();
        std::cerr << what << " " << Calendar::Get().Year() << "-" << Calendar::Get().Month() << ": " << text << "\n";
        std::cerr.flush();
    }
};

// The player never leaves a dilemma unanswered: what no action answered gets option 1.
void AnswerPendingDilemmas()
{
    for (SIM_Dilemma* dilemma : SIM_DilemmaManager::Get().Pending())
        dilemma->Choose(0);
}

// The mission chooser's work: pick, load, and take its term length; then a new game.
int NewGame(const SimArguments& args, const std::string& game)
{
    std::vector<MissionChoice> missions = MissionList::List(UserFolders::Get().UserFolder());
    if (missions.empty())
        return BadArguments("no missions in " + game + "/data/missions");
    const MissionChoice* chosen = &missions[0];
    if (!args.missionName.empty()) {
        chosen = nullptr;
        for (const MissionChoice& mission : missions)
            if (StemOf(mission.path) == args.missionName)
                chosen = &mission;
        if (!chosen) {
            std::string known;
            for (const MissionChoice& mission : missions)
                known += " " + StemOf(mission.path);
            return BadArguments("unknown mission " + args.missionName + " (missions:" + known + ")");
        }
    }
    SIM_Mission& mission = SIM_Mission::Get();
    mission.Clear();
    mission.SetFile(chosen->path);
    mission.Load();
    ElectionManager::SetTermLengthYears(mission.TermLength());

    SimRandom::Seed(args.seeded ? args.seed : Clock::System().Milliseconds());
    SetUpGame(StemOf(chosen->path));
    return 0;
}

int Run(const SimArguments& args)
{
    if (!args.logFile.empty()) {
        std::string log = FromStartFolder(args, args.logFile);
        DebugLog::Open(log);
        if (!DebugLog::IsOpen())
            return BadArguments("cannot write the log file " + log);
    }
    RunnerPresentation screens;
    // Game folder: everything in data/ is opened relative to it.
    std::string game = args.gameFolder.empty() ? DefaultGameFolder() : args.gameFolder;
    if (!HasData(game))
        return BadArguments("no data folder in " + game);
    if (chdir(game.c_str()) != 0)
        return BadArguments("cannot enter the game folder " + game);

    ActionScript actions;
    std::string error;
    if (!args.actionsFile.empty()) {
        // Errors name the file as it was given, so they read the same on every machine.
        std::string path = FromStartFolder(args, args.actionsFile);
        if (!actions.Load(path, error, args.actionsFile))
            return BadArguments(error);
    }

    std::string user = args.userFolder;
    if (user.empty()) {
        user = gTemporaryUserFolder = MakeTemporaryFolder();
        if (user.empty())
            return BadArguments("cannot make a temporary user folder");
    } else {
        user = FromStartFolder(args, user);
        // A new player folder is made, as the game makes its own on first start.
        std::error_code ec;
        std::filesystem::create_directories(user, ec);
        if (!PlatformFiles::IsDirectory(user))
            return BadArguments("cannot make the user folder " + user);
    }
    UserFolders::Get().SetBaseFolder(user);
    UserFolders::Get().Create();
    SetupSection::Load();
    Options::Get().Load();
    // The runner saves where its actions say: an autosave every turn would
    // cost many times the turn itself.
    Options::Get().SetFloat("AUTOSAVE", 0.0f);
    SIM_Manifesto::Get().LoadPledgeTypes();
    SetRunning(true);

    int skipActionsOfTurn = -1;
    if (!args.loadName.empty()) {
        SaveResult loaded = SaveGames::Load(args.loadName);
        if (!loaded.ok) {
            std::cerr << "rulecraft-sim: " << loaded.message << "\n";
            RemoveTemporaryUserFolder();
            return kExitSaveRefused;
        }
        skipActionsOfTurn = SimulationState::Get().TurnNumber() + 1;
    } else if (int status = NewGame(args, game); status != 0) {
        return status;
    }

    std::vector<Neuron*> watched;
    for (const std::string& name : args.watched) {
        Neuron* neuron = Neuron::FindNeuronQuietly(name);
        // The cynicism is no neuron: it stands in the list as none.
        if (!neuron && name != kCynicism)
            return BadArguments("--watch names no neuron: " + name);
        watched.push_back(neuron);
    }
    if (!actions.CheckNames(error))
        return BadArguments(error);

    TurnReport report(args, watched);
    report.Header();
    report.Line();
    int electionsHeld = ElectionManager::Get().ElectionsHeld();
    for (int i = 0; i < args.turns && !SimulationState::Get().IsGameOver(); ++i) {
        if (SimulationState::Get().TurnNumber() + 1 != skipActionsOfTurn)
            actions.ApplyTurn(SimulationState::Get().TurnNumber() + 1);
        AnswerPendingDilemmas();
        NextTurn();
        report.Line();
        if (ElectionManager::Get().ElectionsHeld() != electionsHeld) {
            electionsHeld = ElectionManager::Get().ElectionsHeld();
            ReportElection(ElectionManager::Get().LastResult());
        }
    }
    std::cout.flush();
    RemoveTemporaryUserFolder();
    return 0;
}

}  // namespace

int main(int argc, char** argv)
{
    Diagnostics::SetFatalHandler([](const std::string&, const std::string&) {
        // The message is already on stderr. The game is half loaded: leave at
        // once, without running the exit handlers over it.
        std::cout.flush();
        std::cerr.flush();
        DebugLog::Close();
        RemoveTemporaryUserFolder();
        _exit(Diagnostics::kFatalExitCode);
    });

    std::vector<std::string> list(argv + 1, argv + argc);
    SimArguments args;
    std::string error;
    if (!SimArguments::Parse(list, args, error)) {
        std::cerr << "rulecraft-sim: " << error << "\n" << SimArguments::Usage();
        return kExitBadArguments;
    }
    if (args.help) {
        std::cout << SimArguments::Usage();
        return 0;
    }
    std::error_code ec;
    args.startFolder = std::filesystem::current_path(ec).string();
    int status = Run(args);
    TurnProcessor::Get().ReleaseGame();
    DebugLog::Close();
    return status;
}
