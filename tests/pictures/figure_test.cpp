#include "pictures/FigurePicture.h"
#include "pictures/PictureCache.h"
#include "tests/pictures/PictureChecks.h"

#include <QTest>

#include <algorithm>
#include <limits>
#include <stdexcept>
#include <vector>

using namespace pictures;

namespace {

constexpr int kHalfOpaque = 128;

// The outline as a grid of pixels, row by row.
std::vector<bool> rasterise(const QRegion& region)
{
    std::vector<bool> inside(kFigureSize * kFigureSize, false);
    for (const QRect& rect : region)
        for (int y = rect.top(); y <= rect.bottom(); ++y)
            for (int x = rect.left(); x <= rect.right(); ++x)
                inside[y * kFigureSize + x] = true;
    return inside;
}

// How many pixels of one kind a flood from the seeds reaches, stepping to
// the four direct neighbours only: shapes that touch at a corner are apart
// for a window region.
int flood(const std::vector<bool>& inside, bool kind, std::vector<int> seeds)
{
    std::vector<bool> seen(inside.size(), false);
    int reached = 0;
    while (!seeds.empty()) {
        const int at = seeds.back();
        seeds.pop_back();
        if (seen[at] || inside[at] != kind)
            continue;
        seen[at] = true;
        ++reached;
        const int x = at % kFigureSize;
        const int y = at / kFigureSize;
        if (x > 0) seeds.push_back(at - 1);
        if (x < kFigureSize - 1) seeds.push_back(at + 1);
        if (y > 0) seeds.push_back(at - kFigureSize);
        if (y < kFigureSize - 1) seeds.push_back(at + kFigureSize);
    }
    return reached;
}

bool allAround(const std::vector<bool>& inside, int x, int y, bool kind)
{
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx) {
            const int nx = x + dx;
            const int ny = y + dy;
            const bool in = nx >= 0 && ny >= 0 && nx < kFigureSize && ny < kFigureSize && inside[ny * kFigureSize + nx];
            if (in != kind)
                return false;
        }
    return true;
}

} // namespace

class FigureTest : public QObject {
    Q_OBJECT

private slots:
    void pictureIsSharpAtEveryRatio_data()
    {
        QTest::addColumn<qreal>("dpr");
        for (qreal dpr : {1.0, 1.25, 1.5, 2.0, 3.0})
            QTest::addRow("%g", dpr) << dpr;
    }

    void pictureIsSharpAtEveryRatio()
    {
        QFETCH(qreal, dpr);
        const QImage& picture = figurePicture(dpr);
        const QString problem = PictureChecks::canvasProblem(picture, QSize(kFigureSize, kFigureSize), dpr);
        QVERIFY2(problem.isEmpty(), qPrintable(problem));
        QCOMPARE(&figurePicture(dpr), &picture);
    }

    void ratioThatIsNoPositiveNumberIsRefused()
    {
        for (qreal dpr : {0.0, -1.0, std::numeric_limits<qreal>::quiet_NaN(), std::numeric_limits<qreal>::infinity()})
            QVERIFY_THROWS_EXCEPTION(std::invalid_argument, figurePicture(dpr));
    }

    void outlineIsExactlyTheHalfOpaquePixels()
    {
        const QImage& picture = figurePicture(1.0);
        const QRegion& outline = figureOutline();
        for (int y = 0; y < kFigureSize; ++y)
            for (int x = 0; x < kFigureSize; ++x)
                QVERIFY2(outline.contains(QPoint(x, y)) == (qAlpha(picture.pixel(x, y)) >= kHalfOpaque),
                         qPrintable(QStringLiteral("pixel %1, %2").arg(x).arg(y)));
    }

    void outlineIsOneShapeWithoutHoles()
    {
        const QRegion& outline = figureOutline();
        QVERIFY(QRect(0, 0, kFigureSize, kFigureSize).contains(outline.boundingRect()));
        const std::vector<bool> inside = rasterise(outline);
        const int area = int(std::count(inside.begin(), inside.end(), true));

        const int first = int(std::find(inside.begin(), inside.end(), true) - inside.begin());
        QCOMPARE(flood(inside, true, {first}), area);

        // Every pixel outside the figure is reached from the picture's edge.
        std::vector<int> edge;
        for (int i = 0; i < kFigureSize; ++i)
            edge.insert(edge.end(), {i, (kFigureSize - 1) * kFigureSize + i, i * kFigureSize, i * kFigureSize + kFigureSize - 1});
        QCOMPARE(flood(inside, false, edge), kFigureSize * kFigureSize - area);
    }

    void figureIsAPinkPegThatWavesUpLeft()
    {
        const std::vector<bool> inside = rasterise(figureOutline());
        const int area = int(std::count(inside.begin(), inside.end(), true));
        QVERIFY2(area > kFigureSize * kFigureSize / 3, qPrintable(QString::number(area)));

        const int pink = PictureChecks::countPixels(figurePicture(1.0), [](QRgb c) {
            return PictureChecks::opaque(c) && qRed(c) > 220 && qAbs(qGreen(c) - qBlue(c)) < 30 && qGreen(c) < 190;
        });
        QVERIFY2(pink > area / 3, qPrintable(QStringLiteral("%1 pink of %2").arg(pink).arg(area)));

        // The waving hand reaches into the upper left, where balloons open.
        QVERIFY(figureOutline().intersects(QRect(0, 0, kFigureSize / 4, kFigureSize / 4)));
    }

    // The sharper picture is the same figure: opaque well inside the
    // outline and clear well outside it.
    void finerPictureFollowsTheOutline()
    {
        const std::vector<bool> inside = rasterise(figureOutline());
        const QImage& fine = figurePicture(2.0);
        for (int y = 0; y < fine.height(); ++y)
            for (int x = 0; x < fine.width(); ++x) {
                const int alpha = qAlpha(fine.pixel(x, y));
                if (allAround(inside, x / 2, y / 2, true))
                    QVERIFY2(alpha == 255, qPrintable(QStringLiteral("device pixel %1, %2").arg(x).arg(y)));
                if (allAround(inside, x / 2, y / 2, false))
                    QVERIFY2(alpha == 0, qPrintable(QStringLiteral("device pixel %1, %2").arg(x).arg(y)));
            }
    }

    void cachePaintsOncePerRatio()
    {
        PictureCache cache;
        int paints = 0;
        const auto paint = [&paints](qreal dpr) {
            ++paints;
            return transparentCanvas(QSize(3, 5), dpr);
        };
        const QImage* first = &cache.at(2.0, paint);
        QCOMPARE(&cache.at(2.0, paint), first);
        QCOMPARE(paints, 1);
        QCOMPARE(cache.at(1.5, paint).size(), QSize(5, 8));
        QCOMPARE(paints, 2);
        QCOMPARE(first->size(), QSize(6, 10));
        QVERIFY_THROWS_EXCEPTION(std::invalid_argument, cache.at(0.0, paint));
        QCOMPARE(paints, 2);
    }
};

QTEST_MAIN(FigureTest)
#include "figure_test.moc"
