#include "gamedata/SaveVoterSection.h"

#include <algorithm>
#include <charconv>
#include <climits>
#include <cmath>
#include <cstring>
#include <unordered_map>

#include "gamedata/SaveFileWriter.h"
#include "gamedata/SaveSectionReader.h"
#include "politics/SIM_PressureGroup.h"
#include "politics/SIM_Voter.h"
#include "politics/SIM_VoterManager.h"
#include "politics/SIM_VoterType.h"
#include "politics/VoterGroupLinks.h"

namespace {

// The fixed fields of a voter line, in order; the lists follow them.
enum Field { FORE, SUR, GENDER, OPP, PLAY, TEND, LASTVOTE, INCOME, MILITANCY, VALUE, PARTY, TURNOUT, kFieldCount };
constexpr const char* kFieldNames[kFieldCount] = {"ForeID",  "SurID",     "Gender", "OppSymp", "PlaySymp",
                                                  "VotTend", "LastVote",  "Income", "Militancy", "Value",
                                                  "PartID",  "TurnoutChance"};
constexpr const char* kListNames[] = {"organisations", "vgroups", "members"};
constexpr std::string_view kOpen = "<v>";
constexpr std::string_view kClose = "</v>";

void AppendInt(std::string& out, long long value)
{
    char buffer[24];
    auto end = std::to_chars(buffer, buffer + sizeof buffer, value).ptr;
    out.append(buffer, end);
}

// The text up to the next separator (or all of it), taken off the front.
std::string_view Next(std::string_view& rest, char separator)
{
    size_t at = rest.find(separator);
    std::string_view taken = rest.substr(0, at);
    rest.remove_prefix(at == std::string_view::npos ? rest.size() : at + 1);
    return taken;
}

// Reads one voter line; every problem names the line.
class VoterLine {
public:
    VoterLine(std::string_view text, int line) : mText(text), mLine(line) {}

    [[noreturn]] void Fail(const std::string& what) const { SaveSectionReader::FailAt(mLine, what); }

    long long Whole(std::string_view text, const char* name, long long high) const
    {
        long long value = 0;
        if (!SaveSectionReader::ParseInt(text, value) || value < 0 || value > high)
            Fail("<v> " + std::string(name) + " \"" + std::string(text) + "\" is not a whole number 0.." +
                 std::to_string(high));
        return value;
    }

    float Real(std::string_view text, const char* name) const
    {
        float value = 0.0f;
        if (!SaveVoterSection::ParseBits(text, value))
            Fail("<v> " + std::string(name) + " \"" + std::string(text) + "\" is not the bits of a finite number");
        return value;
    }

    void Read(const SaveVoterSection::Shape& shape, SavedGame::VoterRecord& out) const
    {
        if (std::count(mText.begin(), mText.end(), ';') != 3)
            Fail("<v> does not hold the fixed fields and three lists, parted by ';'");
        std::string_view rest = mText;
        std::string_view parts[4];
        for (std::string_view& part : parts)
            part = Next(rest, ';');
        ReadFixed(parts[0], shape, out.voter);
        ReadOrganisations(parts[1], shape, out);
        ReadTies(parts[2], parts[3], shape, out);
    }

private:
    void ReadFixed(std::string_view text, const SaveVoterSection::Shape& shape, SavedGame::Voter& voter) const
    {
        if (std::count(text.begin(), text.end(), ',') != kFieldCount - 1)
            Fail("<v> does not start with " + std::to_string(kFieldCount) + " fields");
        std::string_view fields[kFieldCount];
        for (std::string_view& field : fields)
            field = Next(text, ',');
        voter.foreID = static_cast<int>(Whole(fields[FORE], kFieldNames[FORE], INT_MAX));
        voter.surID = static_cast<int>(Whole(fields[SUR], kFieldNames[SUR], INT_MAX));
        voter.gender = static_cast<int>(Whole(fields[GENDER], kFieldNames[GENDER], 1));
        size_t forenames = voter.gender == 1 ? shape.femaleNames : shape.maleNames;
        if (static_cast<size_t>(voter.foreID) >= forenames)
            Fail("forename index " + std::to_string(voter.foreID) + " outside the name pool");
        if (static_cast<size_t>(voter.surID) >= shape.surnames)
            Fail("surname index " + std::to_string(voter.surID) + " outside the name pool");
        voter.oppSymp = Real(fields[OPP], kFieldNames[OPP]);
        voter.playSymp = Real(fields[PLAY], kFieldNames[PLAY]);
        voter.votTend = Real(fields[TEND], kFieldNames[TEND]);
        voter.lastVote = static_cast<int>(Whole(fields[LASTVOTE], kFieldNames[LASTVOTE], 2));
        voter.income = Real(fields[INCOME], kFieldNames[INCOME]);
        voter.militancy = Real(fields[MILITANCY], kFieldNames[MILITANCY]);
        voter.value = Real(fields[VALUE], kFieldNames[VALUE]);
        voter.party = static_cast<int>(Whole(fields[PARTY], kFieldNames[PARTY], 2));
        voter.turnoutChance = Real(fields[TURNOUT], kFieldNames[TURNOUT]);
    }

    void ReadOrganisations(std::string_view text, const SaveVoterSection::Shape& shape,
                           SavedGame::VoterRecord& out) const
    {
        out.organisations.clear();
        while (!text.empty()) {
            long long index = Whole(Next(text, ','), kListNames[0], UINT16_MAX - 1);
            if (static_cast<size_t>(index) >= shape.pressureGroups)
                Fail("a voter belongs to a pressure group that is not in <pressuregroups>");
            out.organisations.push_back(static_cast<uint16_t>(index));
        }
    }

    void ReadTies(std::string_view weights, std::string_view members, const SaveVoterSection::Shape& shape,
                  SavedGame::VoterRecord& out) const
    {
        const size_t commas = static_cast<size_t>(std::count(weights.begin(), weights.end(), ','));
        if (shape.groups == 0 ? !weights.empty() : commas + 1 != shape.groups)
            Fail("<v> has " + std::to_string(weights.empty() ? 0 : commas + 1) +
                 " group links where <votertypes> has " + std::to_string(shape.groups) + " groups");
        out.weights.assign(shape.groups, 0.0f);
        out.ties.assign(shape.groups, 0);
        for (size_t group = 0; group < shape.groups; ++group) {
            std::string_view weight = Next(weights, ',');
            if (weight.empty())
                continue;
            out.weights[group] = Real(weight, kListNames[1]);
            out.ties[group] = SavedGame::VoterRecord::kLinked;
        }
        while (!members.empty()) {
            long long index = Whole(Next(members, ','), kListNames[2], INT_MAX);
            if (static_cast<size_t>(index) >= shape.groups)
                Fail("membership of a group that is not in <votertypes>");
            out.ties[static_cast<size_t>(index)] |= SavedGame::VoterRecord::kMember;
        }
    }

    std::string_view mText;
    int mLine;
};

}  // namespace

std::string SaveVoterSection::Fields()
{
    std::string fields;
    for (const char* name : kFieldNames)
        fields += std::string(fields.empty() ? "" : ",") + name;
    for (const char* name : kListNames)
        fields += std::string(";") + name;
    return fields;
}

void SaveVoterSection::AppendBits(std::string& out, float value)
{
    uint32_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    char buffer[8];
    auto end = std::to_chars(buffer, buffer + sizeof buffer, bits, 16).ptr;
    out.append(buffer, end);
}

bool SaveVoterSection::ParseBits(std::string_view text, float& value)
{
    if (text.empty() || text.size() > 8)
        return false;
    uint32_t bits = 0;
    for (char c : text) {
        uint32_t digit;
        if (c >= '0' && c <= '9')
            digit = static_cast<uint32_t>(c - '0');
        else if (c >= 'a' && c <= 'f')
            digit = static_cast<uint32_t>(c - 'a' + 10);
        else
            return false;
        bits = (bits << 4) | digit;
    }
    float read;
    std::memcpy(&read, &bits, sizeof read);
    if (!std::isfinite(read))
        return false;
    value = read;
    return true;
}

void SaveVoterSection::Write(SaveFileWriter& out)
{
    const auto& groups = SIM_VoterManager::Get().VoterTypes();
    const VoterGroupLinks& links = VoterGroupLinks::Get();
    // Each group's column of ties, read straight for speed; none when no
    // voter was ever tied to the group.
    std::vector<const VoterGroupLinks::Tie*> columns;
    for (const SIM_VoterType* group : groups)
        columns.push_back(group->Index() < links.Columns() ? links.Column(group->Index()) : nullptr);
    std::unordered_map<const SIM_PressureGroup*, int> pressureIndex;
    for (const SIM_PressureGroup* group : SIM_PressureGroup::All())
        pressureIndex.emplace(group, static_cast<int>(pressureIndex.size()));

    const auto& population = SIM_Voter::Population();
    out.Reserve(population.size() * (80 + 10 * groups.size()));
    out.Open(kTag);
    out.Raw("fields", Fields());
    std::string line;
    std::string members;
    for (const SIM_Voter* voter : population) {
        line.clear();
        members.clear();
        AppendInt(line, voter->ForeID);
        line += ',';
        AppendInt(line, voter->SurID);
        line += ',';
        AppendInt(line, voter->Gender);
        for (float real : {voter->OppSymp, voter->PlaySymp, voter->VotTend}) {
            line += ',';
            AppendBits(line, real);
        }
        line += ',';
        AppendInt(line, voter->LastVote);
        for (float real : {voter->Income, voter->Militancy, voter->GetValue()}) {
            line += ',';
            AppendBits(line, real);
        }
        line += ',';
        AppendInt(line, voter->Party);
        line += ',';
        AppendBits(line, voter->TurnoutChance);
        line += ';';
        bool first = true;
        for (const SIM_Voter::PressureMembership& membership : voter->PressureGroups()) {
            auto found = pressureIndex.find(membership.group);
            if (found == pressureIndex.end())
                continue;
            if (!first)
                line += ',';
            AppendInt(line, found->second);
            first = false;
        }
        line += ';';
        for (size_t index = 0; index < columns.size(); ++index) {
            if (index > 0)
                line += ',';
            if (!columns[index])
                continue;
            const VoterGroupLinks::Tie& tie = columns[index][voter->Row()];
            if (tie.Linked())
                AppendBits(line, tie.weight);
            if (tie.Member()) {
                if (!members.empty())
                    members += ',';
                AppendInt(members, static_cast<long long>(index));
            }
        }
        line += ';';
        line += members;
        out.Raw("v", line);
    }
    out.Close(kTag);
}

SaveVoterSection::Lines::Lines(const SavedGame::Voters& voters)
    : mRest(voters.lines), mLine(voters.firstLine), mShape(voters.shape)
{
}

bool SaveVoterSection::Lines::Next(SavedGame::VoterRecord& record)
{
    if (mRest.empty())
        return false;
    std::string_view text = ::Next(mRest, '\n');
    if (!text.empty() && text.back() == '\r')
        text.remove_suffix(1);
    if (text.size() < kOpen.size() + kClose.size() || text.substr(0, kOpen.size()) != kOpen ||
        text.substr(text.size() - kClose.size()) != kClose)
        SaveSectionReader::FailAt(mLine, "not a voter line <v>...</v>");
    VoterLine(text.substr(kOpen.size(), text.size() - kOpen.size() - kClose.size()), mLine).Read(mShape, record);
    ++mLine;
    return true;
}

void SaveVoterSection::Read(std::string_view body, int firstLine, const Shape& shape, SavedGame::Voters& out)
{
    std::string_view fields = Next(body, '\n');
    if (!fields.empty() && fields.back() == '\r')
        fields.remove_suffix(1);
    if (fields != "<fields>" + Fields() + "</fields>")
        SaveSectionReader::FailAt(firstLine, "the voters' fields are not " + Fields());
    out = SavedGame::Voters();
    out.lines = body;
    out.firstLine = firstLine + 1;
    out.shape = shape;
    Lines lines(out);
    SavedGame::VoterRecord record;
    while (lines.Next(record))
        ++out.count;
}
