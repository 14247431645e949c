#include "update/UpdateCheck.h"

#include "update/Sha256.h"
#include "update/WebFolder.h"

UpdateCheck::~UpdateCheck()
{
    Cancel();
    Wait();
}

void UpdateCheck::Cancel() { mCancel = true; }

void UpdateCheck::Wait()
{
    if (mWorker.joinable())
        mWorker.join();
}

UpdateCheck::Status UpdateCheck::GetStatus() const
{
    std::lock_guard<std::mutex> lock(mMutex);
    return mStatus;
}

bool UpdateCheck::IsBusy() const
{
    std::lock_guard<std::mutex> lock(mMutex);
    return mStatus.phase == Phase::Fetching || mStatus.phase == Phase::Downloading;
}

void UpdateCheck::Publish(Phase phase, const std::string& detail)
{
    {
        std::lock_guard<std::mutex> lock(mMutex);
        mStatus.phase = phase;
        mStatus.detail = detail;
    }
    ++mVersion;
}

void UpdateCheck::Start(void (UpdateCheck::*work)())
{
    // A cancelled worker ends within a second or so; it must be gone before
    // the next one touches the same status.
    Wait();
    mCancel = false;
    mWorker = std::thread(work, this);
}

std::string UpdateCheck::FileUrl(const std::string& manifestUrl, const std::string& path)
{
    std::string base = manifestUrl.substr(0, manifestUrl.find_first_of("?#"));
    size_t slash = base.rfind('/');
    size_t hostStart = base.find("://");
    if (slash == std::string::npos || (hostStart != std::string::npos && slash < hostStart + 3))
        return base + "/" + path;
    return base.substr(0, slash + 1) + path;
}

void UpdateCheck::Check(const std::string& manifestUrl, const std::string& webRoot, const std::string& programRoot)
{
    Cancel();
    Wait();
    mUrl = manifestUrl;
    mWebRoot = webRoot;
    mProgramRoot = programRoot;
    {
        std::lock_guard<std::mutex> lock(mMutex);
        mStatus = Status{};
    }
    if (manifestUrl.empty()) {
        Publish(Phase::NoSource);
        return;
    }
    Publish(Phase::Fetching);
    Start(&UpdateCheck::FetchList);
}

void UpdateCheck::FetchList()
{
    HttpClient::Limits limits = mLimits;
    limits.maxBytes = 1024 * 1024;
    HttpClient::Result answer = HttpClient::Get(mUrl, limits, &mCancel);
    if (answer.cancelled || mCancel) {
        Publish(Phase::Cancelled);
        return;
    }
    if (!answer.ok) {
        Publish(Phase::Failed, answer.error);
        return;
    }
    UpdateManifest manifest = UpdateManifest::Parse(answer.body, mUrl);
    if (!manifest.IsValid()) {
        {
            std::lock_guard<std::mutex> lock(mMutex);
            mStatus.problems = manifest.Problems();
        }
        Publish(Phase::Failed, "the address does not hold an update list");
        return;
    }
    DownloadPlan plan = DownloadPlan::Make(manifest, mWebRoot, mProgramRoot);
    {
        std::lock_guard<std::mutex> lock(mMutex);
        mStatus.problems = manifest.Problems();
        mStatus.plan = std::move(plan);
    }
    Publish(mCancel ? Phase::Cancelled : Phase::Ready);
}

void UpdateCheck::Download(const std::vector<bool>& accepted)
{
    {
        std::lock_guard<std::mutex> lock(mMutex);
        if (mStatus.phase != Phase::Ready && mStatus.phase != Phase::Finished)
            return;
        uint64_t total = 0;
        std::vector<DownloadPlan::Item>& items = mStatus.plan.Items();
        for (size_t i = 0; i < items.size(); ++i) {
            items[i].accepted = i < accepted.size() && accepted[i] && items[i].result != DownloadPlan::Item::Result::Installed;
            if (items[i].accepted)
                total += items[i].entry.size;
        }
        mStatus.installed = mStatus.failed = 0;
        mBytesDone = 0;
        mBytesTotal = total;
    }
    Publish(Phase::Downloading);
    Start(&UpdateCheck::FetchFiles);
}

bool UpdateCheck::FetchOne(DownloadPlan::Item& item, uint64_t doneBefore)
{
    HttpClient::Limits limits = mLimits;
    limits.maxBytes = item.entry.size;
    auto progress = [this, doneBefore](uint64_t received) { mBytesDone = doneBefore + received; };
    HttpClient::Result answer = HttpClient::Get(FileUrl(mUrl, item.entry.path), limits, &mCancel, progress);
    if (!answer.ok) {
        item.error = answer.error;
        return false;
    }
    // Checked in memory, so a file that does not match never touches the disk.
    if (answer.body.size() != item.entry.size) {
        item.error = "the size does not match the list; discarded";
        return false;
    }
    if (Sha256::Of(answer.body) != item.entry.sha256) {
        item.error = "the content does not match the list; discarded";
        return false;
    }
    return WebFolder(mWebRoot).Install(item.entry.path, answer.body, &item.error);
}

void UpdateCheck::FetchFiles()
{
    std::vector<DownloadPlan::Item> items;
    {
        std::lock_guard<std::mutex> lock(mMutex);
        items = mStatus.plan.Items();
    }
    uint64_t done = 0;
    int installed = 0, failed = 0;
    for (size_t i = 0; i < items.size() && !mCancel; ++i) {
        DownloadPlan::Item& item = items[i];
        if (!item.accepted)
            continue;
        bool ok = FetchOne(item, done);
        if (mCancel)
            break;
        item.result = ok ? DownloadPlan::Item::Result::Installed : DownloadPlan::Item::Result::Failed;
        if (ok) {
            item.state = DownloadPlan::State::UpToDate;
            item.accepted = false;
        }
        (ok ? installed : failed) += 1;
        done += item.entry.size;
        mBytesDone = done;
        {
            std::lock_guard<std::mutex> lock(mMutex);
            mStatus.plan.Items()[i] = item;
            mStatus.installed = installed;
            mStatus.failed = failed;
        }
        ++mVersion;
    }
    Publish(mCancel ? Phase::Cancelled : Phase::Finished);
}
