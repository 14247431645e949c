#include "engine/DebugLog.h"

#include <cstdio>

namespace {
FILE* gLogFile = nullptr;
DebugLog::Observer gObserver;
}

void DebugLog::Open() { Open("debugdata/debug.txt"); }

void DebugLog::Open(const std::string& path)
{
    Close();
    gLogFile = std::fopen(path.c_str(), "w");
    if (gLogFile)
        Write("----DEBUG FILE----");
}

void DebugLog::Write(const std::string& text)
{
    if (gObserver)
        gObserver(text);
    if (!gLogFile)
        return;
    std::fputs(text.c_str(), gLogFile);
    std::fputc('\n', gLogFile);
    // Flushed at once so that the file is complete even when the process is killed.
    std::fflush(gLogFile);
}

void DebugLog::Close()
{
    if (!gLogFile)
        return;
    std::fputs("END DEBUG---\n", gLogFile);
    std::fclose(gLogFile);
    gLogFile = nullptr;
}

bool DebugLog::IsOpen() { return gLogFile != nullptr; }

void DebugLog::SetObserver(Observer observer) { gObserver = std::move(observer); }
