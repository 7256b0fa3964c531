#pragma once

#include "book/book_layout.h"
#include "book/flume_chapters.h"

namespace book {

// The chapters of the reference book, each written onto the layout in the book's order.
void write_overview(BookLayout &book);                                  // 概要
void write_shape_chapter(BookLayout &book);                             // 断面寸法の設計
void write_flume_chapter(BookLayout &book, const FlumeChapter &chapter); // 主働土圧 … ケース.3
void write_member_check_chapter(BookLayout &book);                      // 部材の応力度照査
void write_numbers_chapter(BookLayout &book);                           // 数値の扱い
void write_messages_chapter(BookLayout &book);                          // メッセージ一覧
void write_file_chapter(BookLayout &book);                              // Tavrelファイル (.tvl)
void write_printing_chapter(BookLayout &book);                          // 印刷
void write_morvik_chapter(BookLayout &book);                            // 鉄筋コンクリート応力度の検討

// How many decimals a result shows, read from its text: "小数3桁", "整数".
QString shown_decimals(const QString &text);

} // namespace book
