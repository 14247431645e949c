#pragma once
#include <memory>
#include <string>
#include <vector>

#include "gui/ElectionCountReplay.h"
#include "gui/Fireworks.h"
#include "gui/GUI_GameWindow.h"
#include "politics/ElectionManager.h"

// The count of an election the model has decided, shown a few voters a
// frame; then the verdict with the crowd's voice, fireworks for a clear
// win, and the way on to the post-election screen.
class GUI_ElectionResults : public GUI_GameWindow {
public:
    static constexpr const char* kName = "ElectionResults";
    static void Open(const ElectionResult& result, std::vector<std::string> brokenPledges);
    // The latest election again (from the main screen).
    static void OpenLast();
    static void Close() { CloseNamed(kName); }

    GUI_ElectionResults(const ElectionResult& result, std::vector<std::string> brokenPledges);
    ~GUI_ElectionResults() override;
    void Update() override;
    void Draw() override;
    void DrawContents() override;

    const ElectionCountReplay& Count() const { return mCount; }
    // The crowd that greets a share of the vote.
    static std::string CrowdSound(float share);
    // Fireworks only for a share strictly above one half.
    static bool Celebrates(float share) { return share > 0.5f; }

private:
    void Conclude();

    ElectionResult mResult;
    std::vector<std::string> mBroken;
    ElectionCountReplay mCount;
    bool mConcluded = false;
    std::unique_ptr<Fireworks> mFireworks;
    GUI_ButtonBase* mSkip = nullptr;
    GUI_ButtonBase* mSeeResults = nullptr;
};
