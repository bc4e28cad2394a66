#pragma once
// The cells of a FlexGrid, kept column by column: texts, background colours
// and alignments. A column stores only as many rows as have been written, so
// growing the grid costs nothing, and a column filled from a list shares that
// list instead of copying it cell by cell.
#include "widgets/Colors.h"
#include <QStringList>
#include <QVector>

namespace pelumo {

class GridCells {
public:
    static constexpr OleColor kDefaultBack = colors::White;
    static constexpr int kDefaultAlignment = 9;   // the grid's "general" alignment

    int rows() const { return m_rows; }
    int cols() const { return int(m_columns.size()); }
    bool contains(int row, int col) const
    {
        return row >= 0 && row < m_rows && col >= 0 && col < cols();
    }
    // Cells that stay keep their contents; new cells are empty.
    void resize(int rows, int cols);

    // Out of range reads give an empty text and the default colour and alignment.
    const QString &text(int row, int col) const;
    OleColor back(int row, int col) const;
    int alignment(int row, int col) const;
    void setText(int row, int col, const QString &text);
    void setBack(int row, int col, OleColor color);
    void setAlignment(int row, int col, int alignment);

    // The column holds exactly these texts, from row 0, and empty texts below;
    // the rows grow to fit. Colours and alignments stay.
    void setColumnTexts(int col, const QStringList &texts);

    // Row i takes what row order[i] held, for every column.
    void reorderRows(const QVector<int> &order);

private:
    struct Column {
        QStringList texts;         // rows past the end are empty
        QVector<OleColor> backs;   // rows past the end are kDefaultBack
        QVector<int> alignments;   // rows past the end are kDefaultAlignment
    };

    QVector<Column> m_columns;
    int m_rows = 0;
};

} // namespace pelumo
