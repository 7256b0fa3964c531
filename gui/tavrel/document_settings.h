#pragma once

#include "document/document_data.h"

#include <QDate>
#include <QDialog>
#include <QList>

class QCheckBox;
class QLineEdit;

namespace tavrel {

// 計算書の設定: what the structural calculation document says of the works, entered for the flume
// window that owns it and modal to it. 作成日 shows the day of printing (today) until the user types
// a date or unticks 印刷する日, which fixes the date shown; ticking it again returns to the day of
// printing. OK hands the entries to on_accepted; キャンセル keeps what was there.
class DocumentSettings : public QDialog
{
    Q_OBJECT

public:
    DocumentSettings(const document::DocumentData &data, const QDate &today, QWidget *flume_window);

    document::DocumentData data() const;

private:
    void date_typed();
    void printing_day_toggled(bool on);

    QDate today_;
    QList<QLineEdit *> edits_;  // in the order of document::document_entries
    QLineEdit *date_edit_ = nullptr;
    QCheckBox *printing_day_ = nullptr;
};

} // namespace tavrel
