#pragma once

#include <QProxyStyle>

namespace gui::common {

// The style the application would use (the platform's, or one named with -style), with the menu
// bar's overflow button (shown when the window is too narrow for all its menus) drawn instead of
// read from an image: reading that image loads every image format plugin, which would cost each
// window with a menu bar several milliseconds before its first frame.
class ScreenStyle : public QProxyStyle
{
public:
    using QProxyStyle::QProxyStyle;

    QIcon standardIcon(StandardPixmap pixmap, const QStyleOption *option = nullptr,
                       const QWidget *widget = nullptr) const override;
};

} // namespace gui::common
