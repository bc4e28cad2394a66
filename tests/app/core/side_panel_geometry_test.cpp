// Where the side panel stands, and what it costs the layout.
#include "app/core/SidePanelGeometry.h"
#include <QTest>

using namespace pelumo;

class SidePanelGeometryTest : public QObject {
    Q_OBJECT
private slots:
    void windows_data()
    {
        QTest::addColumn<QSize>("client");
        QTest::addColumn<bool>("makeRoom");
        QTest::addColumn<bool>("shown");
        QTest::addColumn<double>("scale");
        // A wide full screen: the panel in the free strip, the scale as without it.
        QTest::newRow("1920x1080") << QSize(1920, 1080) << false << true << 1080 / 741.0;
        QTest::newRow("1920x1080, room asked") << QSize(1920, 1080) << true << true << 1080 / 741.0;
        // The layout's own size: no room, and none made unless asked.
        QTest::newRow("1024x768") << QSize(1018, 741) << false << false << 1.0;
        QTest::newRow("1024x768, room made") << QSize(1018, 741) << true << true
                                             << 1018 * 15.0 / 18705;
        QTest::newRow("1280x1024, room made") << QSize(1280, 1024) << true << true
                                              << 1280 * 15.0 / 18705;
        QTest::newRow("tall and narrow") << QSize(800, 1200) << false << false << 800 / 1018.0;
        QTest::newRow("nothing") << QSize(0, 0) << true << false << 0.0;
    }
    void windows()
    {
        QFETCH(QSize, client);
        QFETCH(bool, makeRoom);
        QFETCH(bool, shown);
        QFETCH(double, scale);
        const SidePanelGeometry g = sidePanelGeometry(client, makeRoom);
        QCOMPARE(g.shown, shown);
        QVERIFY(qAbs(g.scale - scale) < 1e-9);
        if (!shown)
            return;
        // The whole panel is inside the window.
        const QRect panel = sidePanelTwips();
        const double right = (panel.left() + panel.width()) * g.scale / 15;
        QVERIFY2(right <= client.width(), qPrintable(QString::number(right)));
        QVERIFY((panel.top() + panel.height()) * g.scale / 15 <= client.height());
    }

    void buttonsAsLargeAsCells()
    {
        QCOMPARE(panelCell(0, 0).size(), QSize(kPanelCellWidth, kPanelCellHeight));
        QCOMPARE(panelCell(1, 7).bottomRight(),
                 QPoint(2 * kPanelCellWidth + kPanelGap - 1, 8 * kPanelCellHeight + 7 * kPanelGap - 1));
        QCOMPARE(panelCell(0, 2, 2).width(), 2 * kPanelCellWidth + kPanelGap);
    }
};

QTEST_MAIN(SidePanelGeometryTest)
#include "side_panel_geometry_test.moc"
