#include "update/DownloadPlan.h"

#include "platform/PlatformFiles.h"
#include "update/Sha256.h"
#include "update/WebFolder.h"

DownloadPlan DownloadPlan::Make(const UpdateManifest& manifest, const std::string& webRoot,
                                const std::string& programRoot)
{
    DownloadPlan plan;
    const WebFolder web(webRoot);
    for (const UpdateManifest::Entry& entry : manifest.Entries()) {
        Item item;
        item.entry = entry;
        std::string current;
        bool have = web.Read(entry.path, current);
        if (!have)
            have = PlatformFiles::ReadFile(programRoot + "/" + entry.path, current);
        if (!have)
            item.state = State::New;
        else if (current.size() == entry.size && Sha256::Of(current) == entry.sha256)
            item.state = State::UpToDate;
        else
            item.state = State::Changed;
        item.accepted = item.state != State::UpToDate;
        plan.mItems.push_back(item);
    }
    return plan;
}

int DownloadPlan::CountToFetch() const
{
    int count = 0;
    for (const Item& item : mItems)
        count += item.accepted ? 1 : 0;
    return count;
}
