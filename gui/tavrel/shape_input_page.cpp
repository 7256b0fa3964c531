#include "gui/tavrel/shape_input_page.h"

#include "gui/tavrel/page_picture.h"
#include "gui/common/twips.h"

#include <QLabel>

namespace tavrel {

ShapeInputPage::ShapeInputPage(QWidget *parent) : Panel(6100, 5700, parent)
{
    setObjectName(QStringLiteral("Picture2"));
    add_title(QStringLiteral("地震時を考慮しなくてよいQuenfor"), 240, 150);
    add_label(QStringLiteral("農林水産省農林振興局"), 240, 510);
    add_label(QStringLiteral("設計「Tavrel」より"), 240, 750);
    add_label(QStringLiteral("下図を参考に形状寸法を入力してください"), 240, 1080);
    add_label(QStringLiteral("（ヘルプ：「Tavrel」断面寸法の設計参照）"), 240, 1320);

    QWidget *diagram = make_page_picture(PagePicture::ShapeInputDiagram, content());
    gui::common::place(diagram, 120, 1680);

    // The legend beside the diagram, one line for each group of dimensions.
    double y = 2520;
    const struct {
        const char *text;
        double indent;  // the second line of H1 stands under the first one's words
    } legend[] = {
        {"T1,T2,T3：水路断面部材厚（ｍ）", 0}, {"H1：水路低版底面から", 0}, {"外水位までの高さ（ｍ）", 360},
        {"H：壁高（ｍ）", 0},                  {"B：水路内幅（ｍ）", 0},    {"T4：ハンチの寸法（ｍ）", 0},
    };
    for (const auto &line : legend) {
        add_label(QString::fromUtf8(line.text), 3240 + line.indent, y);
        y += 300;
    }
}

} // namespace tavrel
