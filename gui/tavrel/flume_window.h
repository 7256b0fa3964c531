#pragma once

#include "document/document_data.h"
#include "flume/field.h"
#include "gui/common/window_messages.h"
#include "inputfile/tvl_file.h"

#include <QMainWindow>
#include <QPointer>
#include <array>

class QAction;
class QScrollBar;

namespace flume {
class FlumeSheet;
}
namespace members {
class MemberSheet;
}

namespace tavrel {

class AboutBox;
class Case1Page;
class DocumentSettings;
class LeftPanel;
class MemberCheckWindow;
class PageButton;
class Panel;

// The flume window, "地震時を考慮しなくてよいQuenfor": the page buttons, the left panel, one page at
// a time, the Case 1 scroll bar and the menus. All its state is the sheet's; the window shows it.
class FlumeWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit FlumeWindow(QWidget *parent = nullptr);

    flume::FlumeSheet &sheet() { return *sheet_; }
    members::MemberSheet &member_sheet() { return *member_sheet_; }

    // What 計算書の設定 holds for the structural calculation document.
    const document::DocumentData &document_data() const { return document_data_; }

    // Puts the file's inputs into the fields, as 開く(&O) does once a file is chosen; a file that
    // cannot be read is reported, and false returned.
    bool open_file(const QString &path);

    // What the window holds that a .tvl file would: the 25 inputs, the member data, 計算書の設定.
    inputfile::TvlContents contents();
    // Puts contents into the fields as 開く(&O) puts a file's; nothing is calculated.
    void put_contents(const inputfile::TvlContents &contents);
    // Before the inputs are replaced or the window closes: when what a save writes (inputs, member
    // data, 計算書の設定) changed since the inputs were last opened or saved, asks "変更を保存しますか？"
    // and on はい saves them, to the file they came from or, before there is one, through
    // 名前を付けて保存's dialog. True when the caller may go on.
    bool settle_unsaved_changes();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void build_menus();
    void show_page(flume::Page page);
    void open_input_file();
    // True once the inputs are saved; false when the dialog was cancelled or the file not written.
    bool save_input_file_as();
    bool save_to(const QString &path);
    QByteArray file_bytes();  // what a save would write now
    bool has_unsaved_changes();
    void mark_saved(const QString &path);
    void print_report(flume::Page page);
    void edit_document_settings();
    void print_document();
    void show_about_box();
    void show_member_check();
    inputfile::FlumeFileState file_state() { return {*sheet_, *member_sheet_, kept_extension_, document_data_}; }

    flume::FlumeSheet *sheet_;
    members::MemberSheet *member_sheet_;
    inputfile::KeptExtension kept_extension_;  // what the opened file carried unread
    QByteArray saved_contents_;  // what a save wrote or an opening read; a new window's before either
    QString file_path_;       // the file the inputs were last opened from or saved to
    gui::common::WindowMessages messages_;
    LeftPanel *left_panel_;
    Case1Page *case1_page_;
    QScrollBar *case1_scroll_;
    std::array<PageButton *, flume::page_count> page_buttons_{};  // by page; null for a page without one
    std::array<Panel *, flume::page_count> pages_{};
    std::array<QAction *, flume::page_count> print_entries_{};    // by page; null for a page without one
    QPointer<AboutBox> about_box_;
    QPointer<MemberCheckWindow> member_check_window_;
    document::DocumentData document_data_;
    QPointer<DocumentSettings> document_settings_;
};

} // namespace tavrel
