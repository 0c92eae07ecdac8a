// SPDX-FileCopyrightText: 2026 The Tolvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The pictures of the secondary windows: carried in the resources at their sizes and colour
// depths, and drawn by the two picture rules (proportional scaling and transparency).

#include "view/Pictures.h"
#include "platform/Fonts.h"
#include "tests/view/WindowChecks.h"
#include "view/BestTimesWindow.h"
#include "view/HelpWindow.h"

#include <QTest>

namespace {

const QColor Marker(0, 200, 0); // a window background no picture uses

// The window drawn on a background of the marker colour.
QImage DrawnOnMarker(QWidget& dialog) {
    QPalette colours = dialog.palette();
    colours.setColor(QPalette::Window, Marker);
    colours.setColor(QPalette::Button, Marker);
    colours.setColor(QPalette::Base, Marker);
    dialog.setPalette(colours);
    return dialog.grab().toImage();
}

bool IsMarker(const QImage& image, QPoint at) {
    return QColor(image.pixel(at)) == Marker;
}

} // namespace

class PicturesTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { InstallFontSubstitutes(); }

    void picturesHaveTheirSizesAndColourDepths_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<bool>("indexed");
        QTest::newRow("trophy") << "trophy.png" << QSize(162, 187) << false;
        QTest::newRow("block") << "block.png" << QSize(120, 123) << false;
        QTest::newRow("column") << "column.png" << QSize(46, 326) << false;
        QTest::newRow("row") << "row.png" << QSize(330, 51) << false;
        QTest::newRow("two rows") << "two-rows.png" << QSize(327, 81) << false;
        QTest::newRow("logo") << "logo.png" << QSize(158, 128) << true;
    }

    void picturesHaveTheirSizesAndColourDepths() {
        QFETCH(QString, name);
        QFETCH(QSize, size);
        QFETCH(bool, indexed);
        const QImage picture = GamePicture(name);
        QCOMPARE(picture.size(), size);
        QVERIFY(!picture.hasAlphaChannel());
        if (indexed) {
            QCOMPARE(picture.format(), QImage::Format_Indexed8);
            QVERIFY(picture.colorCount() <= 256);
        } else {
            QCOMPARE(picture.depth(), 32); // 24-bit colour, loaded as RGB32
            QVERIFY(picture.format() == QImage::Format_RGB32 ||
                    picture.format() == QImage::Format_RGB888);
        }
    }

    void drawnSizeKeepsTheAspectAndTruncates() {
        // The four pictures of the windows that are shown scaled.
        QCOMPARE(DrawnSize({162, 187}, {81, 97}, true), QSize(81, 93));  // 93.5
        QCOMPARE(DrawnSize({46, 326}, {41, 269}, true), QSize(37, 269)); // 37.96
        QCOMPARE(DrawnSize({330, 51}, {265, 49}, true), QSize(265, 40)); // 40.95
        QCOMPARE(DrawnSize({327, 81}, {273, 69}, true), QSize(273, 67)); // 67.6
        // A picture that fits keeps its own size, scaled or not.
        QCOMPARE(DrawnSize({120, 123}, {129, 129}, true), QSize(120, 123));
        QCOMPARE(DrawnSize({158, 128}, {185, 153}, false), QSize(158, 128));
        // Too large and not proportional: its own size, cut off by the area.
        QCOMPARE(DrawnSize({200, 50}, {100, 100}, false), QSize(200, 50));
        // Exactly as wide as high, in a wide area: bound by the height.
        QCOMPARE(DrawnSize({100, 100}, {300, 30}, true), QSize(30, 30));
    }

    void transparencyLeavesOutTheBottomLeftColour() {
        QImage picture(4, 3, QImage::Format_RGB32);
        picture.fill(Qt::white);
        const QRgb key = qRgb(10, 20, 30);
        picture.setPixel(0, 2, key); // bottom-left
        picture.setPixel(3, 0, key);
        picture.setPixel(2, 1, qRgb(10, 20, 31)); // close, but another colour
        const QImage result = WithoutBackground(picture);
        QCOMPARE(qAlpha(result.pixel(0, 2)), 0);
        QCOMPARE(qAlpha(result.pixel(3, 0)), 0);
        QCOMPARE(result.pixel(2, 1), qRgb(10, 20, 31));
        QCOMPARE(result.pixel(1, 1), qRgb(255, 255, 255));
    }

    void trophyFillsTheTopOfItsAreaAndShowsTheWindowThrough() {
        TestMainWindow main;
        BestTimesWindow dialog(&main);
        QCOMPARE(dialog.Picture->DrawnRect(), QRect(0, 0, 81, 93));
        const QImage trophy = dialog.Picture->Picture();
        const QRgb background = trophy.pixel(0, trophy.height() - 1);
        QCOMPARE(trophy.pixel(0, 0), background); // the corners are background

        const QImage drawn = DrawnOnMarker(dialog);
        const QPoint area = dialog.Picture->pos();
        // Where the picture had its background colour the window shows through...
        QVERIFY(IsMarker(drawn, area + QPoint(0, 0)));
        QVERIFY(IsMarker(drawn, area + QPoint(80, 0)));
        QVERIFY(IsMarker(drawn, area + QPoint(0, 92)));
        // ...the cup itself is drawn, scaled to half: its middle lies at about (40, 30)...
        QVERIFY(!IsMarker(drawn, area + QPoint(40, 30)));
        // ...and below the 93 rows the area is empty (down to the names, which start at 96).
        for (int x = 0; x < 81; ++x)
            for (int y = 93; y < 96; ++y)
                QVERIFY(IsMarker(drawn, area + QPoint(x, y)));
        // The plinth reaches down to the picture's last rows.
        bool plinth = false;
        for (int x = 20; x < 60; ++x)
            plinth = plinth || !IsMarker(drawn, area + QPoint(x, 90));
        QVERIFY(plinth);
    }

    void columnExampleIsScaledIntoItsArea() {
        TestMainWindow main;
        HelpWindow dialog(&main);
        PictureBox* column = dialog.ColumnPicture;
        QVERIFY(!column->Transparent());
        QCOMPARE(column->DrawnRect(), QRect(0, 0, 37, 269));
        QCOMPARE(dialog.RowPicture->DrawnRect(), QRect(0, 0, 265, 40));
        QCOMPARE(dialog.TwoRowsPicture->DrawnRect(), QRect(0, 0, 273, 67));
        QCOMPARE(dialog.BlockPicture->DrawnRect(), QRect(0, 0, 120, 123));

        QPalette colours = column->palette();
        colours.setColor(QPalette::Window, Marker);
        column->setPalette(colours);
        column->setAutoFillBackground(true);
        const QImage drawn = column->grab().toImage();
        QCOMPARE(drawn.size(), QSize(41, 269));
        // An opaque picture: even its background corner is drawn...
        QVERIFY(!IsMarker(drawn, {0, 0}));
        QVERIFY(!IsMarker(drawn, {36, 268}));
        // ...and right of its 37 columns the area is left alone.
        for (int y = 0; y < 269; y += 7)
            for (int x = 37; x < 41; ++x)
                QVERIFY(IsMarker(drawn, {x, y}));
        // Scaled, not cut off: the black frame at the bottom of the column is there.
        bool black = false;
        for (int y = 262; y < 269; ++y)
            black = black || qGray(drawn.pixel(18, y)) < 60;
        QVERIFY(black);
    }
};

QTEST_MAIN(PicturesTest)
#include "PicturesTest.moc"
