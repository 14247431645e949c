#pragma once
#include <string>

#include "engine/SmartTexture.h"
#include "gui/GUI_Screen.h"

// What the player sees while a game is set up or a turn is processed: a
// picture, a quotation, the progress bar and text, then "click to continue".
class GUI_ProcessingScreen : public GUI_Screen {
public:
    GUI_ProcessingScreen();

    void Render() override;
    bool OnClick(float x, float y) override;

    // A new piece of work begins: not finished, no progress, this picture.
    void Begin(const std::string& picture);
    void SetProgress(const std::string& text, float value);
    void SetProgressText(const std::string& text) { mProgressText = text; }
    void SetFinished(bool finished) { mFinished = finished; }

    bool Finished() const { return mFinished; }
    float Progress() const { return mProgress; }
    const std::string& ProgressText() const { return mProgressText; }
    // Chunks of the bar for a progress value.
    static int ChunkCount(float progress);

private:
    void DrawQuotation(int w, int h);
    void DrawProgressBar(int w, int h);

    bool mFinished = false;
    float mProgress = 0.0f;
    std::string mProgressText;
    SmartTexture mPicture{"loadscreen.jpg"};
};

GUI_ProcessingScreen& GetProcessingScreen();
