#include "flume/full_check.h"

#include "flume/calculations.h"
#include "flume/flume_sheet.h"
#include "flume/page_chain.h"
#include "flume/sheet_inputs.h"

namespace flume {

namespace {

struct PageCalculations {
    Page page;
    std::array<Calculation, 2> buttons;  // unused ones null
};

// The "計算" buttons of every page, in the order a user presses them.
constexpr PageCalculations page_table[] = {
    {Page::ShapeInput, {}},
    {Page::EarthPressure, {compute_earth_pressure}},
    {Page::UpliftBearing, {check_uplift, check_bearing}},
    {Page::Case1, {compute_case1_wall, compute_case1_slab}},
    {Page::Case2, {compute_case2}},
    {Page::Case3, {compute_case3}},
    {Page::MemberCheck, {}},
};
static_assert(keyed_by_page(page_table));

} // namespace

QList<Calculation> page_calculations(Page page)
{
    QList<Calculation> buttons;
    for (Calculation button : page_table[std::size_t(page)].buttons) {
        if (button)
            buttons.append(button);
    }
    return buttons;
}

FullCheckOutcome run_full_check(FlumeSheet &sheet, const QStringList &inputs, common::MessageSink &messages)
{
    FullCheckOutcome outcome;
    put_input_texts(sheet, inputs);
    for (Page page : calculation_pages) {
        if (!sheet.page_button_enabled(page))
            return outcome;
        open_page(sheet, page);
        outcome.pages_opened.append(page);
        for (Calculation press : page_calculations(page))
            press(sheet, messages);
    }
    outcome.reached_case3 = true;
    return outcome;
}

} // namespace flume
