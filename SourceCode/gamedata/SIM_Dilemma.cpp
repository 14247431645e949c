#include "gamedata/SIM_Dilemma.h"

#include <cstdio>

#include "engine/DebugLog.h"
#include "engine/Diagnostics.h"
#include "gamedata/IniSection.h"
#include "gamedata/NamePool.h"
#include "gamedata/SIM_IssuesManager.h"
#include "gamedata/SIM_Mission.h"
#include "gamedata/SIM_Script.h"
#include "politics/RandomDraws.h"
#include "sim/Presentation.h"

namespace {

// Every occurrence, searching on after each replacement, so that a name which
// itself holds the placeholder cannot make it loop.
std::string ReplaceAll(std::string text, const std::string& placeholder, const std::string& value)
{
    for (size_t at = text.find(placeholder); at != std::string::npos; at = text.find(placeholder, at + value.size()))
        text.replace(at, placeholder.size(), value);
    return text;
}

std::string RandomForename(bool female)
{
    const NamePool& names = NamePool::Get();
    const auto& list = female ? names.FemaleForenames() : names.MaleForenames();
    return list.empty() ? (female ? "Mara" : "Tomas") : list[RandomIndex(list.size())];
}

}  // namespace

SIM_Dilemma::SIM_Dilemma()
{
    SetType(NEURON_DILEMMA);
    SetActive(false);
    SetOwnedByParent();
    char line[64];
    std::snprintf(line, sizeof line, "constrcutor dilemma address is %p", static_cast<void*>(this));
    DebugLog::Write(line);
}

SIM_Dilemma* SIM_Dilemma::Load(const std::string& path)
{
    IniSection head;
    head.Load("dilemma", path);
    if (head.GetText("name").empty())
        FATAL_ERROR(path + ": a dilemma needs a name in its [dilemma] section");
    auto* dilemma = new SIM_Dilemma();
    dilemma->SetName(head.GetText("name"));
    dilemma->SetDisplayName(head.GetText("guiname"));
    dilemma->mDescription = head.GetText("description");

    IniSection section;
    section.Load("influences", path);
    for (const IniEntry& entry : section.Entries())
        dilemma->ParseInfluenceLine(entry.value);
    section.Load("prereqs", path);
    for (const IniEntry& entry : section.Entries())
        dilemma->mPrereqs.push_back(entry.value);

    for (const std::string& name : IniSection::SectionNames(path)) {
        if (name.find("option") == std::string::npos)
            continue;
        section.Load(name, path);
        const std::string male = RandomForename(false);
        const std::string female = RandomForename(true);
        auto names = [&](const std::string& text) {
            return ReplaceAll(ReplaceAll(text, "<MaleName>", male), "<FemaleName>", female);
        };
        DilemmaOption option;
        option.name = names(section.GetText("Name"));
        option.description = names(section.GetText("Description"));
        option.onImplement = section.GetText("OnImplement");
        dilemma->AddOption(std::move(option));
    }
    return dilemma;
}

void SIM_Dilemma::AddOption(DilemmaOption option)
{
    option.dilemmaName = GetName();
    option.dilemmaDisplayName = GetDisplayName();
    option.owner = this;
    mOptions.push_back(std::move(option));
}

bool SIM_Dilemma::PrereqsMet() const
{
    for (const std::string& module : mPrereqs)
        if (!SIM_Mission::Get().HasModule(module))
            return false;
    return true;
}

float SIM_Dilemma::Score()
{
    if (mTriggered || !PrereqsMet())
        return 0.0f;
    return Recalculate();
}

void SIM_Dilemma::Trigger()
{
    mTriggered = true;
    mAnswered = false;
    SIM_IssuesManager::Get().Add(this, ISSUE_DILEMMA);
    Presentation::Current().NoticeDilemma(*this);
}

bool SIM_Dilemma::Choose(size_t option)
{
    if (!IsPending() || option >= mOptions.size())
        return false;
    mAnswered = true;
    SIM_Script::Get().Run(mOptions[option].onImplement);
    Presentation::Current().CloseWindow(Presentation::WINDOW_DILEMMA);
    SIM_IssuesManager::Get().Remove(this);
    return true;
}
