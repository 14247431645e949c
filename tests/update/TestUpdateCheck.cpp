#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>

#include "LocalHttpServer.h"
#include "UpdateTestFolder.h"
#include "update/Sha256.h"
#include "update/UpdateCheck.h"

namespace {
using Item = DownloadPlan::Item;

std::string Line(const std::string& body, const std::string& path, size_t size = 0)
{
    return Sha256::Of(body) + " " + std::to_string(size ? size : body.size()) + " " + path + "\n";
}

// A served list with one good, one changed, one up-to-date file, one with a
// wrong hash, one with a wrong size, one missing on the server, one escaping
// path and a garbage line.
class UpdateCheckTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::filesystem::create_directories(program.Path() + "/data");
        std::ofstream(program.Path() + "/data/quotes.csv") << "old quotes";
        std::ofstream(program.Path() + "/data/same.csv") << "same";
        server.Serve("/up/data/missions/new.txt", "new mission");
        server.Serve("/up/data/quotes.csv", "new quotes");
        server.Serve("/up/data/same.csv", "same");
        server.Serve("/up/data/badhash.txt", "tampered");
        server.Serve("/up/data/badsize.txt", "short");
        server.Serve("/up/manifest.txt", std::string(UpdateManifest::kHeader) + "\n" +
                                             Line("new mission", "data/missions/new.txt") +
                                             Line("new quotes", "data/quotes.csv") + Line("same", "data/same.csv") +
                                             Line("original", "data/badhash.txt", 8) +
                                             Line("short", "data/badsize.txt", 9) + Line("gone", "data/gone.txt") +
                                             Line("evil", "../evil.txt") + "this is not a line\n");
        server.Serve("/html/manifest.txt", "<html><body>Welcome</body></html>");
        server.Start();
        HttpClient::Limits limits;
        limits.connectSeconds = 5;
        limits.stallSeconds = 5;
        limits.totalSeconds = 10;
        check.SetLimits(limits);
    }

    UpdateCheck::Status Run(const std::string& url)
    {
        check.Check(url, web.Path(), program.Path());
        check.Wait();
        return check.GetStatus();
    }

    const Item* Find(const UpdateCheck::Status& status, const std::string& path)
    {
        for (const Item& item : status.plan.Items())
            if (item.entry.path == path)
                return &item;
        return nullptr;
    }

    UpdateTestFolder program, web;
    LocalHttpServer server;
    UpdateCheck check;
};
}  // namespace

TEST_F(UpdateCheckTest, ComparesTheListThenInstallsMatchingFilesAndDiscardsTheRest)
{
    UpdateCheck::Status status = Run(server.Url("/up/manifest.txt"));
    ASSERT_EQ(status.phase, UpdateCheck::Phase::Ready) << status.detail;
    EXPECT_EQ(status.plan.Items().size(), 6u);
    EXPECT_EQ(status.problems.size(), 2u);  // the escaping path and the garbage line
    EXPECT_EQ(Find(status, "data/missions/new.txt")->state, DownloadPlan::State::New);
    EXPECT_EQ(Find(status, "data/quotes.csv")->state, DownloadPlan::State::Changed);
    EXPECT_FALSE(Find(status, "data/same.csv")->accepted);
    std::vector<bool> accepted;
    for (const Item& item : status.plan.Items())
        accepted.push_back(item.accepted);
    check.Download(accepted);
    check.Wait();
    status = check.GetStatus();
    ASSERT_EQ(status.phase, UpdateCheck::Phase::Finished);
    EXPECT_EQ(status.installed, 2);
    EXPECT_EQ(status.failed, 3);
    for (const char* path : {"data/badhash.txt", "data/badsize.txt", "data/gone.txt"})
        EXPECT_EQ(Find(status, path)->result, Item::Result::Failed) << path;
    EXPECT_NE(Find(status, "data/gone.txt")->error.find("404"), std::string::npos);
    EXPECT_EQ(check.BytesDone(), check.BytesTotal());

    std::vector<std::string> files = web.Files();
    std::sort(files.begin(), files.end());
    EXPECT_EQ(files, (std::vector<std::string>{"data/missions/new.txt", "data/quotes.csv"}));
    EXPECT_FALSE(std::filesystem::exists(web.Path() + "/../evil.txt"));

    // A second look finds the downloads current.
    status = Run(server.Url("/up/manifest.txt"));
    EXPECT_EQ(Find(status, "data/quotes.csv")->state, DownloadPlan::State::UpToDate);
}

TEST_F(UpdateCheckTest, NetworkTroubleIsAPlainFailure)
{
    const std::string refused = "http://127.0.0.1:" + std::to_string(LocalHttpServer::ClosedPort()) + "/m.txt";
    for (const std::string& url : {server.Url("/missing.txt"), server.Url("/html/manifest.txt"), refused,
                                   std::string("ftp://127.0.0.1/m.txt"), std::string("not a url")}) {
        UpdateCheck::Status status = Run(url);
        EXPECT_EQ(status.phase, UpdateCheck::Phase::Failed) << url;
        EXPECT_FALSE(status.detail.empty()) << url;
        EXPECT_TRUE(status.plan.Items().empty());
    }
    EXPECT_TRUE(web.Files().empty());
}

TEST_F(UpdateCheckTest, AnEmptyAddressMeansNoSource)
{
    EXPECT_EQ(Run("").phase, UpdateCheck::Phase::NoSource);
}

TEST(UpdateCheckUrl, FilesAreFoundBesideTheList)
{
    EXPECT_EQ(UpdateCheck::FileUrl("https://h.example/a/list.txt?v=2", "data/x.txt"), "https://h.example/a/data/x.txt");
    EXPECT_EQ(UpdateCheck::FileUrl("http://h.example", "x.txt"), "http://h.example/x.txt");
}

TEST_F(UpdateCheckTest, CancellingStopsAFetchThatGetsNoAnswer)
{
    LocalHttpServer silent;  // listens, never answers
    HttpClient::Limits patient;
    patient.stallSeconds = 120;
    patient.totalSeconds = 120;
    check.SetLimits(patient);
    check.Check(silent.Url("/m.txt"), web.Path(), program.Path());
    EXPECT_TRUE(check.IsBusy());
    check.Cancel();
    check.Wait();
    EXPECT_EQ(check.GetStatus().phase, UpdateCheck::Phase::Cancelled);
}
