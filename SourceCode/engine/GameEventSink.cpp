#include "engine/GameEventSink.h"

#include "engine/CInput.h"
#include "engine/Game.h"

void GameEventSink::OnCloseRequested() { mGame.OnCloseRequested(); }

void GameEventSink::OnActiveChanged(bool active) { mGame.SetActive(active); }

void GameEventSink::OnDisplayLost() { mGame.OnDisplayLost(); }

void GameEventSink::OnInput(const InputRecord& record) { GetInput().QueueRecord(record); }
