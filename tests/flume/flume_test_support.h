#pragma once

// Setting up a flume sheet the way a user gets it into a state: typing into inputs, opening pages,
// pressing "計算"; and reading back the state a test compares.

#include "flume/calculations.h"
#include "flume/field.h"
#include "flume/flume_sheet.h"
#include "common/messages.h"
#include "flume/page_chain.h"
#include "tests/support/worked_example.h"

#include <QString>
#include <QStringList>
#include <initializer_list>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

namespace common {

// Readable failures for the messages the tests compare.
inline void PrintTo(const Message &m, std::ostream *os)
{
    *os << "{\"" << m.text.toStdString() << "\", \"" << m.title.toStdString() << "\"}";
}

} // namespace common

namespace flume_test {

using flume::Field;
using flume::FlumeSheet;
using common::Message;
using flume::Page;

using Entry = std::pair<Field, const char *>;

template <typename Entries>
void type_in(FlumeSheet &sheet, const Entries &entries)
{
    for (const auto &[field, text] : entries)
        sheet.set_text(field, QString::fromUtf8(text));
}

inline void type_in(FlumeSheet &sheet, std::initializer_list<Entry> entries)
{
    type_in<std::initializer_list<Entry>>(sheet, entries);
}

// A result an earlier calculation left on the sheet (shown, with that text).
inline void given_result(FlumeSheet &sheet, Field field, const char *text)
{
    sheet.show_result(field, QString::fromUtf8(text));
}

inline std::string text(const FlumeSheet &sheet, Field field) { return sheet.text(field).toStdString(); }

// The enabled page buttons as "12---": the page's digit when enabled, "-" when not.
inline std::string page_buttons(const FlumeSheet &sheet)
{
    std::string s;
    for (Page p : flume::calculation_pages)
        s += sheet.page_button_enabled(p) ? char('0' + int(p)) : '-';
    return s;
}

// The enabled print entries in the same form.
inline std::string print_entries(const FlumeSheet &sheet)
{
    std::string s;
    for (Page p : flume::calculation_pages)
        s += sheet.print_entry_enabled(p) ? char('0' + int(p)) : '-';
    return s;
}

// The control names of the result and converted fields that hold text, in field order: what a
// calculation left standing.
inline std::string filled_results(const FlumeSheet &sheet)
{
    QStringList names;
    for (const flume::FieldInfo &f : flume::field_table) {
        if ((f.kind == flume::FieldKind::Result || f.kind == flume::FieldKind::Converted)
            && !sheet.text(f.field).isEmpty())
            names << QString::fromLatin1(f.control);
    }
    return names.join(QLatin1Char(' ')).toStdString();
}

// Every result and converted field holds an old text and every page button is enabled, as after a
// complete earlier run; a calculation's clearing then shows in what is left.
inline void fill_every_result(FlumeSheet &sheet)
{
    for (const flume::FieldInfo &f : flume::field_table) {
        if (f.kind == flume::FieldKind::Result)
            sheet.show_result(f.field, QStringLiteral("9.999"));
        else if (f.kind == flume::FieldKind::Converted)
            sheet.set_text(f.field, QStringLiteral("9999"));
    }
    for (Page p : flume::calculation_pages)
        sheet.set_page_button_enabled(p, true);
}

// The control names of all result and converted fields except those listed.
inline std::string all_results_except(const std::vector<Field> &gone)
{
    QStringList names;
    for (const flume::FieldInfo &f : flume::field_table) {
        if (f.kind != flume::FieldKind::Result && f.kind != flume::FieldKind::Converted)
            continue;
        bool cleared = false;
        for (Field g : gone) {
            if (g == f.field)
                cleared = true;
            if (const flume::ConvertedCompanion *c = flume::converted_companion(g); c && c->converted == f.field)
                cleared = true;
        }
        if (!cleared)
            names << QString::fromLatin1(f.control);
    }
    return names.join(QLatin1Char(' ')).toStdString();
}

inline std::string all_results_except(std::initializer_list<Field> gone)
{
    return all_results_except(std::vector<Field>(gone));
}

// Types the worked example's texts into the given inputs.
inline void type_worked(FlumeSheet &sheet, std::initializer_list<Field> inputs)
{
    for (Field input : inputs)
        sheet.set_text(input, test_support::worked_text(input));
}

// The flume of the worked examples: T1 0.1, T2 0.15, T3 0.15, T4 0.1, H 1.0, H1 0.5, B 1.0 (m).
inline void type_shape(FlumeSheet &sheet)
{
    type_worked(sheet, {Field::t1, Field::t2, Field::t3, Field::t4, Field::wall_height, Field::outer_water_height,
                        Field::inner_width});
}

// The page-1 state the later worked examples start from: q = 10 typed, KA 0.30 and PV 2.000 shown,
// page 2 unlocked.
inline void earth_pressure_done(FlumeSheet &sheet)
{
    type_shape(sheet);
    flume::open_page(sheet, Page::EarthPressure);
    type_worked(sheet, {Field::surcharge});
    given_result(sheet, Field::ka, "0.30");
    given_result(sheet, Field::pv, "2.000");
    sheet.set_page_button_enabled(Page::UpliftBearing, true);
}

inline void type_uplift_inputs(FlumeSheet &sheet)
{
    type_worked(sheet, {Field::water_unit_weight, Field::flume_unit_weight, Field::allowable_bearing});
}

inline void type_case1_wall_inputs(FlumeSheet &sheet)
{
    type_worked(sheet, {Field::case1_depth, Field::wall_top_to_slab_axis, Field::slab_axis_to_groundwater,
                        Field::wet_soil_unit_weight, Field::submerged_soil_unit_weight, Field::back_friction_angle});
}

inline void type_case1_slab_inputs(FlumeSheet &sheet)
{
    type_worked(sheet, {Field::wall_spacing, Field::slab_position});
}

// The worked examples in a row, each page opened through its button as the user does.
inline void bearing_done(FlumeSheet &sheet, common::MessageSink &messages)
{
    earth_pressure_done(sheet);
    flume::open_page(sheet, Page::UpliftBearing);
    type_uplift_inputs(sheet);
    flume::check_uplift(sheet, messages);
    flume::check_bearing(sheet, messages);
}

inline void case1_done(FlumeSheet &sheet, common::MessageSink &messages)
{
    bearing_done(sheet, messages);
    flume::open_page(sheet, Page::Case1);
    type_case1_wall_inputs(sheet);
    type_case1_slab_inputs(sheet);
    flume::compute_case1_wall(sheet, messages);
    flume::compute_case1_slab(sheet, messages);
}

inline void case2_done(FlumeSheet &sheet, common::MessageSink &messages)
{
    case1_done(sheet, messages);
    flume::open_page(sheet, Page::Case2);
    type_worked(sheet, {Field::case2_depth});
    flume::compute_case2(sheet, messages);
}

inline const Message missing_input{QStringLiteral("数値が入力されていません。"), QStringLiteral("入力データ確認")};
inline const Message invalid_number{QStringLiteral("数値が正しくありません。"), QStringLiteral("入力データ確認")};

} // namespace flume_test
