#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

namespace batch {

// The texts of one row of a table, kept in one UTF-8 string with where each ends: a row of a long
// table costs two allocations rather than one for every cell, and its numbers a byte a digit.
class Cells
{
public:
    Cells() = default;
    Cells(const QStringList &texts)
    {
        for (const QString &text : texts)
            *this << text;
    }

    qsizetype size() const { return ends_.size(); }
    // The bytes of the texts in UTF-8, all cells together.
    qsizetype bytes() const { return text_.size(); }
    bool isEmpty() const { return ends_.isEmpty(); }
    QString operator[](qsizetype i) const { return QString::fromUtf8(text_.sliced(start(i), ends_[i] - start(i))); }
    // The text of cell i; empty for a cell the row does not have.
    QString value(qsizetype i) const { return i >= 0 && i < size() ? (*this)[i] : QString(); }
    QStringList list() const
    {
        QStringList texts;
        for (qsizetype i = 0; i < size(); ++i)
            texts << (*this)[i];
        return texts;
    }

    Cells &operator<<(const QString &text)
    {
        text_ += text.toUtf8();
        ends_.append(int(text_.size()));
        return *this;
    }

    // Gives back what appending took beyond the texts.
    void squeeze()
    {
        text_.squeeze();
        ends_.squeeze();
    }

private:
    qsizetype start(qsizetype i) const { return i == 0 ? 0 : ends_[i - 1]; }

    QByteArray text_;
    QList<int> ends_;
};

} // namespace batch
