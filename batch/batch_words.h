#pragma once

#include <QString>

namespace batch {

// The captions of the 一括計算 window, as the window is built from them and the reference book quotes
// them ("&" marks the access key).
namespace words {
inline const QString window_title = QStringLiteral("一括計算");
inline const QString open_table = QStringLiteral("表を開く(&O)...");
inline const QString save_table = QStringLiteral("表を保存(&S)...");
inline const QString base_caption = QStringLiteral("基本：");
inline const QString choose_base = QStringLiteral("基本ファイル(&F)...");
inline const QString screen_base = QStringLiteral("画面の入力(&I)");
inline const QString screen_base_name = QStringLiteral("フルームの画面の入力");
// Above the table: how a table is typed.
inline const QString typing_hint =
    QStringLiteral("1 行目に入力の記号（名称、B、H、T1 など）を、2 行目から 1 行に 1 つのフルームの値を入力します。"
                   "表にない入力は基本の値です。");
inline const QString design = QStringLiteral("自動配筋(&D)");
inline const QString compute = QStringLiteral("計算(&C)");
inline const QString cancel = QStringLiteral("中止");
inline const QString cancelled = QStringLiteral("中止しました");
inline const QString open_row = QStringLiteral("フルームの画面で開く(&W)");
inline const QString save_csv = QStringLiteral("CSV保存...");
inline const QString save_xlsx = QStringLiteral(".xlsx保存...");
inline const QString save_pdf = QStringLiteral("PDF保存...");
inline const QString print = QStringLiteral("印刷(&P)...");
} // namespace words

} // namespace batch
