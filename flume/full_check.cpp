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
        if (page == Page::UpliftBearing) {
            outcome.uplift = uplift_check(sheet);
            outcome.bearing = bearing_check(sheet);
        }
    }
    outcome.reached_case3 = true;
    return outcome;
}

namespace {

// Keeps each message with the page in view.
class PageMessageRecorder : public common::MessageSink
{
public:
    explicit PageMessageRecorder(const FlumeSheet &sheet) : sheet_(sheet) {}
    void warn(const QString &text, const QString &title) override { messages.append({sheet_.current_page(), {text, title}}); }
    QList<PageMessage> messages;

private:
    const FlumeSheet &sheet_;
};

} // namespace

WalkedFlume walk_flume(const QStringList &inputs)
{
    WalkedFlume walked{std::make_unique<FlumeSheet>(), {}, {}};
    PageMessageRecorder recorder(*walked.sheet);
    walked.outcome = run_full_check(*walked.sheet, inputs, recorder);
    walked.messages = recorder.messages;
    return walked;
}

} // namespace flume
