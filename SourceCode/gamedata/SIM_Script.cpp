#include "gamedata/SIM_Script.h"

#include <cstdio>

#include "engine/Diagnostics.h"
#include "gamedata/CFinances.h"
#include "gamedata/RecordTokenizer.h"
#include "gamedata/SIM_EventManager.h"
#include "gamedata/SIM_Mission.h"
#include "platform/NumberText.h"
#include "platform/PlatformFiles.h"
#include "politics/SIM_Grudge.h"
#include "sim/Presentation.h"
#include "sim/SIM_Policy.h"
#include "sim/SimulationState.h"

namespace {

std::string TrimEnd(std::string text)
{
    while (!text.empty() && (text.back() == ' ' || text.back() == '\r' || text.back() == '\n'))
        text.pop_back();
    return text;
}

// The first line of a script file, or fatal when it cannot be read.
std::string ReadScriptFile(const std::string& path)
{
    std::vector<std::string> lines;
    if (!PlatformFiles::ReadLines(path, lines))
        FATAL_ERROR("Failed to find " + path);
    std::string line = lines.empty() ? "" : lines[0];
    if (line.size() > 1023)
        line.resize(1023);
    return TrimEnd(line);
}

// Whole amount times the mission's wealth, truncated.
int AdjustedAmount(const std::string& text)
{
    return static_cast<int>(static_cast<float>(NumberText::ParseInt(text)) * SIM_Mission::Get().Wealth());
}

struct PlainCommand {
    const char* name;
    void (*run)();
};

void Close(Presentation::Window window) { Presentation::Current().CloseWindow(window); }

const PlainCommand kPlainCommands[] = {
    {"CloseReports", [] { Close(Presentation::WINDOW_REPORTS); }},
    {"CloseCabinet", [] { Close(Presentation::WINDOW_CABINET); }},
    {"ClosePolls", [] { Close(Presentation::WINDOW_POLLS); }},
    {"ClosePolicyPicker", [] { Close(Presentation::WINDOW_POLICY_PICKER); }},
    {"CloseIntelReport", [] { Close(Presentation::WINDOW_INTEL_REPORT); }},
    {"ClosePolicyDetails", [] { Close(Presentation::WINDOW_POLICY_DETAILS); }},
    {"CloseSimulationDetails", [] { Close(Presentation::WINDOW_SIMULATION_DETAILS); }},
    {"CloseVoterDetails", [] { Close(Presentation::WINDOW_VOTER_DETAILS); }},
    {"ClearPermittedIcons", [] { Presentation::Current().ClearPermittedIcons(); }},
    {"ClearAllowedButtons", [] { Presentation::Current().SetAllowedButton(""); }},
    {"AllowClicks", [] { Presentation::Current().AllowClicks(); }},
    {"ClosePartyWindow", [] { Close(Presentation::WINDOW_PARTY); }},
    {"CloseFinanceWindow", [] { Close(Presentation::WINDOW_FINANCE); }},
};

const char* const kFlagNames[] = {"HIDEPOLICYICONS", "HIDESITUATIONICONS", "HIDESIMICONS",
                                  "HIDEVOTERICONS",  "HIDEPOPBAR",         "DISABLEICONCONNECTORS"};

void SetPlayGuideFlag(const std::string& flag, const std::string& state)
{
    if (state != "TRUE" && state != "FALSE")
        FATAL_ERROR("Unknown flag state");
    for (int i = 0; i < 6; ++i)
        if (flag == kFlagNames[i]) {
            Presentation::Current().SetPlayGuideFlag(static_cast<Presentation::PlayGuideFlag>(i), state == "TRUE");
            return;
        }
    FATAL_ERROR("unknown flag");
}

}  // namespace

SIM_Script& SIM_Script::Get()
{
    static SIM_Script script;
    return script;
}

bool SIM_Script::IsScriptFile(const std::string& script)
{
    const std::string suffix = ".txt";
    return script.size() >= suffix.size() && script.compare(script.size() - suffix.size(), suffix.size(), suffix) == 0 &&
           script.find('(') == std::string::npos && script.find(')') == std::string::npos;
}

std::vector<std::string> SIM_Script::SplitCommands(const std::string& list)
{
    std::vector<std::string> commands;
    RecordTokenizer fields(list, ';');
    fields.SetKeepQuotes(true);
    while (!fields.AtEnd()) {
        std::string command = fields.NextTrimmedText();
        if (!command.empty())
            commands.push_back(command);
    }
    return commands;
}

void SIM_Script::Run(const std::string& script)
{
    if (mDepth >= kMaxDepth) {
        TRACE_MESSAGE("script nested too deeply, not run: " + script);
        return;
    }
    const std::string list = IsScriptFile(TrimEnd(script)) ? ReadScriptFile(TrimEnd(script)) : script;
    ++mDepth;
    try {
        for (const std::string& command : SplitCommands(list))
            RunCommand(command);
    } catch (...) {
        --mDepth;
        throw;
    }
    --mDepth;
}

void SIM_Script::ParseCommand(const std::string& command)
{
    const size_t open = command.find('(');
    mCommand = command.substr(0, open);
    if (open == std::string::npos)
        return;
    const size_t close = command.rfind(')');
    const std::string arguments =
        close == std::string::npos || close < open ? command.substr(open + 1) : command.substr(open + 1, close - open - 1);
    RecordTokenizer fields(arguments);
    for (int slot = 0; !fields.AtEnd(); ++slot) {
        std::string argument = fields.NextTrimmedText();
        if (slot < kSlotCount)
            mSlots[static_cast<size_t>(slot)] = argument;
        else
            TRACE_MESSAGE("more than six arguments, the rest ignored: " + command);
    }
}

void SIM_Script::RunCommand(const std::string& command)
{
    ParseCommand(command);
    if (!RunPlainCommand() && !RunArgumentCommand())
        FATAL_ERROR("Unknown scripted function");
}

bool SIM_Script::RunPlainCommand()
{
    for (const PlainCommand& plain : kPlainCommands)
        if (mCommand == plain.name) {
            plain.run();
            return true;
        }
    return false;
}

bool SIM_Script::RunArgumentCommand()
{
    const auto& a = mSlots;
    Presentation& screens = Presentation::Current();
    auto number = [](const std::string& text) { return NumberText::ParseFloat(text); };

    if (mCommand == "CreateNamedGrudge")
        SIM_Grudge::CreateNamedGrudge(a[0], a[1], number(a[2]), number(a[3]));
    else if (mCommand == "CreateGrudge")
        SIM_Grudge::CreateGrudge(a[0], a[1], number(a[2]), number(a[3]));
    else if (mCommand == "CreateInertialGrudge")
        SIM_Grudge::CreateInertialGrudge(a[0], a[1], number(a[2]), number(a[3]), number(a[4]));
    else if (mCommand == "PlaySound")
        screens.PlaySound("data/sounds/" + a[0]);
    else if (mCommand == "EarnAdjusted")
        CFinances::Get().Earn(AdjustedAmount(a[0]));
    else if (mCommand == "SpendAdjusted")
        CFinances::Get().Spend(AdjustedAmount(a[0]));
    else if (mCommand == "SetPlayGuideFlag")
        SetPlayGuideFlag(a[0], a[1]);
    else if (mCommand == "ShowDetails") {
        Neuron* neuron = Neuron::FindNeuronQuietly(a[0]);
        if (!neuron)
            FATAL_ERROR("Failed to ShowDetails");
        if (neuron->GetType() == NEURON_POLICY)
            screens.ShowDetails(static_cast<SIM_Policy*>(neuron));
    } else if (mCommand == "TriggerEvent")
        SIM_EventManager::Get().TriggerByName(a[0]);
    else if (mCommand == "GameOver") {
        // The model decides; the window only shows it.
        SimulationState::Get().SetGameOver(true);
        screens.ShowGameOver(a[0], a[1]);
    } else if (mCommand == "AddPermittedIcon")
        screens.AddPermittedIcon(Neuron::FindNeuronQuietly(a[0]));
    else if (mCommand == "SetAllowedButton")
        screens.SetAllowedButton(a[0]);
    else if (mCommand == "TutorialWindow")
        screens.TutorialWindow(a[0], number(a[1]), number(a[2]));
    else if (mCommand == "PlayGuideWindow")
        screens.PlayGuideWindow(a[0], number(a[1]), number(a[2]), a[3] == "TRUE");
    else
        return false;
    return true;
}
