#pragma once
#include <string>

// The game's calendar: a month (0..11) and a year. A turn is three months.
// Starts at month 0 of year 0; game setup leaves it as it is, so the date runs
// on from one game to the next until a saved game or a mission sets it.
class Calendar {
public:
    static Calendar& Get();

    void AdvanceMonth();
    // The three months of one turn.
    void AdvanceTurn();

    int Month() const { return mMonth; }
    int Year() const { return mYear; }
    // For save games and tests. The month is brought into 0..11, carrying into the year.
    void Set(int month, int year);

    // Months from the current date to the given one (negative when it has passed).
    int MonthsUntil(int month, int year) const;
    // True once the current date has reached or passed the given one.
    bool HasReached(int month, int year) const { return MonthsUntil(month, year) <= 0; }

    // The localised name of a month ("CALENDAR_0" .. "CALENDAR_11").
    static std::string MonthCaption(int month);
    std::string CurrentMonthCaption() const { return MonthCaption(mMonth); }

private:
    int mMonth = 0;
    int mYear = 0;
};
