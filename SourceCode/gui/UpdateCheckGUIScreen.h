#pragma once
#include <string>
#include <vector>

#include "gui/GUI_Screen.h"
#include "update/UpdateCheck.h"

class GUI_CheckButton;

// The update check: fetches the list of current data files from the address
// in the setup section, shows which files differ from the player's, and
// downloads the ticked ones into the web folder with a progress bar. All
// network work runs on the check's worker thread; leaving the screen cancels it.
class UpdateCheckGUIScreen : public GUI_Screen {
public:
    // The setup key that holds the list's address; empty means no update source.
    static constexpr const char* kAddressKey = "UPDATE_MANIFEST_URL";
    // Files shown with a tick box; further files follow the list's choice.
    static constexpr int kVisibleRows = 8;

    void Activate() override;
    void Deactivate() override;
    void Update() override;
    void Render() override;
    void OnKey(int scanCode) override;

    const UpdateCheck& Check() const { return mCheck; }

private:
    void StartCheck();
    void StartDownload();
    void Leave();
    void TakeStatus();
    void BuildRows();
    void DrawRows(float left, float top, float width);
    void DrawProgress(int left, int top, int right);
    std::string Headline() const;

    UpdateCheck mCheck;
    UpdateCheck::Status mStatus;
    int mSeenVersion = -1;
    std::string mAddress;
    std::vector<GUI_CheckButton*> mRows;
    GRect mPanel;
};

UpdateCheckGUIScreen& GetUpdateCheckGUIScreen();
