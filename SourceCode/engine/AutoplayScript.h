#pragma once
#include <string>
#include <vector>

class Game;

// Drives the game from a small script, for automated runs of the real program
// (started with the hidden option "--autoplay FILE"; a normal run reads none).
// Input goes in as window-system events, so it takes the player's path:
// window coordinates, the letterbox mapping, the input buffer, the screens.
//
//   wait N               let N frames pass
//   click NAME           click the named button (it must be enabled and take clicks now)
//   click-if NAME        click the named button when it takes clicks now, else go on (for
//                        what chance brings: a dilemma, an event, an award)
//   click X Y            press and release the left button at screen pixel (X, Y), in one frame
//   key NAME             press and release a key: Escape, Return, Space, Backspace, F1..F12, or a scan code
//   expect-state N       stop with a failure unless the game shows state N
//   expect-window NAME   stop with a failure unless the named window is open
//   dump-windows FILE    write the window tree (names, rectangles, states) as text
//   screenshot FILE      write the last frame as a PNG
//   timeout N            fail when the game still runs after N frames (default 3000)
// Blank lines and lines starting with '#' are skipped. A relative FILE lies in
// the output folder (the game's "--screenshot-dir DIR", else the current one).
class AutoplayScript {
public:
    struct Command {
        std::string name;
        int a = 0;
        int b = 0;
        std::string text;  // a button, key or window name
        int line = 0;
    };

    // False with *error naming the file and line when the script can't be used.
    bool Load(const std::string& path, std::string* error);
    bool Parse(const std::string& text, const std::string& fileName, std::string* error);

    // Where relative files of dump-windows and screenshot go.
    void SetOutputFolder(const std::string& folder) { mOutputFolder = folder; }
    std::string ResolveOutput(const std::string& file) const;

    // Hooks the script into the game's frames.
    void Attach(Game& game);
    // Runs what is due after the given frame was drawn.
    void AfterFrame(Game& game, long frame);

    // Exit codes of a failed run.
    static constexpr int kTimedOut = 4;
    static constexpr int kExpectationFailed = 5;
    static constexpr int kCannotWrite = 6;

    const std::vector<Command>& Commands() const { return mCommands; }

private:
    void Fail(Game& game, int exitCode, const std::string& message);

    bool Run(Game& game, const Command& command);
    bool WriteOutput(Game& game, const Command& command, const std::string& where);

    std::vector<Command> mCommands;
    std::string mFileName;
    std::string mOutputFolder;
    size_t mNext = 0;
    long mResumeAtFrame = 0;
    long mTimeoutFrames = 3000;
};
