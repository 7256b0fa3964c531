#include "gui/common/screen_font.h"

#include "drawing/report_font.h"

#include <QApplication>
#include <QFont>

namespace gui::common {

void install_screen_font(QApplication &app)
{
    // The windows use the reports' face, served the same way: IPA Gothic's half-width glyphs are
    // exactly half an em, so captions padded with blanks leave room for their fields.
    QFont font = drawing::report_font(9);
    font.setStyleHint(QFont::TypeWriter);
    app.setFont(font);
}

} // namespace gui::common
