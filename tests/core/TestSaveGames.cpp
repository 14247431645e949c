// Save games: the name rules, round trips, refused files that leave the
// running game alone, failed writes that keep the old save, the list.
#include <signal.h>
#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "WholeGameTest.h"
#include "gamedata/SaveGameName.h"
#include "gamedata/SaveGameWriter.h"
#include "gamedata/SaveGames.h"
#include "politics/SIM_Party.h"
#include "politics/SIM_Voter.h"
#include "politics/SIM_VoterManager.h"
#include "politics/SIM_VoterType.h"

namespace {

std::string Replaced(std::string text, const std::string& from, const std::string& to)
{
    size_t at = text.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    if (at != std::string::npos)
        text.replace(at, from.size(), to);
    return text;
}

std::vector<std::string> Split(const std::string& text, char separator)
{
    std::vector<std::string> parts(1);
    for (char c : text) {
        if (c == separator)
            parts.emplace_back();
        else
            parts.back() += c;
    }
    return parts;
}

std::string Joined(const std::vector<std::string>& parts, char separator)
{
    std::string text;
    for (size_t i = 0; i < parts.size(); ++i)
        text += (i ? std::string(1, separator) : "") + parts[i];
    return text;
}

// The first voter line's text between <v> and </v>.
std::string FirstVoter(const std::string& text, size_t* at = nullptr)
{
    size_t start = text.find("\n<v>", text.find("<voters>")) + 4;
    if (at)
        *at = start;
    return text.substr(start, text.find("</v>", start) - start);
}

// The file with one entry of the first voter line replaced: a voter line is
// four parts parted by ';', each of entries parted by ','.
std::string VoterEdited(const std::string& text, size_t part, size_t entry, const std::string& to)
{
    size_t at = 0;
    const std::string line = FirstVoter(text, &at);
    std::vector<std::string> parts = Split(line, ';');
    std::vector<std::string> entries = Split(parts.at(part), ',');
    entries.resize(std::max(entries.size(), entry + 1));
    entries[entry] = to;
    parts[part] = Joined(entries, ',');
    return text.substr(0, at) + Joined(parts, ';') + text.substr(at + line.size());
}

std::string ReadSave(const std::string& name)
{
    std::string text;
    PlatformFiles::ReadFile(SaveGames::PathOf(name), text);
    return text;
}

// The file without its date line.
std::string Undated(const std::string& text)
{
    size_t start = text.find("<date>");
    size_t end = text.find('\n', start);
    return start == std::string::npos ? text : text.substr(0, start) + text.substr(end);
}

}  // namespace

TEST(SaveGameName, Rules)
{
    const struct {
        std::string name;
        bool allowed;
    } cases[] = {
        {"", false},           {".", false},          {"..", false},           {"....", false},
        {"a/b", false},        {"a\\b", false},       {"tab\there", false},    {"bell\x07", false},
        {"del\x7f", false},    {"new\nline", false},  {std::string(129, 'x'), false},
        {std::string(128, 'x'), true}, {"autosave", true}, {"..x", true}, {"My save (2) & <more>", true},
    };
    for (const auto& c : cases)
        EXPECT_EQ(SaveGameName::Problem(c.name).empty(), c.allowed) << "\"" << c.name << "\"";
}

class SaveGameTest : public WholeGameTest {
protected:
    void Play(int turns)
    {
        for (int i = 0; i < turns; ++i)
            NextTurn();
    }
};

TEST_F(SaveGameTest, SavingLoadingAndSavingAgainGivesTheSameFile)
{
    StartGame(11);
    Play(4);
    ASSERT_TRUE(SaveGames::Save("first").ok);
    ASSERT_TRUE(SaveGames::Load("first").ok);
    ASSERT_TRUE(SaveGames::Save("second").ok);
    std::string first = ReadSave("first");
    EXPECT_NE(first.find("<voters>"), std::string::npos);
    EXPECT_EQ(Undated(first), Undated(ReadSave("second")));
}

TEST_F(SaveGameTest, PlayerTypedNamesSurviveARoundTrip)
{
    const std::string player = "Bread & <Roses>", opposition = "A>B &amp; C";
    SIM_Mission::Get().SetPlayerPartyName(player);
    SIM_Mission::Get().SetOppositionPartyName(opposition);
    SIM_Mission& mission = SIM_Mission::Get();
    mission.Clear();
    mission.SetFile(MissionList::List("").at(0).path);
    mission.Load();
    mission.SetPlayerPartyName(player);
    mission.SetOppositionPartyName(opposition);
    SimRandom::Seed(2);
    SetUpGame("test");
    ASSERT_TRUE(SaveGames::Save("names").ok);
    SIM_Party::GetPlayersParty()->SetName("changed");
    ASSERT_TRUE(SaveGames::Load("names").ok);
    EXPECT_EQ(SIM_Party::GetPlayersParty()->Name(), player);
    EXPECT_EQ(SIM_Party::GetOppositionParty()->Name(), opposition);
}

TEST_F(SaveGameTest, BadFilesAreRefusedWithTheLineAndTheGameGoesOn)
{
    StartGame(4);
    Play(2);
    const std::string good = SaveGameWriter::Write("today");
    const struct {
        const char* what;
        std::string text;
        const char* says;
    } cases[] = {
        {"cut at a line", good.substr(0, good.find('\n', good.size() / 2) + 1), "ends inside"},
        {"cut in a line", good.substr(0, good.find("<policies>") + 5), "not a tag line"},
        {"cut among the voters", good.substr(0, good.find("\n<v>") + 6), "ends inside <voters>"},
        {"no frame", good.substr(6), "does not start with <xml>"},
        {"unknown policy", Replaced(good, "<name>IncomeTax</name>", "<name>Poll Tax</name>"), "no policy \"Poll Tax\""},
        {"short history", Replaced(good, "<history>", "<history>0.5,"), "entries, not 33"},
        {"not finite", VoterEdited(good, 0, 3, "7fc00000"), "OppSymp \"7fc00000\" is not the bits of a finite number"},
        {"not hexadecimal", VoterEdited(good, 0, 4, "0.5"), "PlaySymp \"0.5\" is not the bits"},
        {"name index", VoterEdited(good, 0, 1, "99999"), "outside the name pool"},
        {"enumeration", VoterEdited(good, 0, 6, "3"), "LastVote \"3\" is not a whole number 0..2"},
        {"fields", Replaced(good, "<fields>ForeID", "<fields>ForeName"), "fields are not"},
        {"not a voter line", Replaced(good, "\n<v>", "\n<w>"), "not a voter line"},
        {"unbalanced", Replaced(good, "</policies>\n", ""), "closes <policies>"},
        {"unknown ministry", Replaced(good, "<currentjob>ECONOMY", "<currentjob>MAGIC"), "no ministry \"MAGIC\""},
        {"unknown group", Replaced(good, "<votertype>\n<name>Poor</name>", "<votertype>\n<name>Pirates</name>"),
         "no voter group \"Pirates\""},
        {"newer format", Replaced(good, "rulecraft-save 2", "rulecraft-save 3"), "newer version"},
        {"older format", Replaced(good, "rulecraft-save 2", "rulecraft-save 1"), "older version"},
        {"bad entity", Replaced(good, "<playername>", "<playername>&bogus;"), "entity"},
    };
    for (const auto& c : cases) {
        SaveResult result = SaveGames::LoadText(c.text, "edited.xml");
        EXPECT_FALSE(result.ok) << c.what;
        EXPECT_NE(result.message.find(c.says), std::string::npos) << c.what << ": " << result.message;
        EXPECT_TRUE(std::regex_search(result.message, std::regex("^edited\\.xml:[0-9]+: "))) << result.message;
        EXPECT_EQ(SaveGameWriter::Write("today"), good) << c.what << " changed the running game";
    }
    NextTurn();
    EXPECT_EQ(SimulationState::Get().TurnNumber(), 5);
}

TEST_F(SaveGameTest, FlippedBitsNeverCrashAndARefusalKeepsTheGame)
{
    StartGame(9);
    const std::string good = SaveGameWriter::Write("today");
    for (size_t i = 0; i < 60; ++i) {
        std::string text = good;
        size_t at = (i * 2654435761u) % text.size();
        text[at] = static_cast<char>(text[at] ^ (1 << (i % 8)));
        if (!SaveGames::LoadText(text, "flipped.xml").ok)
            ASSERT_EQ(SaveGameWriter::Write("today"), good) << "flip at " << at;
        else
            ASSERT_TRUE(SaveGames::LoadText(good, "good.xml").ok);
    }
}

TEST_F(SaveGameTest, AFullFolderKeepsTheOldSave)
{
    StartGame(3);
    ASSERT_TRUE(SaveGames::Save("keep").ok);
    const std::string old = ReadSave("keep");
    NextTurn();
    // A file size limit fails the write as a full disk would, for root too.
    rlimit saved{};
    getrlimit(RLIMIT_FSIZE, &saved);
    rlimit small = saved;
    small.rlim_cur = 4096;
    auto oldHandler = signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    SaveResult result = SaveGames::Save("keep");
    setrlimit(RLIMIT_FSIZE, &saved);
    signal(SIGXFSZ, oldHandler);
    EXPECT_FALSE(result.ok);
    EXPECT_FALSE(result.message.empty());
    EXPECT_EQ(ReadSave("keep"), old);
    for (const auto& entry : std::filesystem::directory_iterator(UserFolders::Get().SaveGameFolder()))
        EXPECT_EQ(entry.path().filename().string().find(".tmp"), std::string::npos) << "left behind: " << entry.path();
}

TEST_F(SaveGameTest, AnUnwritableFolderFailsTheSaveAndTheGameGoesOn)
{
    StartGame(3);
    ASSERT_TRUE(SaveGames::Save("keep").ok);
    const std::string old = ReadSave("keep");
    const std::string folder = UserFolders::Get().SaveGameFolder();
    if (geteuid() != 0) {
        // Read-only: as root this proves nothing, root writes anyway.
        std::filesystem::permissions(folder, std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
        EXPECT_FALSE(SaveGames::Save("keep").ok);
        std::filesystem::permissions(folder, std::filesystem::perms::owner_all);
        EXPECT_EQ(ReadSave("keep"), old);
    }
    // The folder replaced by a file: no temporary file can be made there.
    std::filesystem::rename(folder, folder + ".away");
    WriteText(folder, "not a folder");
    SaveResult result = SaveGames::Save("keep");
    EXPECT_FALSE(result.ok);
    EXPECT_NE(result.message.find("could not be saved"), std::string::npos);
    std::filesystem::remove(folder);
    std::filesystem::rename(folder + ".away", folder);
    EXPECT_EQ(ReadSave("keep"), old);
    NextTurn();
    EXPECT_EQ(SimulationState::Get().TurnNumber(), 3);
}

TEST_F(SaveGameTest, ListIsNewestFirstWithUnreadableFilesMarked)
{
    StartGame(3);
    ASSERT_TRUE(SaveGames::Save("older").ok);
    ASSERT_TRUE(SaveGames::Save("newer").ok);
    const std::string folder = UserFolders::Get().SaveGameFolder();
    WriteText(folder + "/broken.xml", "garbage");
    WriteText(folder + "/notes.txt", "not a save");
    auto now = std::filesystem::file_time_type::clock::now();
    std::filesystem::last_write_time(folder + "/older.xml", now - std::chrono::hours(48));
    std::filesystem::last_write_time(folder + "/broken.xml", now - std::chrono::hours(24));
    std::filesystem::last_write_time(folder + "/newer.xml", now);

    std::vector<SaveListing> saves = SaveGames::List();
    ASSERT_EQ(saves.size(), 3u);
    EXPECT_EQ(saves[0].name, "newer");
    EXPECT_EQ(saves[1].name, "broken");
    EXPECT_EQ(saves[2].name, "older");
    EXPECT_TRUE(saves[0].readable);
    EXPECT_FALSE(saves[1].readable);
    EXPECT_FALSE(SaveGames::Load("broken").ok);

    EXPECT_TRUE(SaveGames::Delete("older").ok);
    EXPECT_FALSE(SaveGames::Delete("older").ok);
    EXPECT_FALSE(SaveGames::Delete("../older").ok);
    EXPECT_EQ(SaveGames::List().size(), 2u);
}

TEST_F(SaveGameTest, AutosaveFollowsTheOptionAndSkipsTheWarmUp)
{
    Options::Get().SetFloat("AUTOSAVE", 1.0f);
    StartGame(3);
    EXPECT_TRUE(SaveGames::List().empty()) << "the warm-up turns saved";
    NextTurn();
    ASSERT_EQ(SaveGames::List().size(), 1u);
    EXPECT_EQ(SaveGames::List()[0].name, SaveGames::kAutosaveName);
    Options::Get().SetFloat("AUTOSAVE", 0.0f);
    std::filesystem::remove(SaveGames::PathOf(SaveGames::kAutosaveName));
    NextTurn();
    EXPECT_TRUE(SaveGames::List().empty());
}

namespace {

std::vector<std::string> Lines(const std::string& text) { return PlatformFiles::SplitLines(text); }

// The entries of a "%.3f," list value line.
size_t Entries(const std::string& line)
{
    size_t open = line.find('>'), close = line.rfind('<');
    std::string body = line.substr(open + 1, close - open - 1);
    return body.empty() || body.back() != ',' ? 0 : static_cast<size_t>(std::count(body.begin(), body.end(), ','));
}

}  // namespace

TEST_F(SaveGameTest, FileHasTheSectionsInOrderAndListsOfFixedLength)
{
    StartGame(6);
    Play(2);
    std::vector<std::string> lines = Lines(SaveGameWriter::Write("today"));
    ASSERT_GT(lines.size(), 2u);
    EXPECT_EQ(lines.front(), "<xml>");
    EXPECT_EQ(lines.back(), "</xml>");
    // The sections directly inside <xml>, in file order.
    std::vector<std::string> sections;
    int depth = 0;
    for (const std::string& line : lines) {
        bool closing = line.rfind("</", 0) == 0, value = line.find("</", 1) != std::string::npos;
        if (!closing && !value && depth++ == 1)
            sections.push_back(line);
        if (closing)
            --depth;
    }
    const std::vector<std::string> expected = {
        "<header>",   "<load_data>", "<finances>",       "<voters>",          "<policies>",  "<simvalues>",
        "<situations>", "<dilemmas>", "<events>",        "<attackevents>",    "<ministers>", "<votertypes>",
        "<pressuregroups>", "<manifesto>", "<parties>",  "<gameplay>",        "<mission>",   "<economy>",
        "<election>", "<calendar>",  "<restrictedpower>", "<grudges>",        "<cynicism>"};
    ASSERT_GE(sections.size(), expected.size());
    EXPECT_EQ(std::vector<std::string>(sections.begin(), sections.begin() + expected.size()), expected);

    std::map<std::string, size_t> lengths = {{"<history>", 33}, {"<IncomeHistory>", 20}, {"<DebtHistory>", 20},
                                             {"<ExpenditureHistory>", 20}, {"<suitabilities>", 7}};
    int checked = 0;
    for (const std::string& line : lines)
        for (const auto& [tag, length] : lengths)
            if (line.rfind(tag, 0) == 0) {
                EXPECT_EQ(Entries(line), length) << line;
                ++checked;
            }
    EXPECT_GT(checked, 40);
    std::string date = lines[std::find(lines.begin(), lines.end(), "<load_data>") - lines.begin() + 1];
    EXPECT_TRUE(std::regex_match(SaveGameWriter::DateNow(), std::regex("\\d+/\\d+/\\d{4} \\(DD-MM-YYYY\\) - \\d+:\\d+")));
    EXPECT_EQ(date, "<date>today</date>");
}

TEST_F(SaveGameTest, NoPartyAndNoPostAreWrittenAsZeroAndNull)
{
    StartGame(6);
    std::string text = SaveGameWriter::Write("today");
    EXPECT_EQ(Split(Split(FirstVoter(text), ';')[0], ',').at(10), "0") << "PartID of a voter without a party";
    EXPECT_NE(text.find("<currentjob>NULL</currentjob>"), std::string::npos) << "the pool has free ministers";
}

TEST_F(SaveGameTest, NamesOf128AreSavedAndLongerOnesAreNot)
{
    StartGame(6);
    EXPECT_TRUE(SaveGames::Save(std::string(128, 'n')).ok);
    SaveResult longer = SaveGames::Save(std::string(129, 'n'));
    EXPECT_FALSE(longer.ok);
    EXPECT_FALSE(longer.message.empty());
    EXPECT_TRUE(SaveGames::Save("twice").ok);
    EXPECT_TRUE(SaveGames::Save("twice").ok);
    EXPECT_EQ(SaveGames::List().size(), 2u);
}

TEST_F(SaveGameTest, ALoadedGamePlaysOnExactlyAsTheSavedOne)
{
    StartGame(21);
    Play(6);
    const std::string saved = SaveGameWriter::Write("today");
    Play(8);
    const std::string straight = SaveGameWriter::Write("today");
    // Another game in between, so that nothing of the first is left over.
    StartGame(99);
    ASSERT_TRUE(SaveGames::LoadText(saved, "saved.xml").ok);
    Play(8);
    EXPECT_EQ(SaveGameWriter::Write("today"), straight);
}

TEST_F(SaveGameTest, LoadsWithNoGameRunningAndFindsAMovedMission)
{
    StartGame(5);
    Play(1);
    const std::string path = SIM_Mission::Get().FilePath();
    std::string text = Replaced(SaveGameWriter::Write("today"), "<filename>" + path, "<filename>/gone/away/" +
                                                                     PlatformFiles::FileNameOf(path));
    TurnProcessor::Get().ReleaseGame();
    SaveResult result = SaveGames::LoadText(text, "moved.xml");
    ASSERT_TRUE(result.ok) << result.message;
    EXPECT_EQ(SimulationState::Get().TurnNumber(), 3);
    NextTurn();
    EXPECT_EQ(SimulationState::Get().TurnNumber(), 4);

    std::string lost = Replaced(text, "/gone/away/" + PlatformFiles::FileNameOf(path), "/gone/away/nowhere.txt");
    result = SaveGames::LoadText(lost, "lost.xml");
    EXPECT_FALSE(result.ok);
    EXPECT_NE(result.message.find("nowhere.txt"), std::string::npos) << result.message;
    EXPECT_EQ(SimulationState::Get().TurnNumber(), 4) << "the running game was lost";
}

TEST_F(SaveGameTest, CrossReferencesInsideTheFileAreChecked)
{
    StartGame(8);
    Play(6);
    const std::string good = SaveGameWriter::Write("today");
    const struct {
        const char* what;
        std::string text;
        const char* says;
    } cases[] = {
        {"two neurons in one place", Replaced(good, "<pos>1</pos>", "<pos>0</pos>"), "two neurons at place 0"},
        {"place past the end", Replaced(good, "<pos>1</pos>", "<pos>999999</pos>"), "outside"},
        {"membership of no group", VoterEdited(good, 3, 0, "99"), "membership of a group that is not in"},
        {"one link too many", VoterEdited(good, 2, 99, "0"), "group links where <votertypes> has"},
        {"total counting the voters", Replaced(good, "<total>", "<total>8"), "as many neurons as its total"},
        {"voter figures", Replaced(good, "\n<v>", "\n<v>1,"), "does not start with 12 fields"},
        {"pressure group", VoterEdited(good, 1, 0, "999"), "not in <pressuregroups>"},
        {"unknown format", Replaced(good, "rulecraft-save 2", "something else"), "unknown save format"},
        {"missing section", Replaced(Replaced(good, "<cynicism>\n", "<cynicisms>\n"), "</cynicism>\n", "</cynicisms>\n"), "section <cynicism> expected"},
    };
    for (const auto& c : cases) {
        SaveResult result = SaveGames::LoadText(c.text, "edited.xml");
        EXPECT_FALSE(result.ok) << c.what;
        EXPECT_NE(result.message.find(c.says), std::string::npos) << c.what << ": " << result.message;
    }
}

// Each voter's ties are read once per saved group: a group saved twice
// would give its members twice over.
TEST_F(SaveGameTest, AVoterGroupSavedTwiceIsRefused)
{
    StartGame(5);
    Play(1);
    const auto& groups = SIM_VoterManager::Get().VoterTypes();
    ASSERT_GE(groups.size(), 2u);
    std::string text = SaveGameWriter::Write("today");
    const std::string second = "<name>" + groups[1]->GetName() + "</name>";
    const size_t at = text.find(second, text.find("<votertypes>"));
    ASSERT_NE(at, std::string::npos);
    text.replace(at, second.size(), "<name>" + groups[0]->GetName() + "</name>");
    const size_t before = SIM_Voter::PopulationCount();
    SaveResult result = SaveGames::LoadText(text, "twice.xml");
    EXPECT_FALSE(result.ok);
    EXPECT_NE(result.message.find("twice.xml:"), std::string::npos) << result.message;
    EXPECT_NE(result.message.find("is saved twice"), std::string::npos) << result.message;
    EXPECT_EQ(SIM_Voter::PopulationCount(), before);
}

// Membership is saved as such, not re-derived from the weight: it holds for
// weights far from any threshold, where a float step is wider than 1.
TEST_F(SaveGameTest, MembershipsSurviveWhateverTheWeight)
{
    StartGame(3);
    SIM_Voter* voter = SIM_Voter::Population().at(0);
    const auto& groups = SIM_VoterManager::Get().VoterTypes();
    ASSERT_GE(groups.size(), 2u);
    // Loading rebuilds the groups: they are found again by name.
    const struct {
        std::string group;
        float weight;
        bool member;
    } cases[] = {{groups[0]->GetName(), 3.0e7f, true}, {groups[1]->GetName(), 3.0e7f, false}};
    for (const auto& c : cases)
        SIM_VoterManager::Get().FindVoterType(c.group)->SetMembership(voter, c.weight, c.member ? 0.0f : 4.0e7f);
    ASSERT_TRUE(SaveGames::LoadText(SaveGameWriter::Write("today"), "weights.xml").ok);
    voter = SIM_Voter::Population().at(0);
    for (const auto& c : cases) {
        SIM_VoterType* group = SIM_VoterManager::Get().FindVoterType(c.group);
        ASSERT_NE(group, nullptr) << c.group;
        EXPECT_EQ(voter->IsMemberOf(group), c.member) << c.group;
        EXPECT_EQ(voter->GetMembershipWeight(group), c.weight) << c.group;
    }
}

TEST(SaveGames, StampShowsHourMinuteMonthDayYear)
{
    const char* zone = getenv("TZ");
    std::string saved = zone ? zone : "";
    setenv("TZ", "UTC", 1);
    tzset();
    // 2026-03-07 09:05:00 UTC and 1999-12-31 23:59:59 UTC.
    EXPECT_EQ(SaveGames::StampText(1772874300), "(09:05 03/07/2026)");
    EXPECT_EQ(SaveGames::StampText(946684799), "(23:59 12/31/1999)");
    if (zone)
        setenv("TZ", saved.c_str(), 1);
    else
        unsetenv("TZ");
    tzset();
}

TEST_F(SaveGameTest, BadNamesAndMissingGamesAreMessagesNotFiles)
{
    EXPECT_FALSE(SaveGames::Save("nothing to save").ok) << "no game is running";
    StartGame(2);
    for (const std::string name : {"", "..", "a/b", "x\ty"}) {
        EXPECT_FALSE(SaveGames::Save(name).ok) << name;
        EXPECT_FALSE(SaveGames::Load(name).ok) << name;
        EXPECT_FALSE(SaveGames::Delete(name).ok) << name;
    }
    EXPECT_TRUE(SaveGames::List().empty());
    SaveResult missing = SaveGames::Load("never saved");
    EXPECT_FALSE(missing.ok);
    EXPECT_NE(missing.message.find("never saved"), std::string::npos);
    EXPECT_EQ(SimulationState::Get().TurnNumber(), 2);
}

TEST_F(SaveGameTest, SectionsOfALaterGameAreSkippedButOursAreNeeded)
{
    StartGame(2);
    const std::string good = SaveGameWriter::Write("today");
    std::string later = Replaced(good, "</network>\n", "</network>\n<future>\n<x>1</x>\n</future>\n");
    EXPECT_TRUE(SaveGames::LoadText(later, "later.xml").ok);
    // Only the 22 sections: not enough to play on exactly, so refused.
    std::string plain = good.substr(0, good.find("<generator>")) + "</xml>\n";
    SaveResult result = SaveGames::LoadText(plain, "plain.xml");
    EXPECT_FALSE(result.ok);
    EXPECT_NE(result.message.find("section <generator> was expected"), std::string::npos) << result.message;
}

TEST_F(SaveGameTest, AFailedAutosaveIsReportedAndTheGameGoesOn)
{
    Options::Get().SetFloat("AUTOSAVE", 1.0f);
    StartGame(2);
    const std::string folder = UserFolders::Get().SaveGameFolder();
    std::filesystem::remove_all(folder);
    WriteText(folder, "not a folder");
    NextTurn();
    EXPECT_EQ(SimulationState::Get().TurnNumber(), 3);
    EXPECT_FALSE(TurnProcessor::Get().AutosaveMessage().empty());
    std::filesystem::remove(folder);
    std::filesystem::create_directory(folder);
    NextTurn();
    EXPECT_TRUE(TurnProcessor::Get().AutosaveMessage().empty());
    EXPECT_EQ(SaveGames::List().size(), 1u);
}

TEST_F(SaveGameTest, NoAutosaveInAnElectionTurn)
{
    Options::Get().SetFloat("AUTOSAVE", 1.0f);
    StartGame(2);
    // The election falls due at the end of the next turn.
    Calendar& calendar = Calendar::Get();
    ElectionManager::Get().SetNextElection(calendar.Month() + 3, calendar.Year());
    const int held = ElectionManager::Get().ElectionsHeld();
    NextTurn();
    EXPECT_EQ(ElectionManager::Get().ElectionsHeld(), held + 1);
    EXPECT_TRUE(SaveGames::List().empty());
}
