#pragma once
#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "sim/NeuralEffect.h"
#include "sim/Neuron.h"

// Everything a save file holds, read and checked but not yet put into a game.
// Names are kept as text and looked up only when the game is rebuilt; indexes
// between the file's own lists (a voter's groups, a pledge's list) are
// checked while reading.
struct SavedGame {
    static constexpr const char* kFormatName = "rulecraft-save";
    static constexpr int kFormatVersion = 2;
    static constexpr int kFinanceHistory = 20;
    static constexpr int kSuitabilities = 7;

    struct Line {
        int line = 0;  // where in the file, for messages
    };
    // One voter's own figures; its ties and pressure groups are in Voters.
    struct Voter {
        int foreID = 0, surID = 0, gender = 0;
        float oppSymp = 0, playSymp = 0, votTend = 0;
        int lastVote = 2;
        float income = 0, militancy = 0, value = 0;
        int party = 0;
        float turnoutChance = 0;
    };
    // One voter line as read: its figures, a tie per voter group, its
    // pressure groups. Reused from line to line.
    struct VoterRecord {
        static constexpr uint8_t kLinked = 1;
        static constexpr uint8_t kMember = 2;
        Voter voter;
        std::vector<float> weights;     // by <votertypes> index
        std::vector<uint8_t> ties;      // kLinked, kMember
        std::vector<uint16_t> organisations;  // into pressureGroups
    };
    // What the voter lines must fit: the counts of the group sections and of
    // the name pools.
    struct VoterShape {
        size_t groups = 0;
        size_t pressureGroups = 0;
        size_t maleNames = 0, femaleNames = 0, surnames = 0;
    };
    // The population is not copied out of the file: a million voters would
    // need fresh memory of hundreds of megabytes. Its lines are checked once
    // when the file is read and read again as the voters are made, so the
    // file's text must outlive this.
    struct Voters {
        std::string_view lines;  // one voter a line
        int firstLine = 0;
        size_t count = 0;
        VoterShape shape;

        size_t size() const { return count; }
    };
    struct Policy : Line {
        std::string name;
        float implementation = 0, targetValue = 0, popularity = 0;
        bool active = false, effectsCreated = false;
    };
    struct Named : Line {
        std::string name;
        bool flag = false;  // situations: active; dilemmas, events: triggered
        bool answered = false;  // dilemmas
    };
    struct AddedEvent : Line {
        std::string name, guiName, description, texture, onImplement, onView;
    };
    struct Attack : Line {
        std::string name;
        int lastTrigger = 0;
    };
    struct Minister : Line {
        std::string forename, surname, portrait, symp1, symp2, job;
        bool female = false, resigned = false;
        float loyalty = 0, volatility = 0, experience = 0;
        int lastWarningTurn = 0;
        std::array<float, kSuitabilities> suitabilities{};
    };
    struct VoterType : Line {
        std::string name;
        int64_t lastCount = 0;
        int trend = 1, change = 0;
        float pollShare = 0, pollTurnout = 0;
    };
    struct PressureGroup : Line {
        std::string name;
        float strength = 0;
        bool recruiting = false;
        int status = 2;
        int64_t lastCount = 0;
    };
    struct Pledge : Line {
        std::string name;
        float initial = 0;
    };
    struct Party {
        std::string name;
        int status = 2;
        int64_t lastCount = 0;
        float turnoutPull = 0.5f;
    };
    struct Grudge : Line {
        std::string name, guiName, target;
        int age = 0, inertia = 0;
        float decay = 0, value = 0;
    };
    struct Effect {
        int source = 0;  // into neurons
        NeuralEffect::State state;
    };
    struct SavedNeuron : Line {
        std::string name;
        int type = 0;
        int position = 0;  // in the recalculation order
        float value = 0, base = 0;
        std::array<float, Neuron::kHistorySize> history{};
        bool active = true;
        std::vector<Effect> incoming;
    };

    std::string version;
    std::string date;
    int formatVersion = 0;

    // finances
    float balance = 0, expenses = 0, income = 0, interest = 0, debt = 0, peak = 0, ceiling = 0;
    std::array<float, kFinanceHistory> incomeHistory{}, expenditureHistory{}, debtHistory{};
    int monthsElapsed = 0;
    int ceilingState = 0;

    Voters voters;
    std::vector<Policy> policies;
    std::vector<std::string> activeOrder;
    std::vector<Named> simValues, situations, dilemmas, events;
    std::vector<AddedEvent> addedEvents;
    int turnsSinceLastEvent = 0;
    std::vector<Attack> attacks;
    std::vector<std::string> attackQueue;
    std::vector<Minister> ministers;
    std::array<std::vector<std::string>, 2> portraitsLeft;  // male, female
    std::vector<VoterType> voterTypes;
    std::vector<PressureGroup> pressureGroups;
    std::vector<Pledge> livePledges, nextPledges;
    bool allKept = true;
    float pledgePenalty = 0;
    Party player, opposition;
    int turn = 0;
    bool gameOver = false;
    std::string missionName;
    std::string missionFile, currency, missionTitle;
    int termLength = 0;
    float economyPhase = 0, economyValue = 0, economyPeriod = 0, economyAmplitude = 0;
    int nextElectionMonth = 0, nextElectionYear = 0, electionsWon = 0, electionsHeld = 0;
    int month = 0, year = 0;
    int capitalAvailable = 0, capitalPerTurn = 0;
    std::vector<Grudge> grudges;
    float cynicism = 0;
    uint32_t generator = 0;
    float approval = 0, voteShare = 0, bestApproval = 0, bestVoteShare = 0;
    std::array<float, 20> approvalHistory{}, voteShareHistory{};
    std::vector<SavedNeuron> neurons;
    int neuronTotal = 0;  // the whole recalculation order
};
