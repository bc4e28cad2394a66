#include "widgets/GridCells.h"

namespace pelumo {
namespace {

template <typename List, typename T>
T storedOr(const List &list, int row, const T &fallback)
{
    return row < list.size() ? list.at(row) : fallback;
}

// Writes one value, lengthening the list only for a value other than the
// fallback. The first lengthening makes room for every row of the grid, so a
// column filled row by row is allocated once.
template <typename List, typename T>
void store(List &list, int row, const T &value, const T &fallback, int rows)
{
    if (row >= list.size()) {
        if (value == fallback)
            return;
        if (row >= list.capacity())
            list.reserve(rows);
        list.resize(row + 1, fallback);
    }
    list[row] = value;
}

template <typename List>
void truncate(List &list, int rows)
{
    if (list.size() > rows)
        list.resize(rows);
}

template <typename List, typename T>
List reordered(const List &list, const QVector<int> &order, const T &fallback)
{
    if (list.isEmpty())
        return list;
    List out;
    out.reserve(order.size());
    for (int from : order)
        out.append(storedOr(list, from, fallback));
    return out;
}

const QString kNoText;

} // namespace

void GridCells::resize(int rows, int cols)
{
    m_rows = qMax(0, rows);
    m_columns.resize(qMax(0, cols));
    for (Column &c : m_columns) {
        truncate(c.texts, m_rows);
        truncate(c.backs, m_rows);
        truncate(c.alignments, m_rows);
    }
}

const QString &GridCells::text(int row, int col) const
{
    if (!contains(row, col))
        return kNoText;
    const QStringList &texts = m_columns.at(col).texts;
    return row < texts.size() ? texts.at(row) : kNoText;
}

OleColor GridCells::back(int row, int col) const
{
    return contains(row, col) ? storedOr(m_columns.at(col).backs, row, kDefaultBack) : kDefaultBack;
}

int GridCells::alignment(int row, int col) const
{
    return contains(row, col) ? storedOr(m_columns.at(col).alignments, row, kDefaultAlignment)
                              : kDefaultAlignment;
}

void GridCells::setText(int row, int col, const QString &text)
{
    if (contains(row, col))
        store(m_columns[col].texts, row, text, kNoText, m_rows);
}

void GridCells::setBack(int row, int col, OleColor color)
{
    if (contains(row, col))
        store(m_columns[col].backs, row, color, kDefaultBack, m_rows);
}

void GridCells::setAlignment(int row, int col, int alignment)
{
    if (contains(row, col))
        store(m_columns[col].alignments, row, alignment, kDefaultAlignment, m_rows);
}

void GridCells::setColumnTexts(int col, const QStringList &texts)
{
    if (col < 0 || col >= cols())
        return;
    m_rows = qMax(m_rows, int(qMin(texts.size(), qsizetype(INT_MAX))));
    QStringList &column = m_columns[col].texts;
    column = texts;   // shared with the caller until either side writes
    truncate(column, m_rows);
}

void GridCells::reorderRows(const QVector<int> &order)
{
    for (Column &c : m_columns) {
        c.texts = reordered(c.texts, order, kNoText);
        c.backs = reordered(c.backs, order, kDefaultBack);
        c.alignments = reordered(c.alignments, order, kDefaultAlignment);
    }
}

} // namespace pelumo
