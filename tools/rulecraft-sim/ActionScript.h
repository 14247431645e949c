#pragma once
#include <functional>
#include <map>
#include <string>
#include <vector>

// The player's moves for a headless game, one per line of a text file:
//   <turn> <verb> <args...>
// applied just before the turn of that number is processed (the player's
// first turn is 3). Blank lines and lines starting with '#' are skipped.
// Verbs:
//   introduce POLICY [LEVEL]   put a policy in force, optionally at a level
//   set POLICY LEVEL           move a policy's slider (LEVEL in 0..1)
//   cancel POLICY              take a policy out of force
//   appoint GROUP FORENAME SURNAME   give a free minister of the pool the post
//   fire GROUP                 dismiss the minister holding the post (needs capital)
//   choose DILEMMA OPTION      answer a pending dilemma with option 1 or 2
//   save NAME                  save the game under NAME, after the turn's other moves
// New verbs are one more entry in the verb table. An action that cannot be
// carried out when its turn comes is reported on stderr and the game goes on.
class ActionScript {
public:
    static constexpr const char* kSaveVerb = "save";

    struct Action {
        int line = 0;
        int turn = 0;
        std::string verb;
        std::vector<std::string> args;
    };

    struct Verb {
        size_t minArgs = 0;
        size_t maxArgs = 0;
        // Before the game: the arguments alone ("" when fine, else the reason).
        std::function<std::string(const Action&)> checkSyntax;
        // Once the game is set up: the names exist ("" when fine).
        std::function<std::string(const Action&)> checkNames;
        // "" when done, else why it could not be.
        std::function<std::string(const Action&)> apply;
    };

    static const std::map<std::string, Verb>& Verbs();

    // Reads and checks the file; false with "FILE:LINE: reason" in error.
    // Messages name the file as shownAs (as the user gave it) when that is set.
    bool Load(const std::string& path, std::string& error, const std::string& shownAs = "");
    // Checks every name against the game now set up; false with the line in error.
    bool CheckNames(std::string& error) const;
    // Applies the actions of that turn, in file order; each one that cannot
    // be carried out is one "FILE:LINE: reason" line on stderr.
    void ApplyTurn(int turn) const;

    const std::vector<Action>& Actions() const { return mActions; }

private:
    std::string mPath;
    std::vector<Action> mActions;
};
