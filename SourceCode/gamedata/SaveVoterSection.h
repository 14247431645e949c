#pragma once
#include <cstddef>
#include <string>
#include <string_view>

#include "gamedata/SavedGame.h"

class SaveFileWriter;

// The population in a save file: one value line per voter, since a million
// voters written as containers of elements make a file of gigabytes that
// takes many seconds each way. The first line names the fields in order:
//   ForeID,SurID,Gender,OppSymp,PlaySymp,VotTend,LastVote,Income,Militancy,
//   Value,PartID,TurnoutChance;organisations;vgroups;members
// Whole numbers are decimal. Reals are the hexadecimal bits of the float
// (exact, and far quicker to write and read than decimal text). After the
// first ';' come the voter's pressure groups (indexes into <pressuregroups>),
// then one link weight per group of <votertypes> in its order (empty where
// there is no link), then the indexes of the groups it is a member of.
class SaveVoterSection {
public:
    static constexpr const char* kTag = "voters";
    // The text of the first line: the field names above.
    static std::string Fields();

    using Shape = SavedGame::VoterShape;

    // The voter lines of a checked section, one record at a time.
    class Lines {
    public:
        explicit Lines(const SavedGame::Voters& voters);
        // False after the last line. Throws SaveError naming the line.
        bool Next(SavedGame::VoterRecord& record);

    private:
        std::string_view mRest;
        int mLine;
        SavedGame::VoterShape mShape;
    };

    static void Write(SaveFileWriter& out);
    // body: the lines between <voters> and </voters>, the first of them on
    // line firstLine. Checks every line; throws SaveError naming the line of
    // the first problem.
    static void Read(std::string_view body, int firstLine, const Shape& shape, SavedGame::Voters& out);

    // The bits of a float as lowercase hexadecimal without leading zeros.
    static void AppendBits(std::string& out, float value);
    // The inverse; false unless 1 to 8 hex digits of a finite float.
    static bool ParseBits(std::string_view text, float& value);
};
