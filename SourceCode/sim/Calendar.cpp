#include "sim/Calendar.h"

#include "gamedata/Localisation.h"
#include "platform/NumberText.h"

Calendar& Calendar::Get()
{
    static Calendar calendar;
    return calendar;
}

void Calendar::AdvanceMonth()
{
    ++mMonth;
    if (mMonth >= 12) {
        mMonth = 0;
        ++mYear;
    }
}

void Calendar::AdvanceTurn()
{
    for (int i = 0; i < 3; ++i)
        AdvanceMonth();
}

void Calendar::Set(int month, int year)
{
    int total = year * 12 + month;
    mYear = total >= 0 ? total / 12 : -((-total + 11) / 12);
    mMonth = total - mYear * 12;
}

int Calendar::MonthsUntil(int month, int year) const { return (year - mYear) * 12 + month - mMonth; }

std::string Calendar::MonthCaption(int month)
{
    return translate("CALENDAR_" + NumberText::FormatInt(month));
}
