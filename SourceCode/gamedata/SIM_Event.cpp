#include "gamedata/SIM_Event.h"

#include "engine/Diagnostics.h"
#include "gamedata/IniSection.h"
#include "gamedata/SIM_IssuesManager.h"
#include "gamedata/SIM_Mission.h"
#include "gamedata/SIM_Script.h"
#include "sim/Presentation.h"

SIM_Event::SIM_Event()
{
    SetType(NEURON_EVENT);
    // The event manager owns it, not the network.
    SetOwnedByParent();
}

SIM_Event* SIM_Event::Load(const std::string& path)
{
    IniSection config;
    config.Load("config", path);
    if (config.GetText("Name").empty())
        FATAL_ERROR(path + ": an event needs a Name in its [config] section");
    auto* event = new SIM_Event();
    event->SetName(config.GetText("Name"));
    event->SetDisplayName(config.GetText("GUIName"));
    event->mDescription = config.GetText("Description");
    event->mTexture = config.GetText("Texture");
    event->mOnImplement = config.GetText("OnImplement");
    event->mOnView = config.GetText("OnView");

    IniSection influences;
    influences.Load("influences", path);
    for (const IniEntry& entry : influences.Entries())
        event->ParseInfluenceLine(entry.value);
    IniSection prereqs;
    prereqs.Load("prereqs", path);
    for (const IniEntry& entry : prereqs.Entries())
        event->mPrereqs.push_back(entry.value);
    return event;
}

bool SIM_Event::PrereqsMet() const
{
    for (const std::string& module : mPrereqs)
        if (!SIM_Mission::Get().HasModule(module))
            return false;
    return true;
}

float SIM_Event::Recalculate()
{
    if (!PrereqsMet())
        return mValue;
    return Neuron::Recalculate();
}

void SIM_Event::Trigger()
{
    mTriggered = true;
    SIM_IssuesManager::Get().Add(this, ISSUE_EVENT);
    Presentation::Current().NoticeEvent(*this);
    SIM_Script::Get().Run(mOnImplement);
}

void SIM_Event::View() { SIM_Script::Get().Run(mOnView); }
