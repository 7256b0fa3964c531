#include "flume/full_check.h"

#include "flume/calculations.h"
#include "flume/flume_sheet.h"
#include "flume/page_chain.h"
#include "flume/sheet_inputs.h"

namespace flume {

namespace {

// The "計算" buttons of one page, in the order a user presses them.
using Calculation = void (*)(FlumeSheet &, common::MessageSink &);
struct PageCalculations {
    Page page;
    QList<Calculation> buttons;
};

const QList<PageCalculations> &walk()
{
    static const QList<PageCalculations> pages = {
        {Page::EarthPressure, {compute_earth_pressure}},
        {Page::UpliftBearing, {check_uplift, check_bearing}},
        {Page::Case1, {compute_case1_wall, compute_case1_slab}},
        {Page::Case2, {compute_case2}},
        {Page::Case3, {compute_case3}},
    };
    return pages;
}

} // namespace

FullCheckOutcome run_full_check(FlumeSheet &sheet, const QStringList &inputs, common::MessageSink &messages)
{
    FullCheckOutcome outcome;
    put_input_texts(sheet, inputs);
    for (const PageCalculations &step : walk()) {
        if (!sheet.page_button_enabled(step.page))
            return outcome;
        open_page(sheet, step.page);
        outcome.pages_opened.append(step.page);
        for (Calculation press : step.buttons)
            press(sheet, messages);
    }
    outcome.reached_case3 = true;
    return outcome;
}

} // namespace flume
