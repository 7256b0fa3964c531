#include "gui/tavrel/member_check_window.h"

#include "flume/captions.h"
#include "members/auto_reinforcement.h"
#include "members/member_check.h"
#include "members/member_sheet.h"

#include <QAction>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QStyle>
#include <QUndoStack>
#include <QVBoxLayout>

#include <algorithm>

namespace tavrel {

namespace {

using members::Allowable;

const QColor typed_colour(255, 255, 192);
const QColor ng_colour(Qt::red);

QString numbered(const char *name, std::size_t index)
{
    return QString::fromLatin1(name) + u'_' + QString::number(index + 1);
}

// Shows a text in an edit, except in an input the user is typing into: the edit's own text stands
// until the user leaves it.
void show_text(QLineEdit *edit, const QString &text)
{
    if (edit->hasFocus() && !edit->isReadOnly())
        return;
    if (edit->text() != text)
        edit->setText(text);
}

void show_typed(QLineEdit *edit, bool typed)
{
    QPalette p = edit->palette();
    p.setColor(QPalette::Base, typed ? typed_colour : QPalette().color(QPalette::Base));
    edit->setPalette(p);
}

// An input the user can type into, or a value worked out from the others.
void set_typing(QLineEdit *edit, bool typing)
{
    edit->setReadOnly(!typing);
    // A value worked out for the user takes no Tab stop on the way between inputs.
    edit->setFocusPolicy(typing ? Qt::StrongFocus : Qt::NoFocus);
    QPalette p = edit->palette();
    p.setColor(QPalette::Base, typing ? QPalette().color(QPalette::Base) : QPalette().color(QPalette::Button));
    edit->setPalette(p);
}

// A text in its cell: wrapped where it is longer than the cell, the whole of it as the tooltip.
void show_label(QLabel *label, const QString &text, bool alarm = false)
{
    label->setText(text);
    label->setToolTip(text);
    QPalette p = label->palette();
    p.setColor(QPalette::WindowText, alarm ? ng_colour : QPalette().color(QPalette::WindowText));
    label->setPalette(p);
}

QLineEdit *new_edit(QWidget *parent, const QString &name)
{
    auto *edit = new QLineEdit(parent);
    edit->setObjectName(name);
    edit->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return edit;
}

QLabel *new_value(QWidget *parent, const QString &name)
{
    auto *label = new QLabel(parent);
    label->setObjectName(name);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return label;
}

const QString count_caption = QStringLiteral("本数");
const QString pitch_caption = QStringLiteral("ピッチ");
const QString design_caption = QStringLiteral("自動配筋");

// The bars of a member: its bar, how they are spaced and the mark of the search.
bool same_bars(const members::MemberInputs &a, const members::MemberInputs &b)
{
    return a.bar == b.bar && a.spacing == b.spacing && a.spacing_text == b.spacing_text && a.designed == b.designed;
}

void put_bars(members::MemberInputs &to, const members::MemberInputs &from)
{
    to.bar = from.bar;
    to.spacing = from.spacing;
    to.spacing_text = from.spacing_text;
    to.designed = from.designed;
}

// A search's bars put in, and taken back by Ctrl+Z: only the bars of the members it changed, and
// only while they are still those it put in (bars typed since stay).
class DesignCommand : public QUndoCommand
{
public:
    using Bars = std::array<members::MemberInputs, members::member_count>;

    DesignCommand(members::MemberSheet &sheet, const Bars &before, const Bars &after)
        : QUndoCommand(design_caption), sheet_(sheet), before_(before), after_(after)
    {
    }

    void redo() override { replace(before_, after_); }
    void undo() override { replace(after_, before_); }

private:
    void replace(const Bars &from, const Bars &to)
    {
        members::MemberCheckInputs inputs = sheet_.inputs();
        for (std::size_t i = 0; i < members::member_count; ++i) {
            if (!same_bars(from[i], to[i]) && same_bars(inputs.members[i], from[i]))
                put_bars(inputs.members[i], to[i]);
        }
        sheet_.set_inputs(inputs);
    }

    members::MemberSheet &sheet_;
    Bars before_, after_;
};

} // namespace

MemberCheckWindow::MemberCheckWindow(members::MemberSheet &sheet, QWidget *flume_window)
    : QWidget(flume_window, Qt::Window), sheet_(sheet)
{
    setObjectName(QStringLiteral("member_check_window"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("部材の応力度照査"));

    auto *contents = new QWidget;
    auto *layout = new QVBoxLayout(contents);
    auto *top = new QHBoxLayout;
    top->addWidget(build_materials(contents));
    top->addWidget(build_detailing(contents));
    top->addWidget(build_design(contents));
    top->addStretch(1);
    layout->addLayout(top);
    layout->addWidget(build_members(contents));
    auto *legend = new QLabel(QStringLiteral("＊：表の値に代えて入力した許容応力度　　黄色の総厚：形状寸法に代えて入力した値\n"
                                             "Ｍ、Ｓは各ケースの計算結果。応力度は｜Ｍ｜、｜Ｓ｜から求め、引張側はＭの符号によります。\n"
                                             "配筋　自動：自動配筋で入れた鉄筋とピッチ　手入力：入力した鉄筋（Ctrl+Z で自動配筋の前に戻します）"),
                              contents);
    layout->addWidget(legend);
    layout->addStretch(1);

    scroll_ = new QScrollArea(this);
    scroll_->setObjectName(QStringLiteral("member_check_scroll"));
    scroll_->setFrameShape(QFrame::NoFrame);
    scroll_->setWidgetResizable(true);
    scroll_->setWidget(contents);
    auto *outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(scroll_);

    undo_ = new QUndoStack(this);
    QAction *undo = undo_->createUndoAction(this);
    undo->setShortcut(QKeySequence::Undo);
    addAction(undo);
    QAction *redo = undo_->createRedoAction(this);
    redo->setShortcut(QKeySequence::Redo);
    addAction(redo);

    connect(&sheet_, &members::MemberSheet::changed, this, [this] {
        // What a search said belongs to the inputs and forces it searched.
        if (!designing_)
            design_notes_ = {};
        show_check();
    });
    show_check();
    fit_to_screen(flume_window);
}

QSize MemberCheckWindow::whole_size() const
{
    return scroll_->widget()->sizeHint();
}

void MemberCheckWindow::fit_to_screen(QWidget *flume_window)
{
    const QRect room = flume_window->screen()->availableGeometry();
    // The window manager's title bar and frame come on top of the window's own size.
    const int title = style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, this);
    const int frame = 4;
    const QSize most(room.width() - 2 * frame, room.height() - title - 2 * frame);
    QSize size = whole_size().boundedTo(most);
    // A scroll bar that has to appear takes its room from the other way.
    const int bar = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
    if (size.height() < whole_size().height())
        size.setWidth(std::min(size.width() + bar, most.width()));
    if (size.width() < whole_size().width())
        size.setHeight(std::min(size.height() + bar, most.height()));
    resize(size);
    // The frame's top left, centred in the room.
    move(room.x() + (room.width() - size.width() - 2 * frame) / 2,
         room.y() + (room.height() - size.height() - title - 2 * frame) / 2);
}

QWidget *MemberCheckWindow::build_materials(QWidget *parent)
{
    auto *frame = new QGroupBox(QStringLiteral("使用材料"), parent);
    auto *grid = new QGridLayout(frame);

    grid->addWidget(new QLabel(QStringLiteral("コンクリート設計基準強度 σck"), frame), 0, 0);
    strength_ = new QComboBox(frame);
    strength_->setObjectName(QStringLiteral("concrete_strength"));
    strength_->setEditable(true);
    strength_->setInsertPolicy(QComboBox::NoInsert);
    strength_->addItems(members::table_strengths);
    grid->addWidget(strength_, 0, 1);
    grid->addWidget(new QLabel(QStringLiteral("N/mm²"), frame), 0, 2);
    connect(strength_, &QComboBox::currentTextChanged, this, [this](const QString &text) {
        edit_materials([&text](members::Materials &m) { m.concrete_strength = text; });
    });

    grid->addWidget(new QLabel(QStringLiteral("鉄筋"), frame), 0, 4);
    grade_ = new QComboBox(frame);
    grade_->setObjectName(QStringLiteral("steel_grade"));
    grade_->addItems({members::grade_name(members::SteelGrade::SD295), members::grade_name(members::SteelGrade::SD345)});
    grid->addWidget(grade_, 0, 5);
    // The choices stand in the order of their enumerations.
    connect(grade_, &QComboBox::activated, this, [this](int index) {
        edit_materials([index](members::Materials &m) { m.grade = members::SteelGrade(index); });
    });

    tension_row_ = new QComboBox(frame);
    tension_row_->setObjectName(QStringLiteral("tension_row"));
    tension_row_->addItems({members::tension_row_name(members::TensionRow::General),
                            members::tension_row_name(members::TensionRow::SlabBridge)});
    connect(tension_row_, &QComboBox::activated, this, [this](int index) {
        edit_materials([index](members::Materials &m) { m.tension_row = members::TensionRow(index); });
    });
    bar_surface_ = new QComboBox(frame);
    bar_surface_->setObjectName(QStringLiteral("bar_surface"));
    bar_surface_->addItems({members::bar_surface_name(members::BarSurface::Deformed),
                            members::bar_surface_name(members::BarSurface::Plain)});
    connect(bar_surface_, &QComboBox::activated, this, [this](int index) {
        edit_materials([index](members::Materials &m) { m.bar_surface = members::BarSurface(index); });
    });

    static const char *const edit_names[] = {"allowable_compression", "allowable_tension", "allowable_shear",
                                             "allowable_bond"};
    int row = 1;
    for (Allowable a : members::allowables) {
        const std::size_t i = std::size_t(a);
        grid->addWidget(new QLabel(members::allowable_name(a) + u' ' + members::allowable_symbol(a), frame), row, 0);
        QLineEdit *edit = new_edit(frame, QString::fromLatin1(edit_names[i]));
        edit->setFixedWidth(90);
        allowable_edits_[i] = edit;
        grid->addWidget(edit, row, 1);
        grid->addWidget(new QLabel(QStringLiteral("N/cm²"), frame), row, 2);
        allowable_marks_[i] = new QLabel(QStringLiteral("＊"), frame);
        allowable_marks_[i]->setObjectName(QString::fromLatin1(edit_names[i]) + QStringLiteral("_typed"));
        grid->addWidget(allowable_marks_[i], row, 3);
        connect(edit, &QLineEdit::textEdited, this, [this, a](const QString &text) {
            edit_materials([a, &text](members::Materials &m) { members::type_allowable(m, a, text); });
        });
        connect(edit, &QLineEdit::editingFinished, this, &MemberCheckWindow::show_check);
        ++row;
    }
    grid->addWidget(tension_row_, 2, 4);
    grid->addWidget(new QLabel(QStringLiteral("（梁）"), frame), 3, 4);
    grid->addWidget(bar_surface_, 4, 4);
    grid->setColumnMinimumWidth(3, 20);
    grid->setColumnStretch(6, 1);
    // Tab goes along the rows as they stand on the screen.
    QWidget *const order[] = {strength_,          grade_,             allowable_edits_[0], allowable_edits_[1],
                              tension_row_,       allowable_edits_[2], allowable_edits_[3], bar_surface_};
    for (std::size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);
    return frame;
}

QWidget *MemberCheckWindow::build_detailing(QWidget *parent)
{
    auto *frame = new QGroupBox(QStringLiteral("構造細目"), parent);
    auto *grid = new QGridLayout(frame);
    QWidget *previous = bar_surface_;
    for (std::size_t i = 0; i < std::size(members::detailing_entries); ++i) {
        const members::DetailingEntry &entry = members::detailing_entries[i];
        const QString symbol = QString::fromUtf16(entry.symbol);
        grid->addWidget(new QLabel(QString::fromUtf16(entry.caption) + (symbol.isEmpty() ? QString() : u' ' + symbol), frame),
                        int(i), 0);
        QLineEdit *edit = new_edit(frame, QString::fromLatin1(entry.name));
        edit->setFixedWidth(60);
        detailing_edits_[i] = edit;
        grid->addWidget(edit, int(i), 1);
        grid->addWidget(new QLabel(QString::fromUtf16(entry.unit), frame), int(i), 2);
        grid->addWidget(new QLabel(QString::fromUtf16(entry.note), frame), int(i), 3);
        connect(edit, &QLineEdit::textEdited, this, [this, text = entry.text](const QString &typed) {
            members::DetailingRules rules = sheet_.inputs().detailing;
            rules.*text = typed;
            sheet_.set_detailing(rules);
        });
        connect(edit, &QLineEdit::editingFinished, this, &MemberCheckWindow::show_check);
        setTabOrder(previous, edit);
        previous = edit;
    }
    return frame;
}

QWidget *MemberCheckWindow::build_design(QWidget *parent)
{
    auto *frame = new QGroupBox(design_caption, parent);
    auto *grid = new QGridLayout(frame);
    const auto add_list = [this, frame, grid](int row, const char *name, const QString &caption,
                                              QString members::DesignLists::*list) {
        grid->addWidget(new QLabel(caption, frame), row, 0);
        QLineEdit *edit = new_edit(frame, QString::fromLatin1(name));
        edit->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        edit->setMinimumWidth(fontMetrics().horizontalAdvance(members::DesignLists{}.pitches) + 16);
        grid->addWidget(edit, row, 1);
        connect(edit, &QLineEdit::textEdited, this, [this, list](const QString &text) {
            members::DesignLists lists = sheet_.inputs().design_lists;
            lists.*list = text;
            sheet_.set_design_lists(lists);
        });
        connect(edit, &QLineEdit::editingFinished, this, &MemberCheckWindow::show_check);
        return edit;
    };
    design_bars_ = add_list(0, "design_bars", QStringLiteral("探す鉄筋"), &members::DesignLists::bars);
    design_pitches_ = add_list(1, "design_pitches", QStringLiteral("探すピッチ（mm）"), &members::DesignLists::pitches);
    // Alt+A: the search for all six members from anywhere in the window.
    design_all_ = new QPushButton(flume::words::design_all_button, frame);
    design_all_->setObjectName(QStringLiteral("design_all"));
    design_all_->setToolTip(QStringLiteral("六つの部材すべてに、すべての照査を満たす As 最小の鉄筋とピッチを入れます（Ctrl+Z で元に戻します）"));
    grid->addWidget(design_all_, 2, 1, Qt::AlignLeft);
    auto *rule = new QLabel(members::design_rule, frame);
    rule->setWordWrap(true);
    grid->addWidget(rule, 3, 0, 1, 2);
    connect(design_all_, &QPushButton::clicked, this, [this] { design(std::nullopt); });
    setTabOrder(detailing_edits_.back(), design_bars_);
    setTabOrder(design_bars_, design_pitches_);
    setTabOrder(design_pitches_, design_all_);
    return frame;
}

QWidget *MemberCheckWindow::build_members(QWidget *parent)
{
    auto *frame = new QGroupBox(QStringLiteral("部材"), parent);
    auto *grid = new QGridLayout(frame);
    const QStringList captions = {
        QStringLiteral("部材"),
        QStringLiteral("曲げモーメント Ｍ（N・cm）"),
        QStringLiteral("せん断力 Ｓ（N）"),
        QStringLiteral("引張側"),
        QStringLiteral("鉄筋"),
        QStringLiteral("本数（本／100cm）・ピッチ（mm）"),
        QString(),
        QStringLiteral("鉄筋量 Ａｓ（cm²）"),
        QStringLiteral("鉄筋全周長 Ｕ（cm）"),
        QStringLiteral("単位巾 ｂ（cm）"),
        QStringLiteral("総厚（cm）"),
        QStringLiteral("かぶり（cm）"),
        QStringLiteral("ｄ（cm）"),
        QStringLiteral("鉄筋比 Ｐ"),
        QStringLiteral("ｋ"),
        QStringLiteral("ｊ"),
    };
    int row = 0;
    for (const QString &caption : captions)
        grid->addWidget(new QLabel(caption, frame), row++, 0);
    for (Allowable a : members::allowables) {
        grid->addWidget(new QLabel(members::stress_symbol(a) + QStringLiteral("／") + members::allowable_symbol(a)
                                       + QStringLiteral("（N/cm²）"),
                                   frame),
                        row++, 0);
    }
    for (members::Detail d : members::details)
        grid->addWidget(new QLabel(members::detail_caption(d), frame), row++, 0);
    grid->addWidget(new QLabel(QStringLiteral("判定"), frame), row++, 0);
    grid->addWidget(new QLabel(design_caption, frame), row++, 0);
    grid->addWidget(new QLabel(QStringLiteral("配筋"), frame), row++, 0);
    grid->addWidget(new QLabel(QStringLiteral("自動配筋の結果"), frame), row, 0);
    for (std::size_t i = 0; i < members::member_count; ++i)
        add_member_column(grid, i);
    grid->setHorizontalSpacing(12);
    // Rows close together, so that the whole table fits a screen of 768 dots with a task bar.
    grid->setVerticalSpacing(2);
    grid->setColumnStretch(int(members::member_count) + 1, 1);
    return frame;
}

void MemberCheckWindow::add_member_column(QGridLayout *grid, std::size_t index)
{
    QWidget *frame = grid->parentWidget();
    const int column = int(index) + 1;
    MemberColumn &c = columns_[index];
    const flume::MemberForces &member = flume::member_forces[index];

    auto *title = new QLabel(flume::member_title(member).replace(u' ', u'\n'), frame);
    title->setAlignment(Qt::AlignCenter);
    grid->addWidget(title, 0, column);
    c.moment = new_value(frame, numbered("moment", index));
    grid->addWidget(c.moment, 1, column);
    c.shear = new_value(frame, numbered("shear", index));
    grid->addWidget(c.shear, 2, column);
    c.tension_face = new_value(frame, numbered("tension_face", index));
    grid->addWidget(c.tension_face, 3, column);

    c.bar = new QComboBox(frame);
    c.bar->setObjectName(numbered("bar", index));
    c.bar->addItem(QString());
    for (const members::BarSize &bar : members::bar_sizes)
        c.bar->addItem(QString::fromLatin1(bar.name));
    c.bar->addItem(members::typed_bars);
    grid->addWidget(c.bar, 4, column);
    connect(c.bar, &QComboBox::activated, this, [this, index](int item) {
        const QString bar = columns_[index].bar->itemText(item);
        edit_member(index, [&bar](members::MemberInputs &m) { m.bar = bar; });
    });

    auto *spacing_box = new QWidget(frame);
    auto *spacing_row = new QHBoxLayout(spacing_box);
    spacing_row->setContentsMargins(0, 0, 0, 0);
    c.spacing = new QComboBox(spacing_box);
    c.spacing->setObjectName(numbered("spacing", index));
    c.spacing->addItems({count_caption, pitch_caption});
    spacing_row->addWidget(c.spacing);
    c.spacing_text = new_edit(spacing_box, numbered("spacing_text", index));
    c.spacing_text->setFixedWidth(50);
    connect(c.spacing_text, &QLineEdit::editingFinished, this, &MemberCheckWindow::show_check);
    spacing_row->addWidget(c.spacing_text);
    grid->addWidget(spacing_box, 5, column);
    connect(c.spacing, &QComboBox::activated, this, [this, index](int item) {
        edit_member(index, [item](members::MemberInputs &m) {
            // The count typed becomes its pitch and the other way round, never a pitch of 5 mm.
            if (m.spacing != members::Spacing(item)) {
                m.spacing_text = members::other_spacing(m);
                m.spacing = members::Spacing(item);
            }
        });
    });
    connect(c.spacing_text, &QLineEdit::textEdited, this, [this, index](const QString &text) {
        edit_member(index, [&text](members::MemberInputs &m) { m.spacing_text = text; });
    });
    c.other_spacing = new_value(frame, numbered("other_spacing", index));
    grid->addWidget(c.other_spacing, 6, column);

    c.area = add_member_edit(grid, 7, index, "area", &members::MemberInputs::rebar_area);
    c.perimeter = add_member_edit(grid, 8, index, "perimeter", &members::MemberInputs::rebar_perimeter);
    c.width = new_value(frame, numbered("width", index));
    grid->addWidget(c.width, 9, column);
    // 総厚 typed as the shape gives it follows the shape again.
    c.thickness = add_member_edit(grid, 10, index, "thickness", nullptr);
    connect(c.thickness, &QLineEdit::textEdited, this,
            [this, index](const QString &text) { sheet_.type_thickness(index, text); });
    c.cover = add_member_edit(grid, 11, index, "cover", &members::MemberInputs::cover);
    c.depth = add_member_edit(grid, 12, index, "depth", &members::MemberInputs::effective_depth);

    c.steel_ratio = new_value(frame, numbered("steel_ratio", index));
    grid->addWidget(c.steel_ratio, 13, column);
    c.neutral_axis_ratio = new_value(frame, numbered("neutral_axis_ratio", index));
    grid->addWidget(c.neutral_axis_ratio, 14, column);
    c.lever_arm_ratio = new_value(frame, numbered("lever_arm_ratio", index));
    grid->addWidget(c.lever_arm_ratio, 15, column);
    int row = 16;
    for (Allowable a : members::allowables) {
        c.stresses[std::size_t(a)] =
            new_value(frame, numbered("stress", index) + u'_' + QString::number(int(a) + 1));
        grid->addWidget(c.stresses[std::size_t(a)], row++, column);
    }
    for (members::Detail d : members::details) {
        c.details[std::size_t(d)] = new_value(frame, numbered("detail", index) + u'_' + QString::number(int(d) + 1));
        grid->addWidget(c.details[std::size_t(d)], row++, column);
    }
    c.judgement = new_value(frame, numbered("judgement", index));
    c.judgement->setAlignment(Qt::AlignCenter);
    grid->addWidget(c.judgement, row++, column);
    c.design = new QPushButton(design_caption, frame);
    c.design->setObjectName(numbered("design", index));
    grid->addWidget(c.design, row++, column);
    connect(c.design, &QPushButton::clicked, this, [this, index] { design(index); });
    c.origin = new_value(frame, numbered("origin", index));
    c.origin->setAlignment(Qt::AlignCenter);
    grid->addWidget(c.origin, row++, column);
    c.design_note = new_value(frame, numbered("design_note", index));
    c.design_note->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    grid->addWidget(c.design_note, row, column);

    // The column keeps its width: each of its widgets is as wide as the widest choice or input in
    // it, or as a large comparison or the search's note on a member without forces, whatever the
    // texts shown, a label's text wrapping within it.
    QList<QWidget *> cells;
    members::MemberDesign without_forces;
    without_forces.no_forces = true;
    without_forces.reason = QStringLiteral("未計算");
    int width = 8 + std::max(fontMetrics().horizontalAdvance(QStringLiteral("124487 ＞ 18000")),
                             fontMetrics().horizontalAdvance(members::design_note(without_forces)));
    for (int r = 1; r <= row; ++r) {
        if (QLayoutItem *item = grid->itemAtPosition(r, column); item && item->widget()) {
            cells.append(item->widget());
            if (!qobject_cast<QLabel *>(item->widget()))
                width = std::max(width, item->widget()->sizeHint().width());
        }
    }
    for (QWidget *cell : cells) {
        cell->setFixedWidth(width);
        if (auto *label = qobject_cast<QLabel *>(cell))
            label->setWordWrap(true);
    }
}

QLineEdit *MemberCheckWindow::add_member_edit(QGridLayout *grid, int row, std::size_t index, const char *name,
                                              QString members::MemberInputs::*text)
{
    QLineEdit *edit = new_edit(grid->parentWidget(), numbered(name, index));
    grid->addWidget(edit, row, int(index) + 1);
    if (text) {
        connect(edit, &QLineEdit::textEdited, this, [this, index, text](const QString &typed) {
            edit_member(index, [&](members::MemberInputs &m) { m.*text = typed; });
        });
    }
    connect(edit, &QLineEdit::editingFinished, this, &MemberCheckWindow::show_check);
    return edit;
}

void MemberCheckWindow::edit_member(std::size_t index, const std::function<void(members::MemberInputs &)> &change)
{
    members::MemberInputs member = sheet_.inputs().members[index];
    change(member);
    sheet_.set_member(index, member);
}

void MemberCheckWindow::edit_materials(const std::function<void(members::Materials &)> &change)
{
    members::Materials materials = sheet_.inputs().materials;
    change(materials);
    sheet_.set_materials(materials);
}

void MemberCheckWindow::show_check()
{
    const members::MemberCheckInputs &inputs = sheet_.inputs();
    const members::MemberCheckReport report = sheet_.report();
    const members::Materials &materials = inputs.materials;

    if (strength_->currentText() != materials.concrete_strength) {
        // Shown, not entered: materials a file could not give stay unread.
        const QSignalBlocker shown(strength_);
        strength_->setCurrentText(materials.concrete_strength);
    }
    grade_->setCurrentIndex(int(materials.grade));
    tension_row_->setCurrentIndex(int(materials.tension_row));
    bar_surface_->setCurrentIndex(int(materials.bar_surface));
    for (Allowable a : members::allowables) {
        const std::size_t i = std::size_t(a);
        show_text(allowable_edits_[i], report.allowable_texts[i]);
        allowable_marks_[i]->setVisible(members::allowable_typed(materials, a));
    }
    for (std::size_t i = 0; i < detailing_edits_.size(); ++i)
        show_text(detailing_edits_[i], inputs.detailing.*members::detailing_entries[i].text);

    for (std::size_t index = 0; index < members::member_count; ++index) {
        const MemberColumn &c = columns_[index];
        const members::MemberInputs &in = inputs.members[index];
        const members::MemberResult &out = report.members[index];
        show_label(c.moment, out.moment);
        show_label(c.shear, out.shear);
        show_label(c.tension_face, out.tension_face);
        c.bar->setCurrentText(in.bar);
        c.spacing->setCurrentIndex(int(in.spacing));
        show_text(c.spacing_text, in.spacing_text);
        // The other of count and pitch, as the one given works it out.
        QString other;
        if (!out.bars_per_width.isEmpty())
            other = in.spacing == members::Spacing::Count ? QStringLiteral("@") + out.pitch + QStringLiteral("mm")
                                                          : out.bars_per_width + QStringLiteral("本");
        show_label(c.other_spacing, other);

        const bool typed = in.bar == members::typed_bars;
        // As, U and d typed directly leave the bars' count, 総厚 and かぶり out of the section.
        for (QWidget *input : std::initializer_list<QWidget *>{c.spacing, c.spacing_text, c.thickness, c.cover})
            input->setEnabled(!typed);
        for (QLineEdit *edit : {c.area, c.perimeter, c.depth})
            set_typing(edit, typed);
        show_text(c.area, out.rebar_area);
        show_text(c.perimeter, out.rebar_perimeter);
        show_text(c.depth, out.effective_depth);
        show_label(c.width, out.unit_width);
        show_text(c.thickness, out.thickness);
        show_typed(c.thickness, out.thickness_typed);
        show_text(c.cover, in.cover);

        show_label(c.steel_ratio, out.stresses.steel_ratio);
        show_label(c.neutral_axis_ratio, out.stresses.neutral_axis_ratio);
        show_label(c.lever_arm_ratio, out.stresses.lever_arm_ratio);
        for (Allowable a : members::allowables) {
            const std::size_t i = std::size_t(a);
            show_label(c.stresses[i], report.comparison(index, a), out.exceeded[i]);
        }
        for (members::Detail d : members::details) {
            const members::DetailCheck &rule = out.detailing[std::size_t(d)];
            show_label(c.details[std::size_t(d)], rule.comparison(d), rule.verdict == members::Verdict::Ng);
        }
        show_label(c.judgement, out.judgement, out.verdict == members::Verdict::Ng);
        show_label(c.origin, in.designed ? QStringLiteral("自動") : in.bar.isEmpty() ? QString() : QStringLiteral("手入力"));
        show_label(c.design_note, design_notes_[index]);
    }
    show_text(design_bars_, inputs.design_lists.bars);
    show_text(design_pitches_, inputs.design_lists.pitches);
}

void MemberCheckWindow::design(std::optional<std::size_t> member)
{
    std::array<members::MemberDesign, members::member_count> designs{};
    if (member)
        designs[*member] = sheet_.design(*member);
    else
        designs = sheet_.designs();
    const members::MemberCheckInputs before = sheet_.inputs();
    const members::MemberCheckInputs after = members::with_designs(before, designs);
    for (std::size_t i = 0; i < members::member_count; ++i) {
        if (!member || i == *member)
            design_notes_[i] = members::design_note(designs[i]);
    }
    designing_ = true;
    if (after == before)
        show_check();
    else
        undo_->push(new DesignCommand(sheet_, before.members, after.members));
    designing_ = false;
}

} // namespace tavrel
