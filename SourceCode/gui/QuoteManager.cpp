#include "gui/QuoteManager.h"

#include "engine/RandomSeed.h"
#include "gamedata/RecordTokenizer.h"
#include "gamedata/UserFolders.h"
#include "platform/PlatformFiles.h"
#include "sim/SimRandom.h"

namespace {
constexpr size_t kMinRecord = 9;
constexpr size_t kMaxLine = 1023;
}  // namespace

QuoteManager& GetQuoteManager()
{
    static QuoteManager* manager = [] {
        auto* created = new QuoteManager;
        created->Load("data/quotes.csv");
        for (const std::string& root : UserFolders::Get().ModRoots())
            created->Load(root + "/data/quotes.csv");
        SimRandom::Seed(RandomSeed::Pick());
        created->PickRandom();
        return created;
    }();
    return *manager;
}

void QuoteManager::Load(const std::string& path)
{
    std::string text;
    if (!PlatformFiles::ReadFile(path, text))
        return;
    for (const std::string& line : PlatformFiles::SplitLines(text))
        AddRecordLine(line.substr(0, kMaxLine));
}

void QuoteManager::AddRecordLine(const std::string& line)
{
    if (line.size() < kMinRecord || line[0] != '#')
        return;
    RecordTokenizer fields(line);
    fields.SkipField();
    std::string quotation = fields.NextText();
    std::string author = fields.NextText();
    mQuotes.emplace_back(std::move(quotation), "-" + author);
}

void QuoteManager::PickRandom()
{
    mCurrent = mQuotes.empty() ? 0 : static_cast<size_t>(SimRandom::Float(0.0f, static_cast<float>(mQuotes.size() - 1)));
}

void QuoteManager::Next()
{
    if (mQuotes.empty())
        return;
    mCurrent = (mCurrent + 1) % mQuotes.size();
}

std::string QuoteManager::Quotation() const { return mQuotes.empty() ? "" : mQuotes[mCurrent].first; }

std::string QuoteManager::Author() const { return mQuotes.empty() ? "" : mQuotes[mCurrent].second; }
