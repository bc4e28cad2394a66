#include "BareWindow.h"

namespace bench {

BareWindow::BareWindow() : grid(new pelumo::FlexGrid(&window))
{
    window.resize(pelumo::kDesignClientWidth, pelumo::kDesignClientHeight);
    layout.place(grid, {0, 2400, 15345, 5715}, {pelumo::kGothic, 54.75});
    grid->setRows(5);
    grid->setCols(10);
    grid->setColWidth(-1, 1530);
    const QString kana = QStringLiteral("あいうえおかきくけこさしすせそたちつてとなにぬねのはひふへほまみむめもやゆよーらりるれろわをん。、");
    for (int i = 0; i < 50; ++i)
        grid->setTextMatrix(i % 5, 9 - i / 5, kana.mid(i, 1));
}

} // namespace bench
