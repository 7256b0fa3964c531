#pragma once

#include <QDialog>
#include <QPointer>

namespace shell {

// The About box, "バージョン情報": the program's icon, title, version and a notice. The flume window
// takes no input while it is open.
class AboutBox : public QDialog
{
    Q_OBJECT

public:
    explicit AboutBox(QWidget *flume_window);
    ~AboutBox() override;

private:
    QPointer<QWidget> flume_window_;
};

} // namespace shell
