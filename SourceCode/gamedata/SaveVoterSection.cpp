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

// The voter line as the writer makes it, read in one pass without
// splitting it first: a million lines are read twice per load. False on
// anything unusual; VoterLine then reads the line again and names the fault.
// The value of each lowercase hexadecimal digit; 255 for other characters.
struct HexDigits {
    uint8_t value[256];
    constexpr HexDigits() : value()
    {
        for (int c = 0; c < 256; ++c)
            value[c] = c >= '0' && c <= '9' ? static_cast<uint8_t>(c - '0')
                       : c >= 'a' && c <= 'f' ? static_cast<uint8_t>(c - 'a' + 10)
                                              : 255;
    }
    uint8_t operator[](unsigned char c) const { return value[c]; }
};
constexpr HexDigits kHexDigit;

class QuickVoterLine {
public:
    explicit QuickVoterLine(std::string_view text) : mAt(text.data()), mEnd(text.data() + text.size()) {}

    bool Read(const SaveVoterSection::Shape& shape, SavedGame::VoterRecord& out)
    {
        SavedGame::Voter& voter = out.voter;
        long long fore, sur, gender, lastVote, party;
        if (!Whole(fore, INT_MAX, ',') || !Whole(sur, INT_MAX, ',') || !Whole(gender, 1, ','))
            return false;
        if (static_cast<size_t>(fore) >= (gender == 1 ? shape.femaleNames : shape.maleNames) ||
            static_cast<size_t>(sur) >= shape.surnames)
            return false;
        if (!Real(voter.oppSymp, ',') || !Real(voter.playSymp, ',') || !Real(voter.votTend, ',') ||
            !Whole(lastVote, 2, ',') || !Real(voter.income, ',') || !Real(voter.militancy, ',') ||
            !Real(voter.value, ',') || !Whole(party, 2, ',') || !Real(voter.turnoutChance, ';'))
            return false;
        voter.foreID = static_cast<int>(fore);
        voter.surID = static_cast<int>(sur);
        voter.gender = static_cast<int>(gender);
        voter.lastVote = static_cast<int>(lastVote);
        voter.party = static_cast<int>(party);

        out.organisations.clear();
        if (!Ends(';')) {
            for (;;) {
                long long index;
                if (!Whole(index, static_cast<long long>(std::min<size_t>(shape.pressureGroups, UINT16_MAX)) - 1, 0))
                    return false;
                out.organisations.push_back(static_cast<uint16_t>(index));
                if (Ends(';'))
                    break;
                if (!Ends(','))
                    return false;
            }
        }

        out.weights.assign(shape.groups, 0.0f);
        out.ties.assign(shape.groups, 0);
        for (size_t group = 0; group < shape.groups; ++group) {
            const char separator = group + 1 < shape.groups ? ',' : ';';
            if (Ends(separator))
                continue;
            if (!Real(out.weights[group], separator))
                return false;
            out.ties[group] = SavedGame::VoterRecord::kLinked;
        }
        if (shape.groups == 0 && !Ends(';'))
            return false;

        while (mAt != mEnd) {
            long long index;
            if (!Whole(index, static_cast<long long>(shape.groups) - 1, 0))
                return false;
            out.ties[static_cast<size_t>(index)] |= SavedGame::VoterRecord::kMember;
            if (mAt != mEnd && !Ends(','))
                return false;
        }
        return true;
    }

private:
    // Takes the separator when it comes next.
    bool Ends(char separator)
    {
        if (mAt == mEnd || *mAt != separator)
            return false;
        ++mAt;
        return true;
    }

    // Decimal digits 0..high, then the separator (0: the caller reads what follows).
    bool Whole(long long& value, long long high, char separator)
    {
        const char* start = mAt;
        long long read = 0;
        while (mAt != mEnd && *mAt >= '0' && *mAt <= '9' && mAt - start < 18)
            read = read * 10 + (*mAt++ - '0');
        if (mAt == start || read > high)
            return false;
        value = read;
        return separator == 0 ? mAt == mEnd || *mAt < '0' || *mAt > '9' : Ends(separator);
    }

    bool Real(float& value, char separator)
    {
        const char* start = mAt;
        uint32_t bits = 0;
        for (; mAt != mEnd && mAt - start < 8; ++mAt) {
            const uint8_t digit = kHexDigit[static_cast<unsigned char>(*mAt)];
            if (digit > 15)
                break;
            bits = (bits << 4) | digit;
        }
        float read;
        std::memcpy(&read, &bits, sizeof read);
        if (mAt == start || !std::isfinite(read))
            return false;
        value = read;
        return Ends(separator);
    }

    const char* mAt;
    const char* mEnd;
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
    // By hand: the general conversion, in base 16, is the slowest part of a save.
    const int digits = bits == 0 ? 1 : (35 - __builtin_clz(bits)) / 4;
    char buffer[8];
    for (int i = digits - 1; i >= 0; --i, bits >>= 4)
        buffer[i] = "0123456789abcdef"[bits & 15];
    out.append(buffer, static_cast<size_t>(digits));
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
    text = text.substr(kOpen.size(), text.size() - kOpen.size() - kClose.size());
    if (!QuickVoterLine(text).Read(mShape, record))
        VoterLine(text, mLine).Read(mShape, record);
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
