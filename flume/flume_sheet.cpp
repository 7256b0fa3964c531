#include "flume/flume_sheet.h"

namespace flume {

FlumeSheet::FlumeSheet(QObject *parent) : QObject(parent)
{
    // A new window: shape input, only the page-1 button usable, nothing printable.
    page_buttons_[std::size_t(Page::EarthPressure)] = true;
}

void FlumeSheet::set_text(Field f, const QString &text)
{
    QString &slot = texts_[std::size_t(f)];
    if (slot == text)
        return;
    slot = text;
    emit text_changed(f, text);
    for (Page p : calculation_pages) {
        if (last_result(p) == f)
            set_print_entry_enabled(p, !text.isEmpty());
    }
}

void FlumeSheet::show_result(Field f, const QString &text)
{
    set_text(f, text);
    if (!shown_[std::size_t(f)]) {
        shown_[std::size_t(f)] = true;
        emit display_state_changed(f, true);
    }
    emit result_written(f);
}

void FlumeSheet::clear_result(Field f)
{
    set_text(f, QString());
    // A report must never print a converted value whose result is gone.
    if (const ConvertedCompanion *companion = converted_companion(f))
        set_text(companion->converted, QString());
    if (shown_[std::size_t(f)]) {
        shown_[std::size_t(f)] = false;
        emit display_state_changed(f, false);
    }
}

void FlumeSheet::set_page_button_enabled(Page p, bool enabled)
{
    if (p == Page::ShapeInput || page_buttons_[std::size_t(p)] == enabled)
        return;
    page_buttons_[std::size_t(p)] = enabled;
    emit page_button_changed(p, enabled);
}

void FlumeSheet::set_print_entry_enabled(Page p, bool enabled)
{
    if (p == Page::ShapeInput || print_entries_[std::size_t(p)] == enabled)
        return;
    print_entries_[std::size_t(p)] = enabled;
    emit print_entry_changed(p, enabled);
}

void FlumeSheet::set_current_page(Page p)
{
    // Re-opening the shown page repeats its steps, so the window hears of it every time.
    page_ = p;
    emit current_page_changed(p);
}

void FlumeSheet::set_shape_locked(bool locked)
{
    if (shape_locked_ == locked)
        return;
    shape_locked_ = locked;
    emit shape_lock_changed(locked);
}

void FlumeSheet::set_case1_groundwater_formula(bool groundwater)
{
    case1_groundwater_formula_ = groundwater;
}

} // namespace flume
