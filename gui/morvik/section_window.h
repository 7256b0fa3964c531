#pragma once

#include "common/section_forces.h"
#include "rcstress/section_sheet.h"
#include "gui/common/window_messages.h"

#include <QMainWindow>
#include <QPointer>

class QAction;

namespace morvik {

class ReferenceWindow;

// Morvik's main window: the six inputs, "計算", P, k, j and the four stresses with their formulas
// and allowable-stress tables; the print entry, exit and the two reference windows in its menu.
// It holds no arithmetic: the fields are the sheet's, and "計算" runs the section calculation.
class SectionWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit SectionWindow(QWidget *parent = nullptr);
    ~SectionWindow() override;

    rcstress::SectionSheet &sheet() { return sheet_; }

    // Types the forces handed over on the command line into M, S and b, and names the member they
    // come from in the title bar, in the report and in the name PDF保存 proposes. Nothing is
    // calculated until "計算".
    void fill_forces(const common::SectionForces &forces);

protected:
    // Any close asks "終了しますか？"; Yes also closes the print dialog and the reference windows.
    void closeEvent(QCloseEvent *event) override;

private:
    void build_menus();
    void calculate();
    void print_report();
    void exit_requested();
    void show_bar_table();
    void show_schematic();
    void close_reference_windows();

    rcstress::SectionSheet sheet_;
    QString member_;
    gui::common::WindowMessages messages_{this};
    QAction *print_action_ = nullptr;
    QPointer<ReferenceWindow> bar_table_;
    QPointer<ReferenceWindow> schematic_;
};

} // namespace morvik
