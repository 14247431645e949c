#include "gamedata/SaveGameParser.h"

#include <climits>
#include <string>

#include "gamedata/SaveFileTree.h"
#include "gamedata/SaveSectionReader.h"
#include "gamedata/SaveVoterSection.h"
#include "gamedata/SavedGame.h"
#include "sim/Neuron.h"

namespace {

constexpr long long kBig = INT_MAX;

template <size_t N>
void CopyList(const std::vector<float>& list, std::array<float, N>& out)
{
    for (size_t i = 0; i < N; ++i)
        out[i] = list[i];
}

void ReadHeader(SaveSectionReader& file, SavedGame& game)
{
    SaveSectionReader header(file.Tree(), file.Container("header"));
    int line = header.Line();
    game.version = header.Text("version");
    header.End();
    const std::string prefix = std::string(SavedGame::kFormatName) + " ";
    long long number = 0;
    if (game.version.rfind(prefix, 0) != 0 || !SaveSectionReader::ParseInt(game.version.substr(prefix.size()), number) ||
        number < 1)
        SaveSectionReader::FailAt(line, "unknown save format \"" + game.version + "\"");
    if (number < SavedGame::kFormatVersion)
        SaveSectionReader::FailAt(line, "saved by an older version of the game (format " + std::to_string(number) +
                                            "), which this game no longer reads");
    if (number > SavedGame::kFormatVersion)
        SaveSectionReader::FailAt(line, "saved by a newer version of the game (format " + std::to_string(number) +
                                            ", this game reads up to " +
                                            std::to_string(SavedGame::kFormatVersion) + ")");
    game.formatVersion = static_cast<int>(number);
    SaveSectionReader data(file.Tree(), file.Container("load_data"));
    game.date = data.Text("date");
    data.End();
}

void ReadFinances(SaveSectionReader& file, SavedGame& game)
{
    SaveSectionReader s(file.Tree(), file.Container("finances"));
    game.balance = s.Real("CurrentBalance");
    game.expenses = s.Real("MonthlyExpenses");
    game.income = s.Real("MonthlyIncome");
    game.interest = s.Real("MonthlyInterest");
    game.debt = s.Real("NationalDebt");
    game.peak = s.Real("HistoryPeak");
    game.ceiling = s.Real("DebtCeiling");
    CopyList(s.List("IncomeHistory", SavedGame::kFinanceHistory), game.incomeHistory);
    CopyList(s.List("ExpenditureHistory", SavedGame::kFinanceHistory), game.expenditureHistory);
    CopyList(s.List("DebtHistory", SavedGame::kFinanceHistory), game.debtHistory);
    s.End();
}

size_t ChildCount(const SaveFileTree& tree, int section)
{
    size_t count = 0;
    for (int item = tree.At(section).firstChild; item != SaveFileTree::kNone; item = tree.At(item).nextSibling)
        ++count;
    return count;
}

// The voter lines are checked against the counts of the group sections that
// come later in the file; the names are checked when those are read.
void ReadVoters(SaveSectionReader& file, int groupSection, int pressureSection,
                const SaveGameParser::NamePoolSizes& names, SavedGame& game)
{
    const SaveFileTree& tree = file.Tree();
    const SaveFileTree::Node& section = tree.At(file.Container(SaveVoterSection::kTag));
    if (!section.isRaw)
        SaveSectionReader::FailAt(section.line, "<voters> was not read as voter lines");
    SaveVoterSection::Shape shape;
    shape.groups = ChildCount(tree, groupSection);
    shape.pressureGroups = ChildCount(tree, pressureSection);
    shape.maleNames = names.male;
    shape.femaleNames = names.female;
    shape.surnames = names.surnames;
    SaveVoterSection::Read(section.text, section.line + 1, shape, game.voters);
}

void ReadPolicies(SaveSectionReader& file, SavedGame& game)
{
    SaveSectionReader section(file.Tree(), file.Container("policies"));
    while (!section.AtEnd()) {
        SaveSectionReader s(file.Tree(), section.Container("policy"));
        SavedGame::Policy& policy = game.policies.emplace_back();
        policy.line = s.Line();
        policy.name = s.Text("name");
        policy.implementation = s.Real("implementation");
        policy.targetValue = s.Real("targetvalue");
        s.Real("Value");
        s.List("history", Neuron::kHistorySize);
        policy.active = s.Flag("active");
        s.End();
    }
}

// simvalues, situations, dilemmas, events: a name and what follows it.
void ReadNamed(SaveSectionReader& file, const char* list, const char* item, SavedGame& game,
               std::vector<SavedGame::Named>& out)
{
    SaveSectionReader section(file.Tree(), file.Container(list));
    if (std::string(list) == "events")
        game.turnsSinceLastEvent = static_cast<int>(section.Int("turnssincelastevent", 0, kBig));
    while (!section.AtEnd()) {
        SaveSectionReader s(file.Tree(), section.Container(item));
        SavedGame::Named& named = out.emplace_back();
        named.line = s.Line();
        named.name = s.Text("name");
        s.Real("Value");
        if (std::string(list) == "simvalues") {
            s.Real("default");
            s.List("history", Neuron::kHistorySize);
        } else if (std::string(list) == "situations") {
            named.flag = s.Flag("active");
        } else {
            named.flag = s.Flag("triggered");
        }
        s.End();
    }
}

void ReadAttacks(SaveSectionReader& file, SavedGame& game)
{
    SaveSectionReader section(file.Tree(), file.Container("attackevents"));
    while (!section.AtEnd()) {
        SaveSectionReader s(file.Tree(), section.Container("event"));
        SavedGame::Attack& attack = game.attacks.emplace_back();
        attack.line = s.Line();
        attack.name = s.Text("name");
        attack.lastTrigger = static_cast<int>(s.Int("lasttrigger", -kBig, kBig));
        s.End();
    }
}

void ReadMinisters(SaveSectionReader& file, SavedGame& game)
{
    SaveSectionReader section(file.Tree(), file.Container("ministers"));
    while (!section.AtEnd()) {
        SaveSectionReader s(file.Tree(), section.Container("minister"));
        SavedGame::Minister& minister = game.ministers.emplace_back();
        minister.line = s.Line();
        s.Text("FullName");
        s.Real("Value");
        minister.portrait = s.Text("Portrait");
        minister.loyalty = s.Real("Loyalty");
        minister.volatility = s.Real("Volatility");
        minister.symp1 = s.Text("symp1");
        minister.symp2 = s.Text("symp2");
        minister.experience = s.Real("exper");
        CopyList(s.List("suitabilities", SavedGame::kSuitabilities), minister.suitabilities);
        minister.job = s.Text("currentjob");
        s.End();
    }
}

void ReadGroups(SaveSectionReader& file, SavedGame& game)
{
    SaveSectionReader types(file.Tree(), file.Container("votertypes"));
    while (!types.AtEnd()) {
        SaveSectionReader s(file.Tree(), types.Container("votertype"));
        SavedGame::VoterType& group = game.voterTypes.emplace_back();
        group.line = s.Line();
        group.name = s.Text("name");
        s.Real("Value");
        s.List("history", Neuron::kHistorySize);
        s.End();
    }
    SaveSectionReader pressure(file.Tree(), file.Container("pressuregroups"));
    while (!pressure.AtEnd()) {
        SaveSectionReader s(file.Tree(), pressure.Container("pressuregroup"));
        SavedGame::PressureGroup& group = game.pressureGroups.emplace_back();
        group.line = s.Line();
        group.name = s.Text("name");
        group.strength = s.Real("strength");
        s.End();
    }
}

void ReadPledges(SaveSectionReader& manifesto, const char* list, std::vector<SavedGame::Pledge>& out)
{
    SaveSectionReader section(manifesto.Tree(), manifesto.Container(list));
    while (!section.AtEnd()) {
        SaveSectionReader s(manifesto.Tree(), section.Container("pledge"));
        SavedGame::Pledge& pledge = out.emplace_back();
        pledge.line = s.Line();
        pledge.name = s.Text("name");
        pledge.initial = s.Real("initial");
        s.Real("change");
        s.End();
    }
}

void ReadGameplay(SaveSectionReader& file, SavedGame& game)
{
    const SaveFileTree& tree = file.Tree();
    {
        SaveSectionReader s(tree, file.Container("manifesto"));
        ReadPledges(s, "live", game.livePledges);
        ReadPledges(s, "nextterm", game.nextPledges);
        s.End();
    }
    {
        SaveSectionReader s(tree, file.Container("parties"));
        game.player.name = s.Text("playername");
        game.opposition.name = s.Text("oppname");
        game.player.status = static_cast<int>(s.Int("playerstatus", 0, 2));
        game.opposition.status = static_cast<int>(s.Int("oppstatus", 0, 2));
        s.End();
    }
    {
        SaveSectionReader s(tree, file.Container("gameplay"));
        game.turn = static_cast<int>(s.Int("turn", 0, kBig));
        game.missionName = s.Text("missionname");
        s.End();
    }
    {
        SaveSectionReader s(tree, file.Container("mission"));
        game.missionFile = s.Text("filename");
        game.currency = s.Text("currency");
        game.termLength = static_cast<int>(s.Int("termlength", 1, 100));
        game.missionTitle = s.Text("guiname");
        s.End();
    }
    {
        SaveSectionReader s(tree, file.Container("economy"));
        game.economyPhase = s.Real("pos");
        game.economyValue = s.Real("val");
        s.End();
    }
    {
        SaveSectionReader s(tree, file.Container("election"));
        game.nextElectionMonth = static_cast<int>(s.Int("NextElectionMonth", 0, 11));
        game.nextElectionYear = static_cast<int>(s.Int("NextElectionYear", -kBig / 12, kBig / 12));
        game.electionsWon = static_cast<int>(s.Int("ElectionsWon", 0, kBig));
        s.End();
    }
    {
        SaveSectionReader s(tree, file.Container("calendar"));
        game.month = static_cast<int>(s.Int("month", 0, 11));
        game.year = static_cast<int>(s.Int("year", -kBig / 12, kBig / 12));
        s.End();
    }
    {
        SaveSectionReader s(tree, file.Container("restrictedpower"));
        game.capitalAvailable = static_cast<int>(s.Int("ap", 0, kBig));
        game.capitalPerTurn = static_cast<int>(s.Int("allow", -kBig, kBig));
        s.End();
    }
    {
        SaveSectionReader section(tree, file.Container("grudges"));
        while (!section.AtEnd()) {
            SaveSectionReader s(tree, section.Container("grudge"));
            SavedGame::Grudge& grudge = game.grudges.emplace_back();
            grudge.line = s.Line();
            grudge.name = s.Text("name");
            grudge.guiName = s.Text("guiname");
            grudge.age = static_cast<int>(s.Int("age", 0, kBig));
            grudge.decay = s.Real("decay");
            grudge.value = s.Real("value");
            grudge.target = s.Text("target");
            grudge.inertia = static_cast<int>(s.Int("inertia", 0, NeuralEffect::kMaxInertialDrag));
            s.End();
        }
    }
    {
        SaveSectionReader s(tree, file.Container("cynicism"));
        game.cynicism = s.Real("value");
        s.End();
    }
}

void ReadContinuation(SaveSectionReader& file, SavedGame& game)
{
    const SaveFileTree& tree = file.Tree();
    {
        SaveSectionReader s(tree, file.Container("generator"));
        game.generator = static_cast<uint32_t>(s.Int("state", 0, UINT32_MAX));
        s.End();
    }
    {
        SaveSectionReader s(tree, file.Container("pollhistory"));
        game.approval = s.Real("approval");
        game.voteShare = s.Real("voteshare");
        game.bestApproval = s.Real("bestapproval");
        game.bestVoteShare = s.Real("bestvoteshare");
        CopyList(s.List("approvalhistory", game.approvalHistory.size()), game.approvalHistory);
        CopyList(s.List("votesharehistory", game.voteShareHistory.size()), game.voteShareHistory);
        s.End();
    }
    {
        SaveSectionReader s(tree, file.Container("financemonths"));
        game.monthsElapsed = static_cast<int>(s.Int("elapsed", 0, kBig));
        game.ceilingState = static_cast<int>(s.Int("ceilingstate", 0, 2));
        std::vector<float> figures = s.List("figures", 7);
        float* targets[] = {&game.balance, &game.expenses, &game.income, &game.interest,
                            &game.debt,    &game.peak,     &game.ceiling};
        for (size_t i = 0; i < 7; ++i)
            *targets[i] = figures[i];
        CopyList(s.List("income", SavedGame::kFinanceHistory), game.incomeHistory);
        CopyList(s.List("expenditure", SavedGame::kFinanceHistory), game.expenditureHistory);
        CopyList(s.List("debt", SavedGame::kFinanceHistory), game.debtHistory);
        s.End();
    }
    {
        SaveSectionReader s(tree, file.Container("calendarstart"));
        std::vector<float> cycle = s.List("economy", 3);
        game.economyPhase = cycle[0];
        game.economyPeriod = cycle[1];
        game.economyAmplitude = cycle[2];
        game.electionsHeld = static_cast<int>(s.Int("electionsheld", 0, kBig));
        game.gameOver = s.Flag("gameover");
        game.cynicism = s.Real("cynicism");
        s.End();
    }
    {
        SaveSectionReader s(tree, file.Container("groupstate"));
        for (SavedGame::VoterType& group : game.voterTypes) {
            SaveSectionReader g(tree, s.Container("g"));
            group.lastCount = g.Int("lastcount", -1, UINT32_MAX - 1);
            group.trend = static_cast<int>(g.Int("trend", 0, 2));
            group.change = static_cast<int>(g.Int("change", -kBig, kBig));
            group.pollShare = g.Real("pollshare");
            group.pollTurnout = g.Real("pollturnout");
            g.End();
        }
        for (SavedGame::PressureGroup& group : game.pressureGroups) {
            SaveSectionReader p(tree, s.Container("p"));
            group.strength = p.Real("strength");
            group.recruiting = p.Flag("recruiting");
            group.status = static_cast<int>(p.Int("status", 0, 2));
            group.lastCount = p.Int("lastcount", 0, UINT32_MAX);
            p.End();
        }
        for (SavedGame::Party* party : {&game.player, &game.opposition}) {
            SaveSectionReader p(tree, s.Container("party"));
            party->lastCount = p.Int("lastcount", 0, UINT32_MAX);
            party->turnoutPull = p.Real("turnoutpull");
            p.End();
        }
        s.End();
    }
    {
        SaveSectionReader s(tree, file.Container("policystate"));
        for (SavedGame::Policy& policy : game.policies) {
            SaveSectionReader p(tree, s.Container("p"));
            policy.implementation = p.Real("implementation");
            policy.popularity = p.Real("popularity");
            policy.effectsCreated = p.Flag("effects");
            p.End();
        }
        SaveSectionReader active(tree, s.Container("active"));
        while (!active.AtEnd())
            game.activeOrder.push_back(active.Text("name"));
        s.End();
    }
    {
        SaveSectionReader s(tree, file.Container("happenings"));
        for (SavedGame::Named& dilemma : game.dilemmas)
            dilemma.answered = s.Flag("answered");
        while (!s.AtEnd()) {
            SaveSectionReader a(tree, s.Container("added"));
            SavedGame::AddedEvent& event = game.addedEvents.emplace_back();
            event.line = a.Line();
            event.name = a.Text("name");
            event.guiName = a.Text("guiname");
            event.description = a.Text("description");
            event.texture = a.Text("texture");
            event.onImplement = a.Text("onimplement");
            event.onView = a.Text("onview");
            a.End();
        }
    }
    {
        SaveSectionReader s(tree, file.Container("attackqueue"));
        while (!s.AtEnd())
            game.attackQueue.push_back(s.Text("name"));
    }
    {
        SaveSectionReader s(tree, file.Container("cabinet"));
        for (SavedGame::Minister& minister : game.ministers) {
            SaveSectionReader m(tree, s.Container("m"));
            minister.forename = m.Text("forename");
            minister.surname = m.Text("surname");
            minister.female = m.Flag("female");
            minister.resigned = m.Flag("resigned");
            minister.lastWarningTurn = static_cast<int>(m.Int("lastwarning", -kBig, kBig));
            std::vector<float> figures = m.List("figures", 3 + SavedGame::kSuitabilities);
            minister.loyalty = figures[0];
            minister.volatility = figures[1];
            minister.experience = figures[2];
            for (int i = 0; i < SavedGame::kSuitabilities; ++i)
                minister.suitabilities[static_cast<size_t>(i)] = figures[static_cast<size_t>(3 + i)];
            m.End();
        }
        for (int female = 0; female < 2; ++female) {
            SaveSectionReader p(tree, s.Container(female ? "femaleportraits" : "maleportraits"));
            while (!p.AtEnd())
                game.portraitsLeft[static_cast<size_t>(female)].push_back(p.Text("name"));
        }
        s.End();
    }
    {
        SaveSectionReader s(tree, file.Container("grudgestate"));
        for (SavedGame::Grudge& grudge : game.grudges)
            grudge.decay = s.Real("decay");
        s.End();
    }
    {
        SaveSectionReader s(tree, file.Container("pledgestate"));
        game.allKept = s.Flag("allkept");
        game.pledgePenalty = s.Real("penalty");
        for (auto* list : {&game.livePledges, &game.nextPledges})
            for (SavedGame::Pledge& pledge : *list)
                pledge.initial = s.Real("initial");
        s.End();
    }
}

void ReadNetwork(SaveSectionReader& file, SavedGame& game)
{
    const SaveFileTree& tree = file.Tree();
    SaveSectionReader s(tree, file.Container("network"));
    game.neuronTotal = static_cast<int>(s.Int("total", 0, kBig));
    std::vector<bool> taken(static_cast<size_t>(game.neuronTotal), false);
    while (!s.AtEnd()) {
        SaveSectionReader n(tree, s.Container("n"));
        SavedGame::SavedNeuron& neuron = game.neurons.emplace_back();
        neuron.line = n.Line();
        neuron.name = n.Text("name");
        neuron.type = static_cast<int>(n.Int("type", NEURON_PLAIN, NEURON_MINISTER));
        if (neuron.type == NEURON_VOTER)
            n.Fail("a voter in <network>");
        int line = n.Line();
        neuron.position = static_cast<int>(n.Int("pos", 0, game.neuronTotal - 1));
        if (taken[static_cast<size_t>(neuron.position)])
            SaveSectionReader::FailAt(line, "two neurons at place " + std::to_string(neuron.position));
        taken[static_cast<size_t>(neuron.position)] = true;
        std::vector<float> figures = n.List("vb", 2);
        neuron.value = figures[0];
        neuron.base = figures[1];
        CopyList(n.List("h", Neuron::kHistorySize), neuron.history);
        neuron.active = n.Flag("active");
        while (!n.AtEnd()) {
            line = n.Line();
            std::vector<float> e = n.List("e", 9);
            SavedGame::Effect effect;
            // Index, first-update flag, steps and drag are whole numbers.
            for (int i = 0; i < 4; ++i)
                if (e[static_cast<size_t>(i)] != static_cast<float>(static_cast<int>(e[static_cast<size_t>(i)])))
                    SaveSectionReader::FailAt(line, "effect field " + std::to_string(i + 1) + " is not whole");
            effect.source = static_cast<int>(e[0]);
            effect.state.firstUpdatePending = e[1] != 0.0f;
            effect.state.steps = static_cast<int>(e[2]);
            if (e[0] < 0.0f || e[1] < 0.0f || e[1] > 1.0f || e[2] < 1.0f || e[2] > 1000.0f || e[3] < 0.0f ||
                e[3] > static_cast<float>(NeuralEffect::kMaxInertialDrag))
                SaveSectionReader::FailAt(line, "effect source, flag, steps or drag out of range");
            effect.state.inertialDrag = static_cast<unsigned>(e[3]);
            effect.state.multiplier = e[4];
            effect.state.input = e[5];
            effect.state.targetInput = e[6];
            effect.state.output = e[7];
            effect.state.lastChange = e[8];
            neuron.incoming.push_back(effect);
        }
    }
    for (const SavedGame::SavedNeuron& neuron : game.neurons)
        for (const SavedGame::Effect& effect : neuron.incoming)
            if (static_cast<size_t>(effect.source) >= game.neurons.size())
                SaveSectionReader::FailAt(neuron.line, "an effect from a neuron that is not in <network>");
    if (game.neurons.size() != static_cast<size_t>(game.neuronTotal))
        s.Fail("<network> does not hold as many neurons as its total");
}

}  // namespace

void SaveGameParser::KeepRawSections(SaveFileTree& tree) { tree.KeepRaw(SaveVoterSection::kTag); }

void SaveGameParser::Read(const SaveFileTree& tree, const NamePoolSizes& names, SavedGame& game)
{
    SaveSectionReader file(tree, tree.Root());
    ReadHeader(file, game);
    ReadFinances(file, game);
    const int groupSection = tree.FindChild(tree.Root(), "votertypes");
    const int pressureSection = tree.FindChild(tree.Root(), "pressuregroups");
    if (groupSection == SaveFileTree::kNone || pressureSection == SaveFileTree::kNone)
        SaveSectionReader::FailAt(tree.At(tree.Root()).line, "no <votertypes> or <pressuregroups> section");
    ReadVoters(file, groupSection, pressureSection, names, game);
    ReadPolicies(file, game);
    ReadNamed(file, "simvalues", "simvalue", game, game.simValues);
    ReadNamed(file, "situations", "situation", game, game.situations);
    ReadNamed(file, "dilemmas", "dilemma", game, game.dilemmas);
    ReadNamed(file, "events", "event", game, game.events);
    ReadAttacks(file, game);
    ReadMinisters(file, game);
    ReadGroups(file, game);
    ReadGameplay(file, game);
    ReadContinuation(file, game);
    ReadNetwork(file, game);
    // Sections after these come from a later game of the same format: skipped.
}
