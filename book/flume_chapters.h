#pragma once

#include "book/worked_example.h"
#include "drawing/picture.h"
#include "flume/field.h"
#include "flume/full_check.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace book {

// A quantity of a page as the book lists it: the field the calculation reads or writes, its
// symbol, term and unit in SI as the documents write them (flume/quantities), and what the chapter
// adds after the term ("（ケース.1 から）").
struct Quantity {
    flume::Field field;
    QString symbol;
    QString term;
    QString unit;
    QString note;

    QString meaning() const { return term + note; }
};

using flume::Calculation;

// A "計算" button of a chapter: its name where a page has two ("a", "b"; "浮上り", "支持力"), and
// the formulas it computes, each with the result its worked value is.
struct WorkedStep {
    drawing::Picture picture;
    flume::Field result;
};
struct ChapterButton {
    Calculation calculation;
    QString name;
    QList<WorkedStep> formulas;
};

// A part of the flume window with a chapter of its own in the book.
struct FlumeChapter {
    QString title;
    flume::Page page;
    QList<ChapterButton> buttons;
    QList<Quantity> inputs;  // typed on the page or given to it from earlier pages
    QList<Quantity> results;

    QList<Calculation> calculations() const;
};

// The seven shape dimensions of the shape-input page.
const QList<Quantity> &shape_dimensions();

// 主働土圧, 浮上りに対する検討, 基礎地盤支持力の検討, ケース.1, ケース.2, ケース.3.
const QList<FlumeChapter> &flume_chapters();

// The chapter of a page's first button; a page with two chapters gives its first.
const FlumeChapter &chapter_of(flume::Page page);

// Every quantity the chapters name, the shape's first, each symbol once.
QList<Quantity> all_quantities();

// What the chapter's buttons check of an input and what follows when the value is refused, in the
// words of the input table, generated from the table each calculation itself checks:
// "0・空欄 → 「数値が入力されていません。」（負の値はそのまま計算）", "確かめない（…）".
QString input_check_text(const FlumeChapter &chapter, flume::Field input);

} // namespace book
