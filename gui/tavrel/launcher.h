#pragma once

#include <QPointer>
#include <QWidget>

namespace tavrel {

class FlumeWindow;

// The launcher "Tavrel": the reference book, the flume check and Morvik, one button each.
class Launcher : public QWidget
{
    Q_OBJECT

public:
    explicit Launcher(QWidget *parent = nullptr);

    // Shows the flume window, creating it afresh when none is open.
    FlumeWindow *show_flume_window();

protected:
    bool event(QEvent *event) override;

private:
    QPointer<FlumeWindow> flume_window_;
};

} // namespace tavrel
