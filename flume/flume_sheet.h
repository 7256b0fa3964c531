#pragma once

#include "flume/field.h"

#include <QList>
#include <QObject>
#include <QString>
#include <array>

namespace flume {

// The record of every field of the flume window, each a text, with the state that goes with it:
// the display state of each result, which page buttons and print entries are enabled, the page
// shown, whether the shape fields are locked, and the Case 1 formula set. A window binds to it
// through the signals; the calculations and the page chain change it through the setters.
class FlumeSheet : public QObject
{
    Q_OBJECT

public:
    explicit FlumeSheet(QObject *parent = nullptr);

    QString text(Field f) const { return texts_[std::size_t(f)]; }
    // Replaces a field's text as typing would. Notifies only when the text really changes; a change
    // of a page's last result enables or disables that page's print entry.
    void set_text(Field f, const QString &text);

    // Results: shown (formatted text, shown background) or cleared (empty text, button face).
    // Clearing a Case result also empties its hidden converted field.
    bool is_shown(Field f) const { return shown_[std::size_t(f)]; }
    // Shows a result a calculation wrote; result_written() says so even when the text is the same.
    void show_result(Field f, const QString &text);
    void clear_result(Field f);

    bool page_button_enabled(Page p) const { return page_buttons_[std::size_t(p)]; }
    void set_page_button_enabled(Page p, bool enabled);

    bool print_entry_enabled(Page p) const { return print_entries_[std::size_t(p)]; }
    void set_print_entry_enabled(Page p, bool enabled);

    Page current_page() const { return page_; }
    void set_current_page(Page p);

    bool shape_locked() const { return shape_locked_; }
    void set_shape_locked(bool locked);

    // A calculation rejected these inputs as missing, once its message was given.
    void report_missing_inputs(const QList<Field> &fields) { emit inputs_missing(fields); }

    // True when the last passing Case 1 wall calculation used the groundwater terms.
    bool case1_groundwater_formula() const { return case1_groundwater_formula_; }
    void set_case1_groundwater_formula(bool groundwater);

signals:
    void text_changed(flume::Field field, const QString &text);
    void display_state_changed(flume::Field field, bool shown);
    void result_written(flume::Field field);
    void page_button_changed(flume::Page page, bool enabled);
    void print_entry_changed(flume::Page page, bool enabled);
    void current_page_changed(flume::Page page);
    void shape_lock_changed(bool locked);
    void inputs_missing(const QList<flume::Field> &fields);

private:
    std::array<QString, field_count> texts_;  // all empty at start, the hidden fields included
    std::array<bool, field_count> shown_{};
    std::array<bool, page_count> page_buttons_{};
    std::array<bool, page_count> print_entries_{};
    Page page_ = Page::ShapeInput;
    bool shape_locked_ = false;
    bool case1_groundwater_formula_ = false;
};

} // namespace flume
