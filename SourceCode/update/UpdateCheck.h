#pragma once
#include <atomic>
#include <cstdint>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "platform/HttpClient.h"
#include "update/DownloadPlan.h"

// The update check's work on one worker thread: fetch the list, compare it
// with the player's files, then fetch the files the player accepted into the
// web folder. The frame loop only starts, cancels and reads a copy of the
// status, so it never waits on the network.
class UpdateCheck {
public:
    enum class Phase { Idle, NoSource, Fetching, Ready, Downloading, Finished, Failed, Cancelled };

    struct Status {
        Phase phase = Phase::Idle;
        std::string detail;                 // the reason behind Failed, in plain words
        std::vector<std::string> problems;  // lines of the list that were refused
        DownloadPlan plan;
        int installed = 0;
        int failed = 0;
    };

    UpdateCheck() = default;
    ~UpdateCheck();
    UpdateCheck(const UpdateCheck&) = delete;
    UpdateCheck& operator=(const UpdateCheck&) = delete;

    void SetLimits(const HttpClient::Limits& limits) { mLimits = limits; }

    // Fetches the list at manifestUrl (empty: there is no update source).
    void Check(const std::string& manifestUrl, const std::string& webRoot, const std::string& programRoot);
    // Fetches the plan's items whose flag is set (one flag per item), once Ready.
    void Download(const std::vector<bool>& accepted);
    // Stops the work soon; never waits for it.
    void Cancel();
    // Waits for the worker to end (tests, shutdown).
    void Wait();

    Status GetStatus() const;
    // Changes whenever the status does, so a screen copies it only then.
    int Version() const { return mVersion.load(); }
    bool IsBusy() const;
    // Bytes of the accepted files received so far, and their total.
    uint64_t BytesDone() const { return mBytesDone.load(); }
    uint64_t BytesTotal() const { return mBytesTotal.load(); }

    // Listed paths are relative to the folder of the list itself.
    static std::string FileUrl(const std::string& manifestUrl, const std::string& path);

private:
    void Start(void (UpdateCheck::*work)());
    void FetchList();
    void FetchFiles();
    void Publish(Phase phase, const std::string& detail = "");
    bool FetchOne(DownloadPlan::Item& item, uint64_t doneBefore);

    HttpClient::Limits mLimits;
    std::string mUrl;
    std::string mWebRoot;
    std::string mProgramRoot;

    mutable std::mutex mMutex;
    Status mStatus;
    std::thread mWorker;
    std::atomic<bool> mCancel{false};
    std::atomic<int> mVersion{0};
    std::atomic<uint64_t> mBytesDone{0};
    std::atomic<uint64_t> mBytesTotal{0};
};
