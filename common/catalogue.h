#pragma once

#include <QList>
#include <QStringView>

#include <cstddef>

namespace common {

// What the catalogues of quantities (Tavrel's flume/quantities, Morvik's rcstress/quantities) share.

// Whether each row of a catalogue's table stands at the index of its field.
template <typename Row, std::size_t N>
constexpr bool rows_follow_fields(const Row (&rows)[N])
{
    for (std::size_t i = 0; i < N; ++i) {
        if (std::size_t(rows[i].field) != i)
            return false;
    }
    return true;
}

// The row of a catalogue whose symbol is the given one, or nullptr.
template <typename Row>
const Row *find_by_symbol(const QList<Row> &rows, QStringView symbol)
{
    for (const Row &row : rows) {
        if (row.symbol == symbol)
            return &row;
    }
    return nullptr;
}

} // namespace common
