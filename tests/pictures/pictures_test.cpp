#include "pictures/BoardGeometry.h"
#include "pictures/BoardPicture.h"
#include "pictures/CommandIcons.h"
#include "pictures/LayoutThumbnails.h"
#include "pictures/ProgramIcon.h"
#include "pictures/StatusPicture.h"
#include "pictures/WarningPicture.h"
#include "setup/core/Games.h"
#include "tests/pictures/PictureChecks.h"

#include <QIcon>
#include <QTest>

#include <span>

#include <stdexcept>

using namespace pictures;
using PictureChecks::canvasProblem;
using PictureChecks::countPixels;
using PictureChecks::opaque;

namespace {

const QList<int> kUsedIcons = {0, 1, 2, 4, 7, 8};
const QRgb kOlive = qRgb(128, 128, 0);
const QRgb kMagenta = qRgb(255, 0, 255);

// The thumbnail's dots: 2 x 2 pixels, 3 apart, the grid starting at 6.
QRect dotOf(int row, int column, int dpr)
{
    return {(6 + 3 * column) * dpr, (6 + 3 * row) * dpr, 2 * dpr, 2 * dpr};
}

// How many 2 x 2 blocks of device pixels are not of one colour: none in a
// picture painted at ratio 1 and drawn twice as large.
int blocksWithDetail(const QImage& picture)
{
    int count = 0;
    for (int y = 0; y + 1 < picture.height(); y += 2)
        for (int x = 0; x + 1 < picture.width(); x += 2) {
            const QRgb first = picture.pixel(x, y);
            count += picture.pixel(x + 1, y) != first || picture.pixel(x, y + 1) != first
                || picture.pixel(x + 1, y + 1) != first;
        }
    return count;
}

bool everyPixel(const QImage& picture, const QRect& area, QRgb colour)
{
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (picture.pixel(x, y) != colour)
                return false;
    return true;
}

} // namespace

class PicturesTest : public QObject {
    Q_OBJECT

private slots:
    void picturesAreSharpAtEveryRatio_data()
    {
        QTest::addColumn<qreal>("dpr");
        for (qreal dpr : {1.0, 1.5, 2.0})
            QTest::addRow("%g", dpr) << dpr;
    }

    void picturesAreSharpAtEveryRatio()
    {
        QFETCH(qreal, dpr);
        const auto check = [dpr](const QImage& picture, int size, const QString& name) {
            const QString problem = canvasProblem(picture, QSize(size, size), dpr);
            QVERIFY2(problem.isEmpty(), qPrintable(name + ": " + problem));
        };
        for (int index : kUsedIcons)
            check(commandIcon(index, dpr), kCommandIconSize, QStringLiteral("command icon %1").arg(index));
        for (int size : kProgramIconSizes)
            check(programIconImage(size, dpr), size, QStringLiteral("program icon %1").arg(size));
        check(statusPicture(dpr), kStatusPictureSize, QStringLiteral("status picture"));
        check(warningPicture(dpr), kWarningPictureSize, QStringLiteral("warning"));
        for (int game = 1; game <= pelikor::kOptionalGameCount; ++game)
            check(layoutThumbnail(game, dpr), kLayoutThumbnailSize, QStringLiteral("thumbnail %1").arg(game));

        // The board is opaque and 24-bit, with its holes where the hole
        // shapes expect them and the panel's gray in its rounded corners.
        const QImage& board = boardPicture(dpr);
        QCOMPARE(board.size(), QSize(qRound(kBoardPictureWidth * dpr), qRound(kBoardPictureHeight * dpr)));
        QCOMPARE(board.devicePixelRatio(), dpr);
        QCOMPARE(board.format(), QImage::Format_RGB32);
        QCOMPARE(&boardPicture(dpr), &board);
        const QPoint origin(kBoardPictureLeft, kBoardPictureTop);
        for (int n = 1; n <= pelikor::kPositionCount; ++n) {
            const QRect hole = holeRect(n).translated(-origin);
            for (QPoint inside : {hole.center(), QPoint(hole.left() + 3, hole.center().y()),
                                  QPoint(hole.right() - 3, hole.center().y())})
                QVERIFY2(board.pixel(inside * dpr) == qRgb(255, 255, 255), qPrintable(QStringLiteral("hole %1").arg(n)));
        }
        QCOMPARE(board.pixel(0, 0), qRgb(128, 128, 128));
        QCOMPARE(board.pixel(board.width() - 1, board.height() - 1), qRgb(128, 128, 128));
        // Painted at its ratio, not a ratio-1 board drawn twice as large.
        if (dpr == 2.0)
            QVERIFY2(blocksWithDetail(board) > 5000, qPrintable(QString::number(blocksWithDetail(board))));
    }

    void picturesAreKeptPerRatio()
    {
        QCOMPARE(&commandIcon(kHelpIcon, 2.0), &commandIcon(kHelpIcon, 2.0));
        QVERIFY(&commandIcon(kHelpIcon, 2.0) != &commandIcon(kHelpIcon, 1.0));
        QCOMPARE(&statusPicture(), &statusPicture());
        QCOMPARE(&warningPicture(3.0), &warningPicture(3.0));
        QCOMPARE(&layoutThumbnail(4, 2.0), &layoutThumbnail(4, 2.0));
        QVERIFY(&layoutThumbnail(4, 2.0) != &layoutThumbnail(5, 2.0));
    }

    void commandIconsAreDrawnAndTellApart()
    {
        for (int index : kUsedIcons) {
            const QImage& icon = commandIcon(index);
            QVERIFY2(countPixels(icon, opaque) > 80, qPrintable(QString::number(index)));
            for (int other : kUsedIcons)
                if (other != index)
                    QVERIFY2(icon != commandIcon(other), qPrintable(QStringLiteral("%1 and %2").arg(index).arg(other)));
        }
        for (int unused : {3, 5, 6})
            QVERIFY(commandIcon(unused).isNull());
    }

    void pictureThatDoesNotExistIsRefused()
    {
        for (int outside : {-1, kCommandIconCount})
            QVERIFY_THROWS_EXCEPTION(std::out_of_range, commandIcon(outside));
        QVERIFY_THROWS_EXCEPTION(std::invalid_argument, programIconImage(0));
        for (int game : {0, pelikor::kOptionalGameCount + 1})
            QVERIFY_THROWS_EXCEPTION(std::invalid_argument, layoutThumbnail(game));
    }

    void programIconHasEveryWindowSize()
    {
        const QIcon icon = programIcon();
        const QList<QSize> sizes = icon.availableSizes();
        QCOMPARE(sizes.size(), kWindowIconSizes);
        for (int size : std::span(kProgramIconSizes).first(kWindowIconSizes)) {
            QVERIFY2(sizes.contains(QSize(size, size)), qPrintable(QString::number(size)));
            QVERIFY(countPixels(icon.pixmap(size).toImage(), opaque) > size * size / 2);
        }
    }

    void statusPictureIsAPinkPeg()
    {
        const int pink = countPixels(statusPicture(), [](QRgb c) {
            return opaque(c) && qRed(c) > 230 && qGreen(c) > 100 && qGreen(c) < 170 && qBlue(c) < 170;
        });
        QVERIFY2(pink > 20, qPrintable(QString::number(pink)));
    }

    void warningIsAYellowTriangleWithABlackMark()
    {
        const QImage& warning = warningPicture();
        const int yellow = countPixels(warning, [](QRgb c) {
            return opaque(c) && qRed(c) > 230 && qGreen(c) > 180 && qBlue(c) < 120;
        });
        const int black = countPixels(warning, [](QRgb c) {
            return opaque(c) && qRed(c) < 40 && qGreen(c) < 40 && qBlue(c) < 40;
        });
        QVERIFY2(yellow > 150, qPrintable(QString::number(yellow)));
        QVERIFY2(black > 40, qPrintable(QString::number(black)));
        // Pointing up: its top row is narrow, its lower rows wide.
        QCOMPARE(qAlpha(warning.pixel(4, 6)), 0);
        QVERIFY(opaque(warning.pixel(4, 29)));
    }

    void thumbnailsShowTheCataloguesLayouts_data()
    {
        QTest::addColumn<int>("game");
        QTest::addColumn<int>("dpr");
        for (int game = 1; game <= pelikor::kOptionalGameCount; ++game)
            for (int dpr : {1, 2})
                QTest::addRow("game %d at %d", game, dpr) << game << dpr;
    }

    // Every dot is sharp at its place, magenta or see-through as the layout
    // says, with plain olive right around it; the grid's places that are no
    // position are olive; the frame is see-through.
    void thumbnailsShowTheCataloguesLayouts()
    {
        QFETCH(int, game);
        QFETCH(int, dpr);
        const QImage picture = layoutThumbnail(game, dpr).convertToFormat(QImage::Format_ARGB32);
        const pelikor::PositionSet layout = pelikor::optionalGame(game).layout;

        for (int row = 0; row < pelikor::kBoardSide; ++row)
            for (int column = 0; column < pelikor::kBoardSide; ++column) {
                const QRect dot = dotOf(row, column, dpr);
                const int n = pelikor::positionAt(row, column);
                const QString where = QStringLiteral("row %1, column %2").arg(row).arg(column);
                if (n == 0) {
                    QVERIFY2(everyPixel(picture, dot, kOlive), qPrintable(where));
                    continue;
                }
                QVERIFY2(everyPixel(picture, dot, layout.contains(n) ? kMagenta : qRgba(0, 0, 0, 0)), qPrintable(where));
                const QRect ring = dot.adjusted(-1, -1, 1, 1);
                for (int y = ring.top(); y <= ring.bottom(); ++y)
                    for (int x = ring.left(); x <= ring.right(); ++x)
                        QVERIFY2(dot.contains(x, y) || picture.pixel(x, y) == kOlive, qPrintable(where));
            }

        const int frame = 3 * dpr;
        const int side = picture.width();
        for (int y = 0; y < side; ++y)
            for (int x = 0; x < side; ++x)
                if (x < frame || y < frame || x >= side - frame || y >= side - frame)
                    QVERIFY2(qAlpha(picture.pixel(x, y)) == 0, qPrintable(QStringLiteral("%1, %2").arg(x).arg(y)));
    }
};

QTEST_MAIN(PicturesTest)
#include "pictures_test.moc"
