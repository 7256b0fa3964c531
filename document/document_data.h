#pragma once

#include <QDate>
#include <QString>
#include <array>

namespace document {

// What the structural calculation document (構造計算書) says of the works beyond the flume's own
// inputs: the entries of 計算書の設定, each as typed.
struct DocumentData {
    QString works_name;        // 工事名
    QString structure_name;    // 施設名または路線名
    QString client;            // 発注者
    QString designer_company;  // 設計者: the company
    QString designer_person;   // 設計者: the person
    QString creation_date;     // 作成日 once typed or confirmed; empty: the day of printing
    QString standards;         // 適用基準
    QString remark;            // 備考

    bool operator==(const DocumentData &) const = default;

    // Nothing entered: a file then carries no document data at all.
    bool is_empty() const { return *this == DocumentData{}; }

    // The date the document bears when printed on printing_day: the stored one, else that day.
    QString date_on(const QDate &printing_day) const;

    // The document's title: "<工事名> 構造計算書", or 構造計算書 without a works' name.
    QString title() const;

    // The designer as one line: company and person with a full-width blank between.
    QString designer() const;
};

// An entry as a line of print: line ends, tabs and runs of half-width blanks become one blank and
// none stands at either end; a full-width blank, a character of the entry, stays as typed.
QString one_line(const QString &entry);

// Each entry: its member, its key in the file, and its caption in 計算書の設定.
struct DocumentEntry {
    QString DocumentData::*member;
    const char *key;
    const char16_t *caption;
};

inline const std::array<DocumentEntry, 8> document_entries = {{
    {&DocumentData::works_name, "works_name", u"工事名"},
    {&DocumentData::structure_name, "structure_name", u"施設名・路線名"},
    {&DocumentData::client, "client", u"発注者"},
    {&DocumentData::designer_company, "designer_company", u"設計者（会社名）"},
    {&DocumentData::designer_person, "designer_person", u"設計者（担当者）"},
    {&DocumentData::creation_date, "creation_date", u"作成日"},
    {&DocumentData::standards, "standards", u"適用基準"},
    {&DocumentData::remark, "remark", u"備考"},
}};

} // namespace document
