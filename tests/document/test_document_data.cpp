// The document's data as the document prints it: the era date of a day, the date a document bears,
// and its title.
#include "document/document_data.h"
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
                    EraDay{"taisho_first_day", QDate(1912, 7, 30), "大正元年7月30日"},
                    EraDay{"meiji_last_day", QDate(1912, 7, 29), "明治45年7月29日"},
                    EraDay{"before_the_gregorian_calendar", QDate(1872, 12, 31), "1872年12月31日"},
                    EraDay{"invalid", QDate(), ""}),
    [](const testing::TestParamInfo<EraDay> &info) { return std::string(info.param.name); });

struct Printed {
    const char *name;
    document::DocumentData data;
    const char *title;
    const char *designer;
    const char *date;  // printed on 2026-12-08
};

void PrintTo(const Printed &row, std::ostream *os) { *os << row.name; }

class DocumentPrinted : public testing::TestWithParam<Printed> {};

TEST_P(DocumentPrinted, TitleDesignerAndDate)
{
    const Printed &row = GetParam();
    EXPECT_EQ(row.data.title().toStdString(), row.title);
    EXPECT_EQ(row.data.designer().toStdString(), row.designer);
    EXPECT_EQ(row.data.date_on(QDate(2026, 12, 8)).toStdString(), row.date);
    EXPECT_EQ(row.data.is_empty(), std::string(row.name) == "nothing_entered");
}

document::DocumentData entered(QString works, QString company, QString person, QString date)
{
    document::DocumentData data;
    data.works_name = works;
    data.designer_company = company;
    data.designer_person = person;
    data.creation_date = date;
    return data;
}

INSTANTIATE_TEST_SUITE_P(
    Documents, DocumentPrinted,
    testing::Values(Printed{"nothing_entered", {}, "構造計算書", "", "令和8年12月8日"},
                    Printed{"all_entered", entered("○○地区用水路改修工事", "△△設計株式会社", "山田太郎", "令和8年11月"),
                            "○○地区用水路改修工事 構造計算書", "△△設計株式会社　山田太郎", "令和8年11月"},
                    Printed{"blank_works_name", entered("  ", "", "山田太郎", ""), "構造計算書", "山田太郎",
                            "令和8年12月8日"}),
    [](const testing::TestParamInfo<Printed> &info) { return std::string(info.param.name); });

} // namespace
