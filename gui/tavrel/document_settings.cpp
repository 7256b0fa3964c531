#include "gui/tavrel/document_settings.h"

#include "document/era_date.h"
#include "common/window_words.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace tavrel {

DocumentSettings::DocumentSettings(const document::DocumentData &data, const QDate &today, QWidget *flume_window)
    : QDialog(flume_window), today_(today)
{
    setObjectName(QStringLiteral("document_settings"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowModality(Qt::WindowModal);
    setWindowTitle(QStringLiteral("計算書の設定"));

    auto *form = new QFormLayout;
    for (const document::DocumentEntry &entry : document::document_entries) {
        auto *edit = new QLineEdit(data.*entry.member, this);
        edit->setCursorPosition(0);  // a text longer than the field shows its beginning
        edit->setObjectName(QString::fromLatin1(entry.key));
        edit->setMinimumWidth(edit->fontMetrics().horizontalAdvance(QStringLiteral("あ")) * 32);
        edits_.append(edit);
        if (entry.member != &document::DocumentData::creation_date) {
            form->addRow(QString::fromUtf16(entry.caption), edit);
            continue;
        }
        date_edit_ = edit;
        printing_day_ = new QCheckBox(QStringLiteral("印刷する日"), this);
        printing_day_->setObjectName(QStringLiteral("printing_day"));
        auto *row = new QHBoxLayout;
        row->addWidget(edit, 1);
        row->addWidget(printing_day_);
        form->addRow(QString::fromUtf16(entry.caption), row);
    }
    const bool undated = data.creation_date.isEmpty();
    printing_day_->setChecked(undated);
    if (undated)
        date_edit_->setText(document::era_date(today_));
    connect(date_edit_, &QLineEdit::textEdited, this, &DocumentSettings::date_typed);
    connect(printing_day_, &QCheckBox::toggled, this, &DocumentSettings::printing_day_toggled);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(common::words::ok);
    buttons->button(QDialogButtonBox::Cancel)->setText(common::words::cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

document::DocumentData DocumentSettings::data() const
{
    document::DocumentData data;
    for (std::size_t i = 0; i < document::document_entries.size(); ++i)
        data.*document::document_entries[i].member = edits_[qsizetype(i)]->text();
    if (printing_day_->isChecked())
        data.creation_date.clear();
    return data;
}

// A typed date is the document's date; erasing it returns to the day of printing.
void DocumentSettings::date_typed()
{
    const QSignalBlocker blocker(printing_day_);
    printing_day_->setChecked(date_edit_->text().trimmed().isEmpty());
}

void DocumentSettings::printing_day_toggled(bool on)
{
    if (on || date_edit_->text().trimmed().isEmpty())
        date_edit_->setText(document::era_date(today_));
}

} // namespace tavrel
