#pragma once
#include <functional>
#include <string>

// The debug log: "debugdata/debug.txt" under the working directory, a new file
// at every run. When the folder is missing the log stays closed and silent.
class DebugLog {
public:
    static void Open();                         // opens the default path
    static void Open(const std::string& path);  // tests point it elsewhere
    static void Write(const std::string& text);
    static void Close();
    static bool IsOpen();

    // Sees every line handed to Write, whether or not the file is open.
    // Tests use it to check what was reported; the game leaves it empty.
    using Observer = std::function<void(const std::string&)>;
    static void SetObserver(Observer observer);
};
