#pragma once

#include <QObject>
#include <QString>
#include <array>

namespace rcstress {

// The fields of Morvik's window: six inputs as typed and seven results as formatted.
#define RCSTRESS_FIELDS(X)                 \
    X(rebar_area, Text1, true)             \
    X(unit_width, Text2, true)             \
    X(effective_depth, Text3, true)        \
    X(bending_moment, Text7, true)         \
    X(shear_force, Text8, true)            \
    X(rebar_perimeter, Text9, true)        \
    X(steel_ratio, Text4, false)           \
    X(neutral_axis_ratio, Text5, false)    \
    X(lever_arm_ratio, Text6, false)       \
    X(concrete_stress, Text10, false)      \
    X(steel_stress, Text11, false)         \
    X(shear_stress, Text12, false)         \
    X(bond_stress, Text13, false)

enum class Field {
#define RCSTRESS_FIELD_ENUM(member, control, input) member,
    RCSTRESS_FIELDS(RCSTRESS_FIELD_ENUM)
#undef RCSTRESS_FIELD_ENUM
};

struct FieldInfo {
    Field field;
    const char *member;
    const char *control;
    bool input;
};

inline constexpr std::array field_table = {
#define RCSTRESS_FIELD_INFO(member, control, input) FieldInfo{Field::member, #member, #control, input},
    RCSTRESS_FIELDS(RCSTRESS_FIELD_INFO)
#undef RCSTRESS_FIELD_INFO
};

inline constexpr int field_count = int(field_table.size());
inline constexpr int input_count = 6;

constexpr const FieldInfo &info(Field f) { return field_table[std::size_t(f)]; }
inline QString member_name(Field f) { return QString::fromLatin1(info(f).member); }

// Morvik's record of its fields. The print entry is usable exactly while τo's field holds text,
// whoever changes it.
class SectionSheet : public QObject
{
    Q_OBJECT

public:
    explicit SectionSheet(QObject *parent = nullptr) : QObject(parent) {}

    QString text(Field f) const { return texts_[std::size_t(f)]; }
    void set_text(Field f, const QString &text)
    {
        QString &slot = texts_[std::size_t(f)];
        if (slot == text)
            return;
        const bool was_printable = printable();
        slot = text;
        emit text_changed(f, text);
        if (printable() != was_printable)
            emit printable_changed(printable());
    }
    bool printable() const { return !text(Field::bond_stress).isEmpty(); }

signals:
    void text_changed(rcstress::Field field, const QString &text);
    void printable_changed(bool printable);

private:
    std::array<QString, field_count> texts_;
};

} // namespace rcstress
