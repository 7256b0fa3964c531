#include "flume/quantities.h"

#include <gtest/gtest.h>

#include <QHash>
#include <QStringList>

using flume::Field;
using flume::Page;
using flume::Quantity;

namespace {

// The symbols of the rows a rule fails.
template <typename Rule>
QStringList breaking(Rule rule)
{
    QStringList symbols;
    for (const Quantity &q : flume::quantities()) {
        if (!rule(q))
            symbols.append(q.symbol);
    }
    return symbols;
}

// The symbols of the rows that repeat an earlier row's text in a column, among the rows kept.
QStringList repeated(QString Quantity::*column, bool (*kept)(const Quantity &) = [](const Quantity &) { return true; })
{
    QHash<QString, int> seen;
    return breaking([&](const Quantity &q) { return !kept(q) || seen[q.*column]++ == 0; });
}

bool is_input(const Quantity &q) { return flume::kind_of(q.field) == flume::FieldKind::Input; }

// The screen's spelling of a unit and the document's: KN for kN, ｍ for m, 度 for °.
const QHash<QString, QString> si_of_screen_unit = {
    {QString(), QString()},
    {QStringLiteral("ｍ"), QStringLiteral("m")},
    {QStringLiteral("度"), QStringLiteral("°")},
    {QStringLiteral("KN"), QStringLiteral("kN")},
    {QStringLiteral("KN/m"), QStringLiteral("kN/m")},
    {QStringLiteral("KN/m2"), QStringLiteral("kN/m²")},
    {QStringLiteral("KN/m3"), QStringLiteral("kN/m³")},
    {QStringLiteral("KN・m"), QStringLiteral("kN·m")},
};

// A column of the catalogue and the rows that break its rule.
struct Column {
    const char *name;
    QStringList (*breaking_rows)();
};
void PrintTo(const Column &c, std::ostream *os) { *os << c.name; }

class Catalogue : public testing::TestWithParam<Column>
{};

TEST_P(Catalogue, EveryRowKeepsTheRuleOfTheColumn)
{
    EXPECT_EQ(GetParam().breaking_rows().join(u' ').toStdString(), "");
}

INSTANTIATE_TEST_SUITE_P(
    Columns, Catalogue,
    testing::Values(
        // Seven shape dimensions, six inputs of page 1, three of page 2, eight of Case 1, one of Case 2;
        // a page's last result is the one its print entry waits for.
        Column{"page", [] {
                   return breaking([](const Quantity &q) {
                       const qsizetype inputs[] = {7, 6, 3, 8, 1, 0, 0};
                       return is_input(q) ? flume::inputs_of(q.page).size() == inputs[int(q.page)]
                                          : flume::results_of(q.page).last().field == flume::last_result(q.page);
                   });
               }},
        // A batch file names its columns by symbol: each once, found again, typed without blanks or
        // full-width letters.
        Column{"symbol", [] {
                   return repeated(&Quantity::symbol) + breaking([](const Quantity &q) {
                              const Quantity *found = flume::quantity_by_symbol(q.symbol);
                              const bool full_width = std::any_of(q.symbol.begin(), q.symbol.end(), [](QChar c) {
                                  return c.unicode() >= 0xff01 && c.unicode() <= 0xff5e;
                              });
                              return found && found->field == q.field && !q.symbol.contains(u' ') && !full_width
                                     && !q.symbol.contains(u'’');
                          });
               }},
        Column{"printed", [] {
                   return repeated(&Quantity::printed, is_input)
                          + breaking([](const Quantity &q) { return !q.printed.isEmpty() && q.symbol.startsWith(q.printed); });
               }},
        Column{"caption", [] {
                   return breaking([](const Quantity &q) {
                       return is_input(q) || q.field == Field::slab_reaction || q.caption.startsWith(q.printed);
                   });
               }},
        Column{"unit and SI unit", [] {
                   return breaking([](const Quantity &q) { return si_of_screen_unit.value(q.unit, QStringLiteral("?")) == q.si_unit; });
               }},
        Column{"tooltip", [] {
                   return breaking([](const Quantity &q) { return q.tooltip.isEmpty() == (q.page != Page::ShapeInput); });
               }},
        // 設計条件 lists a page's inputs by their terms.
        Column{"term", [] {
                   QHash<QString, int> seen;
                   return breaking([&](const Quantity &q) {
                       return !q.term.isEmpty() && (!is_input(q) || seen[q.term + QString::number(int(q.page))]++ == 0);
                   });
               }},
        // The keys are the role names --check --json has always written.
        Column{"json_key", [] {
                   return breaking([](const Quantity &q) { return q.json_key == flume::member_name(q.field); });
               }}));

TEST(Catalogue, CaptionHoldsItsFieldAndPadsTheUnit)
{
    EXPECT_EQ(flume::caption_holding_field(QStringLiteral("θ="), 3, QStringLiteral("度"), 6).toStdString(), "θ=   度    ");
    EXPECT_EQ(flume::caption_holding_field(QStringLiteral("Ss1="), 2, QStringLiteral("KN・m"), 7).toStdString(), "Ss1=  KN・m  ");
    EXPECT_EQ(flume::caption_holding_field(QStringLiteral("T1 ="), 1, QStringLiteral("ｍ")).toStdString(), "T1 = ｍ");
}

} // namespace
