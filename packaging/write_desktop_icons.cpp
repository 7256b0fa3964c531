// Writes the desktop icons of both programs into a hicolor icon theme folder: PNG at the usual sizes
// and a scalable SVG, each drawn from the same drawing as the launcher's buttons.
//
// Usage: write_desktop_icons FOLDER   (creates FOLDER/hicolor/<size>x<size>/apps/ and .../scalable/apps/)
#include "gui/tavrel/launcher_icons.h"

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgGenerator>
#include <cstdio>

namespace {

struct DesktopIcon {
    const char *name;
    void (*draw)(QPainter &);
};

const DesktopIcon icons[] = {
    {"tavrel", tavrel::draw_flume_icon},
    {"morvik", tavrel::draw_rc_section_icon},
};

const int sizes[] = {16, 22, 24, 32, 48, 64, 128, 256};

bool write_png(const DesktopIcon &icon, int size, const QString &folder)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / 32.0, size / 32.0);
    icon.draw(painter);
    painter.end();
    return QDir().mkpath(folder) && image.save(folder + QStringLiteral("/%1.png").arg(QLatin1String(icon.name)));
}

bool write_svg(const DesktopIcon &icon, const QString &folder)
{
    if (!QDir().mkpath(folder))
        return false;
    QSvgGenerator svg;
    svg.setFileName(folder + QStringLiteral("/%1.svg").arg(QLatin1String(icon.name)));
    svg.setSize(QSize(32, 32));
    svg.setViewBox(QRect(0, 0, 32, 32));
    svg.setTitle(QString::fromLatin1(icon.name));
    QPainter painter;
    if (!painter.begin(&svg))
        return false;
    painter.setRenderHint(QPainter::Antialiasing);
    icon.draw(painter);
    return painter.end();
}

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fputs("usage: write_desktop_icons FOLDER\n", stderr);
        return 2;
    }
    const QString theme = QString::fromLocal8Bit(argv[1]) + QStringLiteral("/hicolor");
    for (const DesktopIcon &icon : icons) {
        for (int size : sizes) {
            if (!write_png(icon, size, theme + QStringLiteral("/%1x%1/apps").arg(size))) {
                std::fprintf(stderr, "write_desktop_icons: cannot write the %d px icon of %s\n", size, icon.name);
                return 1;
            }
        }
        if (!write_svg(icon, theme + QStringLiteral("/scalable/apps"))) {
            std::fprintf(stderr, "write_desktop_icons: cannot write the SVG icon of %s\n", icon.name);
            return 1;
        }
    }
    return 0;
}
