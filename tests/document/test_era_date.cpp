// The era date of a day, as 作成日 shows it and the document prints it.
#include "document/era_date.h"

#include <gtest/gtest.h>

namespace {

struct EraDay {
    const char *name;
    QDate date;
    const char *text;
};

void PrintTo(const EraDay &row, std::ostream *os) { *os << row.name; }

class EraDate : public testing::TestWithParam<EraDay> {};

TEST_P(EraDate, IsWrittenInTheEraOfTheDay)
{
    EXPECT_EQ(document::era_date(GetParam().date).toStdString(), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Days, EraDate,
    testing::Values(EraDay{"reiwa", QDate(2026, 12, 8), "令和8年12月8日"},
                    EraDay{"reiwa_first_day", QDate(2019, 5, 1), "令和元年5月1日"},
                    EraDay{"heisei_last_day", QDate(2019, 4, 30), "平成31年4月30日"},
                    EraDay{"heisei_first_day", QDate(1989, 1, 8), "平成元年1月8日"},
                    EraDay{"showa_last_day", QDate(1989, 1, 7), "昭和64年1月7日"},
                    EraDay{"before_the_gregorian_calendar", QDate(1872, 12, 31), "1872年12月31日"},
                    EraDay{"invalid", QDate(), ""}),
    [](const testing::TestParamInfo<EraDay> &info) { return std::string(info.param.name); });

} // namespace
