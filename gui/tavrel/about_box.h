#pragma once

#include <QDialog>

namespace tavrel {

// The About box, "バージョン情報": the program's icon, title, version and a notice. Modal to the
// flume window, which takes no input while it is open.
class AboutBox : public QDialog
{
    Q_OBJECT

public:
    explicit AboutBox(QWidget *flume_window);
};

} // namespace tavrel
