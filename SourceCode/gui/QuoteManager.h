#pragma once
#include <string>
#include <utility>
#include <vector>

// The quotations of the processing screen: "data/quotes.csv", then the
// player's mod twin, in one list. One moves on at each turn.
class QuoteManager {
public:
    static constexpr float kWrapWidth = 900.0f;

    // Reads a quotation file's records ("#,quotation,author"); a missing file adds nothing.
    void Load(const std::string& path);
    void AddRecordLine(const std::string& line);
    // Starts at a random quotation.
    void PickRandom();
    void Next();

    size_t Count() const { return mQuotes.size(); }
    size_t CurrentIndex() const { return mCurrent; }
    // The current quotation and its author line ("-Name"); empty when there is none.
    std::string Quotation() const;
    std::string Author() const;

private:
    std::vector<std::pair<std::string, std::string>> mQuotes;
    size_t mCurrent = 0;
};

QuoteManager& GetQuoteManager();
