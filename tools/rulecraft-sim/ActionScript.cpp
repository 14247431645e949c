#include "ActionScript.h"

#include <iostream>
#include <sstream>

#include "SimArguments.h"
#include "platform/NumberText.h"
#include "gamedata/SIM_Dilemma.h"
#include "gamedata/SIM_DilemmaManager.h"
#include "gamedata/SaveGameName.h"
#include "gamedata/SaveGames.h"
#include "gamedata/SetupSection.h"
#include "platform/PlatformFiles.h"
#include "politics/CynicismTracker.h"
#include "politics/ElectionManager.h"
#include "politics/SIM_Cabinet.h"
#include "politics/SIM_Manifesto.h"
#include "politics/SIM_Minister.h"
#include "sim/PoliticalCapital.h"
#include "sim/SIM_Policy.h"
#include "sim/SIM_PolicyManager.h"

namespace {

std::string CheckLevel(const std::string& text)
{
    float level = 0.0f;
    if (!ParseWholeFloat(text, level) || level < 0.0f || level > 1.0f)
        return "level must be a number from 0 to 1: " + text;
    return "";
}

float Level(const std::string& text) { return NumberText::ParseFloat(text); }

SIM_Policy* Policy(const std::string& name) { return GetPolicyManager().FindPolicy(name); }

std::string CheckPolicy(const ActionScript::Action& action)
{
    if (!Policy(action.args[0]))
        return "unknown policy: " + action.args[0];
    return "";
}

std::string CheckOptionalLevel(const ActionScript::Action& action)
{
    return action.args.size() > 1 ? CheckLevel(action.args[1]) : "";
}

SIM_PolicyGroup* Ministry(const std::string& name) { return GetPolicyManager().FindGroup(name); }

std::string CheckMinistry(const ActionScript::Action& action)
{
    return Ministry(action.args[0]) ? "" : "unknown ministry: " + action.args[0];
}

std::string Appoint(const ActionScript::Action& action)
{
    SIM_Cabinet& cabinet = SIM_Cabinet::Get();
    SIM_Minister* minister = cabinet.FindInPool(action.args[1], action.args[2]);
    if (!minister || minister->IsInOffice()) {
        std::string free;
        for (SIM_Minister* candidate : cabinet.Pool())
            if (!candidate->IsInOffice())
                free += (free.empty() ? "" : ", ") + candidate->FullName();
        return action.args[1] + " " + action.args[2] + " is not a candidate for office (candidates: " +
               (free.empty() ? "none" : free) + ")";
    }
    cabinet.Appoint(minister, Ministry(action.args[0]));
    cabinet.RecomputeCapital();
    return "";
}

std::string Fire(const ActionScript::Action& action)
{
    SIM_Cabinet& cabinet = SIM_Cabinet::Get();
    SIM_Minister* minister = cabinet.MinisterOf(Ministry(action.args[0]));
    if (!minister)
        return "no minister holds " + action.args[0];
    if (!cabinet.CanFire())
        return "not enough political capital to fire a minister (" +
               std::to_string(GetPoliticalCapital().Available()) + " available, " +
               std::to_string(static_cast<int>(GetTuningValue("FIRE_MINISTER_POINTS_NEEDED", 0.0f))) + " needed)";
    cabinet.Fire(minister);
    return "";
}

std::string CheckOption(const ActionScript::Action& action)
{
    return action.args[1] == "1" || action.args[1] == "2" ? "" : "the option must be 1 or 2: " + action.args[1];
}

std::string CheckDilemma(const ActionScript::Action& action)
{
    return SIM_DilemmaManager::Get().Find(action.args[0]) ? "" : "unknown dilemma: " + action.args[0];
}

std::string Choose(const ActionScript::Action& action)
{
    SIM_Dilemma* dilemma = SIM_DilemmaManager::Get().Find(action.args[0]);
    if (!dilemma->IsPending())
        return "dilemma " + action.args[0] + " is not waiting for an answer";
    dilemma->Choose(action.args[1] == "1" ? 0 : 1);
    return "";
}

// A pledge's name may have spaces: the arguments joined again.
std::string PledgeName(const ActionScript::Action& action)
{
    std::string name;
    for (const std::string& word : action.args)
        name += (name.empty() ? "" : " ") + word;
    return name;
}

std::string CheckPledge(const ActionScript::Action& action)
{
    return SIM_Manifesto::Get().FindPledgeType(PledgeName(action)) ? "" : "unknown pledge: " + PledgeName(action);
}

// Pledges are made for the next term: in the first term, or as a new term starts.
std::string Pledge(const ActionScript::Action& action)
{
    const ElectionManager& elections = ElectionManager::Get();
    if (elections.ElectionsHeld() > 0 && elections.MonthsSinceElection() >= 3)
        return "pledges are made before the first election or at the start of a term";
    const SIM_Manifesto::PledgeType& type = *SIM_Manifesto::Get().FindPledgeType(PledgeName(action));
    if (!SIM_Manifesto::Get().IsAvailable(type))
        return "pledge " + type.Name + " is not on offer";
    SIM_Manifesto::Get().ChoosePledge(type);
    return "";
}

void AddCabinetVerbs(std::map<std::string, ActionScript::Verb>& verbs)
{
    verbs["appoint"] = {3, 3, nullptr, CheckMinistry, Appoint};
    verbs["fire"] = {1, 1, nullptr, CheckMinistry, Fire};
    verbs["choose"] = {2, 2, CheckOption, CheckDilemma, Choose};
    verbs["pledge"] = {1, 12, nullptr, CheckPledge, Pledge};
}

std::string CheckSaveName(const ActionScript::Action& action) { return SaveGameName::Problem(action.args[0]); }

std::string Save(const ActionScript::Action& action)
{
    SaveResult result = SaveGames::Save(action.args[0]);
    return result.ok ? "" : result.message;
}

std::map<std::string, ActionScript::Verb> MakeVerbs()
{
    std::map<std::string, ActionScript::Verb> verbs;

    verbs[ActionScript::kSaveVerb] = {1, 1, CheckSaveName, nullptr, Save};
    verbs["introduce"] = {1, 2, CheckOptionalLevel, CheckPolicy, [](const ActionScript::Action& action) {
                              SIM_Policy* policy = Policy(action.args[0]);
                              if (!policy->IsActive())
                                  CynicismTracker::Get().OnPolicyIntroduced(policy->GetName());
                              policy->Introduce();
                              if (action.args.size() > 1)
                                  policy->SetPlayerSetting(Level(action.args[1]));
                              return std::string();
                          }};

    verbs["set"] = {2, 2, CheckOptionalLevel, CheckPolicy, [](const ActionScript::Action& action) {
                        Policy(action.args[0])->SetPlayerSetting(Level(action.args[1]));
                        return std::string();
                    }};

    verbs["cancel"] = {1, 1, nullptr,
                       [](const ActionScript::Action& action) {
                           std::string error = CheckPolicy(action);
                           if (error.empty() && !Policy(action.args[0])->IsCancellable())
                               error = "policy cannot be cancelled: " + action.args[0];
                           return error;
                       },
                       [](const ActionScript::Action& action) {
                           SIM_Policy* policy = Policy(action.args[0]);
                           if (policy->IsActive()) {
                               policy->Cancel();
                               CynicismTracker::Get().OnPolicyCancelled(policy->GetName());
                           }
                           return std::string();
                       }};
    AddCabinetVerbs(verbs);
    return verbs;
}

}  // namespace

const std::map<std::string, ActionScript::Verb>& ActionScript::Verbs()
{
    static const std::map<std::string, Verb> verbs = MakeVerbs();
    return verbs;
}

bool ActionScript::Load(const std::string& path, std::string& error, const std::string& shownAs)
{
    mPath = shownAs.empty() ? path : shownAs;
    mActions.clear();
    std::vector<std::string> lines;
    if (!PlatformFiles::ReadLines(path, lines)) {
        error = mPath + ": cannot read the actions file";
        return false;
    }
    for (size_t i = 0; i < lines.size(); ++i) {
        std::string where = mPath + ":" + std::to_string(i + 1) + ": ";
        std::istringstream words(lines[i]);
        std::vector<std::string> tokens;
        std::string token;
        while (words >> token)
            tokens.push_back(token);
        if (tokens.empty() || tokens[0][0] == '#')
            continue;
        Action action;
        action.line = static_cast<int>(i + 1);
        long long turn = 0;
        if (!ParseWholeInt(tokens[0], turn) || turn < 3 || turn > 1000000) {
            error = where + "the turn must be a whole number from 3 on: " + tokens[0];
            return false;
        }
        action.turn = static_cast<int>(turn);
        if (tokens.size() < 2) {
            error = where + "missing verb";
            return false;
        }
        action.verb = tokens[1];
        auto verb = Verbs().find(action.verb);
        if (verb == Verbs().end()) {
            error = where + "unknown verb: " + action.verb;
            return false;
        }
        action.args.assign(tokens.begin() + 2, tokens.end());
        if (action.args.size() < verb->second.minArgs || action.args.size() > verb->second.maxArgs) {
            error = where + "wrong number of arguments for " + action.verb;
            return false;
        }
        if (verb->second.checkSyntax) {
            std::string reason = verb->second.checkSyntax(action);
            if (!reason.empty()) {
                error = where + reason;
                return false;
            }
        }
        mActions.push_back(std::move(action));
    }
    return true;
}

bool ActionScript::CheckNames(std::string& error) const
{
    for (const Action& action : mActions) {
        const Verb& verb = Verbs().at(action.verb);
        if (!verb.checkNames)
            continue;
        std::string reason = verb.checkNames(action);
        if (!reason.empty()) {
            error = mPath + ":" + std::to_string(action.line) + ": " + reason;
            return false;
        }
    }
    return true;
}

void ActionScript::ApplyTurn(int turn) const
{
    // A save holds the turn's other moves, whatever the order in the file.
    for (bool saves : {false, true}) {
        for (const Action& action : mActions) {
            if (action.turn != turn || (action.verb == kSaveVerb) != saves)
                continue;
            std::string reason = Verbs().at(action.verb).apply(action);
            if (!reason.empty()) {
                std::cout.flush();
                std::cerr << mPath << ":" << action.line << ": " << reason << "\n";
                std::cerr.flush();
            }
        }
    }
}
