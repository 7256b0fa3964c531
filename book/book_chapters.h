#pragma once

#include "book/book_layout.h"
#include "book/flume_chapters.h"
#include "book/reference_book.h"
// The windows' menu entries and button captions the chapters quote.
#include "common/window_words.h"
#include "flume/captions.h"
#include "flume/member_forces.h"
#include "rcstress/field_captions.h"

namespace book {

// The chapters of the reference book, each written onto the layout in the book's order. A chapter
// that cannot say something true and complete with the material it was given adds the reason to
// problems.
void write_overview(BookLayout &book);                                              // 概要
void write_installation_chapter(BookLayout &book);                                  // インストールと起動
void write_quick_start(BookLayout &book, const BookMaterial &material, QStringList &problems);  // 操作の流れ
void write_windows_chapter(BookLayout &book, const BookMaterial &material, QStringList &problems);  // 画面とメニュー
void write_shape_chapter(BookLayout &book);                                         // 断面寸法の設計
void write_flume_chapter(BookLayout &book, const FlumeChapter &chapter);            // 主働土圧 … ケース.3
void write_member_check_chapter(BookLayout &book, const BookMaterial &material, QStringList &problems);  // 部材の応力度照査
void write_numbers_chapter(BookLayout &book);                                       // 数値の扱い
void write_file_chapter(BookLayout &book);                                          // Tavrelファイル (.tvl)
void write_printing_chapter(BookLayout &book, const BookMaterial &material, QStringList &problems);  // 印刷
void write_command_chapter(BookLayout &book, const BookMaterial &material, QStringList &problems);   // コマンドライン
void write_batch_chapter(BookLayout &book, const BookMaterial &material, QStringList &problems);     // 一括計算
void write_morvik_chapter(BookLayout &book, const BookMaterial &material, QStringList &problems);    // 鉄筋コンクリート応力度の検討
void write_messages_chapter(BookLayout &book, const BookMaterial &material, QStringList &problems); // メッセージ一覧
void write_symbols_chapter(BookLayout &book);                                       // 記号一覧

// The index (索引): the terms in the order of their readings (五十音順), each with its reading and
// the pages of the book before the index that use it, as the previous layout placed them.
void write_index(BookLayout &book, const QHash<int, QString> &page_texts, QStringList &problems);

// Morvik's symbols as its chapter lists them.
struct Symbol {
    QString symbol;
    QString meaning;
    QString unit;
};
QList<Symbol> morvik_symbols();

// How many decimals a result shows, read from its text: "小数 3 桁", "整数".
QString shown_decimals(const QString &text);

// A window picture of the material with its caption, or the reason it is missing.
void window_figure(BookLayout &book, const BookMaterial &material, const QString &name, const QString &caption,
                   QStringList &problems, int width = 0);

} // namespace book
