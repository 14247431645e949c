#include "gamedata/SIM_EventManager.h"

#include "engine/Diagnostics.h"
#include "gamedata/SIM_Event.h"
#include "gamedata/SetupSection.h"
#include "platform/PlatformFiles.h"

SIM_EventManager& SIM_EventManager::Get()
{
    static SIM_EventManager manager;
    return manager;
}

void SIM_EventManager::LoadEvents(const std::string& folder)
{
    for (const std::string& path : PlatformFiles::FindFilePaths(folder + "/*.txt"))
        mEvents.push_back(SIM_Event::Load(path));
    mTurnsSinceLastEvent = 0;
}

SIM_Event* SIM_EventManager::Adopt(SIM_Event* event)
{
    mEvents.push_back(event);
    return event;
}

void SIM_EventManager::PerTurn()
{
    if (GetTuningValue("EVENTS_DISABLE", 0.0f) == 1.0f)
        return;
    if (++mTurnsSinceLastEvent < kTurnsBetweenEvents)
        return;
    SIM_Event* best = nullptr;
    float bestValue = 0.0f;
    for (SIM_Event* event : mEvents)
        if (event->GetValue() > bestValue) {
            best = event;
            bestValue = event->GetValue();
        }
    if (best && bestValue > kTriggerValue) {
        mTurnsSinceLastEvent = 0;
        best->Trigger();
    }
}

SIM_Event* SIM_EventManager::Find(const std::string& name) const
{
    for (SIM_Event* event : mEvents)
        if (event->GetName() == name)
            return event;
    return nullptr;
}

void SIM_EventManager::TriggerByName(const std::string& name)
{
    SIM_Event* event = Find(name);
    if (!event)
        FATAL_ERROR("Failed to trigger event: " + name);
    event->Trigger();
}

void SIM_EventManager::Release()
{
    for (SIM_Event* event : mEvents)
        delete event;
    mEvents.clear();
    mTurnsSinceLastEvent = 0;
}
