#include "widgets/BalloonShape.h"
#include "widgets/BalloonShaper.h"
#include "widgets/ColourNumber.h"
#include "widgets/RegionData.h"
#include "widgets/ShapedPicture.h"

#include "tests/widgets/WidgetTestSupport.h"

#include <QPainter>
#include <QSignalSpy>
#include <QTest>

#include <memory>
#include <stdexcept>

namespace {

// Region data assembled byte by byte, little-endian.
QByteArray ints(std::initializer_list<qint32> values)
{
    QByteArray out;
    for (qint32 value : values)
        for (int shift = 0; shift < 32; shift += 8)
            out.append(char((quint32(value) >> shift) & 0xFF));
    return out;
}

// A balloon dialog that paints a marker of its own, to show that its own
// painting still runs after the outline.
class MarkedForm : public QWidget {
public:
    QPoint marker{-1, -1};

protected:
    void paintEvent(QPaintEvent*) override
    {
        if (marker.x() < 0)
            return;
        QPainter painter(this);
        painter.fillRect(QRect(marker, QSize(1, 1)), Qt::red);
    }
};

MarkedForm* balloonForm(QSize size)
{
    auto* form = new MarkedForm;
    form->setFixedSize(size);
    WidgetTestSupport::fillBackground(*form, WidgetTestSupport::kBalloonColour);
    return form;
}

} // namespace

class ShapedWindowsTest : public QObject {
    Q_OBJECT

private slots:
    // Region data -----------------------------------------------------------

    void regionDataOfOneRectangleIsExact()
    {
        const QByteArray expected = ints({32, 1, 1, 16, 1, 2, 4, 6, 1, 2, 4, 6});
        QCOMPARE(RegionData::fromRegion(QRegion(1, 2, 3, 4)), expected);
    }

    void emptyRegionHasNoRectangles()
    {
        const QByteArray data = RegionData::fromRegion(QRegion());
        QCOMPARE(data, ints({32, 1, 0, 0, 0, 0, 0, 0}));
        QVERIFY(RegionData::toRegion(data).isEmpty());
    }

    void handMadeDataKeepsRightAndBottomExclusive()
    {
        // Two bands: 0..9 x 0..9 and 2..7 x 10..19.
        const QByteArray data = ints({32, 1, 2, 32, 0, 0, 10, 20, 0, 0, 10, 10, 2, 10, 8, 20});
        const QRegion region = RegionData::toRegion(data);
        QVERIFY(region.contains(QPoint(0, 0)));
        QVERIFY(region.contains(QPoint(9, 9)));
        QVERIFY(!region.contains(QPoint(10, 5)));
        QVERIFY(!region.contains(QPoint(9, 10)));
        QVERIFY(region.contains(QPoint(2, 19)));
        QVERIFY(region.contains(QPoint(7, 19)));
        QVERIFY(!region.contains(QPoint(8, 19)));
        QVERIFY(!region.contains(QPoint(2, 20)));
        QCOMPARE(region.boundingRect(), QRect(0, 0, 10, 20));
    }

    void emptyRectanglesInTheDataAreSkipped()
    {
        const QByteArray data = ints({32, 1, 2, 32, 0, 0, 5, 5, 3, 3, 3, 9, 0, 0, 5, 5});
        QCOMPARE(RegionData::toRegion(data), QRegion(0, 0, 5, 5));
    }

    void regionsSurviveTheRoundTrip()
    {
        QRegion region(QRect(0, 0, 40, 30), QRegion::Ellipse);
        region += QRect(35, 10, 20, 5);
        region -= QRect(10, 10, 5, 5);
        const QByteArray data = RegionData::fromRegion(region);
        QCOMPARE(data.size(), 32 + 16 * region.rectCount());
        QCOMPARE(RegionData::toRegion(data), region);
        QCOMPARE(RegionData::fromMaskStream(RegionData::toMaskStream(region)), region);
    }

    void badRegionDataIsRejected_data()
    {
        QTest::addColumn<QByteArray>("data");
        QTest::newRow("short header") << ints({32, 1, 0, 0, 0, 0, 0});
        QTest::newRow("header size") << ints({28, 1, 0, 0, 0, 0, 0, 0});
        QTest::newRow("type") << ints({32, 2, 0, 0, 0, 0, 0, 0});
        QTest::newRow("too many rectangles") << ints({32, 1, 2, 32, 0, 0, 1, 1, 0, 0, 1, 1});
        QTest::newRow("negative count") << ints({32, 1, -1, 0, 0, 0, 0, 0});
    }

    void badRegionDataIsRejected()
    {
        QFETCH(QByteArray, data);
        QVERIFY_THROWS_EXCEPTION(std::runtime_error, RegionData::toRegion(data));
    }

    void maskStreamCountsItsBytes()
    {
        const QByteArray stream = RegionData::toMaskStream(QRegion(1, 2, 3, 4));
        QCOMPARE(stream.left(4), ints({48}));
        QCOMPARE(stream.size(), 4 + 48);
        QCOMPARE(RegionData::toMaskStream(QRegion()), ints({0}));
        QVERIFY(RegionData::fromMaskStream(ints({0})).isEmpty());
        QVERIFY_THROWS_EXCEPTION(std::runtime_error, RegionData::fromMaskStream(QByteArray("\x01\x00", 2)));
        QVERIFY_THROWS_EXCEPTION(std::runtime_error, RegionData::fromMaskStream(stream.left(40)));
        QVERIFY_THROWS_EXCEPTION(std::runtime_error, RegionData::fromMaskStream(stream + "x"));
    }

    // Balloon geometry ------------------------------------------------------

    void exampleBalloonHasItsBodyAndTail()
    {
        const BalloonShape shape(BalloonTail::BottomRight, 412, 140, 20, 15);
        QCOMPARE(shape.body(), QRect(QPoint(0, 0), QPoint(411, 124))); // (0, 0) to (412, 125)
        QCOMPARE(shape.tail()[0], QPoint(392, 140));
        QCOMPARE(shape.tail()[1], QPoint(392, 124));
        QCOMPARE(shape.tail()[2], QPoint(377, 124));
    }

    void everyPositionFollowsTheTables_data()
    {
        // W = 300, H = 100, e = 20, i = 15; body as (left, top) to
        // exclusive (right, bottom).
        QTest::addColumn<BalloonTail>("position");
        QTest::addColumn<QRect>("body");
        QTest::addColumn<QPoint>("c1");
        QTest::addColumn<QPoint>("c2");
        QTest::addColumn<QPoint>("c3");
        const auto body = [](int l, int t, int r, int b) { return QRect(l, t, r - l, b - t); };
        using P = QPoint;
        using B = BalloonTail;
        QTest::newRow("TopLeft") << B::TopLeft << body(0, 15, 300, 100) << P(20, 0) << P(20, 15) << P(35, 15);
        QTest::newRow("LeftTop") << B::LeftTop << body(15, 0, 300, 100) << P(0, 20) << P(15, 20) << P(15, 35);
        QTest::newRow("TopRight") << B::TopRight << body(0, 15, 300, 100) << P(280, 0) << P(280, 15)
                                    << P(265, 15);
        QTest::newRow("RightTop") << B::RightTop << body(0, 0, 285, 100) << P(300, 20) << P(284, 20)
                                    << P(284, 35);
        QTest::newRow("BottomLeft") << B::BottomLeft << body(0, 0, 300, 85) << P(20, 100) << P(20, 84)
                                      << P(35, 84);
        QTest::newRow("LeftBottom") << B::LeftBottom << body(15, 0, 300, 100) << P(0, 80) << P(15, 80)
                                      << P(15, 65);
        QTest::newRow("BottomRight") << B::BottomRight << body(0, 0, 300, 85) << P(280, 100) << P(280, 84)
                                       << P(265, 84);
        QTest::newRow("RightBottom") << B::RightBottom << body(0, 0, 285, 100) << P(300, 80) << P(284, 80)
                                       << P(284, 65);
    }

    void everyPositionFollowsTheTables()
    {
        QFETCH(BalloonTail, position);
        QFETCH(QRect, body);
        QFETCH(QPoint, c1);
        QFETCH(QPoint, c2);
        QFETCH(QPoint, c3);
        const BalloonShape shape(position, 300, 100, 20, 15);
        QCOMPARE(shape.body(), body);
        QVERIFY(shape.hasTail());
        QCOMPARE(shape.tail()[0], c1);
        QCOMPARE(shape.tail()[1], c2);
        QCOMPARE(shape.tail()[2], c3);
        // The tail reaches out of the body: its first corner's neighbour
        // towards the body is in the region although outside the body.
        const QRegion region = shape.region();
        const QPoint inTail = (c1 * 3 + c2 * 3 + c3 * 2) / 8;
        QVERIFY2(region.contains(inTail), qPrintable(QString("(%1, %2)").arg(inTail.x()).arg(inTail.y())));
        QVERIFY(!body.contains(inTail));
    }

    void balloonWithoutTailIsTheRoundedBody()
    {
        const BalloonShape shape(BalloonTail::None, 300, 100, 20, 15);
        QCOMPARE(shape.body(), QRect(0, 0, 300, 100));
        QVERIFY(!shape.hasTail());
        const QRegion region = shape.region();
        QVERIFY(!region.contains(QPoint(0, 0)));
        QVERIFY(!region.contains(QPoint(299, 99)));
        QVERIFY(region.contains(QPoint(10, 0)));
        QVERIFY(region.contains(QPoint(150, 50)));
        QCOMPARE(region.boundingRect(), QRect(0, 0, 300, 100));
    }

    void regionLeavesOutWhatIsNotBalloon()
    {
        const QRegion region = BalloonShape(BalloonTail::BottomRight, 412, 140, 20, 15).region();
        QVERIFY(region.contains(QPoint(206, 60)));
        QVERIFY(!region.contains(QPoint(0, 0)));     // rounded corner
        QVERIFY(!region.contains(QPoint(411, 124))); // rounded corner
        QVERIFY(!region.contains(QPoint(10, 135)));  // beside the tail
        QVERIFY(region.contains(QPoint(390, 135)));  // in the tail
        QVERIFY(!region.contains(QPoint(380, 135))); // beyond its slope
        QVERIFY(!region.contains(QPoint(395, 130))); // beyond its straight side
    }

    void outlineEnclosesBodyAndTailAsOne()
    {
        const QRegion outline
            = BalloonShape::outline(BalloonShape(BalloonTail::BottomRight, 412, 140, 20, 15).region());
        QVERIFY(outline.contains(QPoint(206, 0)));
        QVERIFY(!outline.contains(QPoint(206, 1)));
        QVERIFY(outline.contains(QPoint(0, 60)));
        QVERIFY(outline.contains(QPoint(411, 60)));
        QVERIFY(outline.contains(QPoint(100, 124)));
        // Where the tail joins the body there is no line.
        QVERIFY(!outline.contains(QPoint(385, 124)));
        QVERIFY(!outline.contains(QPoint(388, 126)));
        QVERIFY(outline.contains(QPoint(391, 130)));
    }

    // BalloonShaper ------------------------------------------------------------

    void newShapeHasItsDefaults()
    {
        QWidget form;
        BalloonShaper shape(&form);
        QCOMPARE(shape.reshape(), false);
        QCOMPARE(shape.balloonPosition(), BalloonTail::TopLeft);
        QCOMPARE(shape.balloonEllipse(), 20);
        QCOMPARE(shape.balloonIndent(), 15);
    }

    void sizesOfZeroOrLessAreIgnored()
    {
        QWidget form;
        BalloonShaper shape(&form);
        shape.setBalloonEllipse(0);
        shape.setBalloonIndent(-3);
        QCOMPARE(shape.balloonEllipse(), 20);
        QCOMPARE(shape.balloonIndent(), 15);
        shape.setBalloonEllipse(1);
        shape.setBalloonIndent(30);
        QCOMPARE(shape.balloonEllipse(), 1);
        QCOMPARE(shape.balloonIndent(), 30);
        shape.setBalloonEllipse(-1);
        QCOMPARE(shape.balloonEllipse(), 1);
    }

    void ownerMustBeAForm()
    {
        QWidget form;
        auto* panel = new QWidget(&form);
        try {
            BalloonShaper shape(panel);
            QFAIL("a shape on a panel was accepted");
        } catch (const std::invalid_argument& error) {
            QCOMPARE(QString::fromUtf8(error.what()), QStringLiteral("Control parent must be a form!"));
        }
        QVERIFY_THROWS_EXCEPTION(std::invalid_argument, BalloonShaper(nullptr));
    }

    void reshapedFormGetsTheBalloonWhenShown()
    {
        std::unique_ptr<MarkedForm> form(balloonForm(QSize(412, 140)));
        auto* shape = new BalloonShaper(form.get());
        shape->setBalloonPosition(BalloonTail::BottomRight);
        shape->setReshape(true);
        QVERIFY(form->windowFlags() & Qt::FramelessWindowHint);
        QVERIFY(!shape->isApplied());
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
        QVERIFY(shape->isApplied());
        const QRegion expected = BalloonShape(BalloonTail::BottomRight, 412, 140, 20, 15).region();
        QCOMPARE(form->mask(), expected);
        // Points of the rectangle outside the balloon do not belong to it.
        QVERIFY(!form->mask().contains(QPoint(0, 0)));
        QVERIFY(!form->mask().contains(QPoint(10, 135)));
        QVERIFY(!form->mask().contains(QPoint(411, 139)));
    }

    void formWithoutReshapeStaysRectangular()
    {
        std::unique_ptr<MarkedForm> form(balloonForm(QSize(200, 100)));
        new BalloonShaper(form.get());
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
        QVERIFY(form->mask().isEmpty());
        QVERIFY(!(form->windowFlags() & Qt::FramelessWindowHint));
    }

    void changedPositionReshapesAnAppliedForm()
    {
        std::unique_ptr<MarkedForm> form(balloonForm(QSize(300, 100)));
        auto* shape = new BalloonShaper(form.get());
        shape->setReshape(true);
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
        shape->setBalloonPosition(BalloonTail::RightTop);
        QCOMPARE(form->mask(), BalloonShape(BalloonTail::RightTop, 300, 100, 20, 15).region());
        form->setFixedSize(320, 120);
        QCOMPARE(form->mask(), BalloonShape(BalloonTail::RightTop, 320, 120, 20, 15).region());
    }

    void outlineIsPaintedBeforeTheFormsOwnPainting()
    {
        std::unique_ptr<MarkedForm> form(balloonForm(QSize(412, 140)));
        form->marker = QPoint(100, 0);
        auto* shape = new BalloonShaper(form.get());
        shape->setBalloonPosition(BalloonTail::BottomRight);
        shape->setReshape(true);
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
        const QImage picture = form->grab().toImage();
        const QColor balloon = toQColor(WidgetTestSupport::kBalloonColour);
        QCOMPARE(picture.pixelColor(206, 0), QColor(Qt::black));
        QCOMPARE(picture.pixelColor(0, 60), QColor(Qt::black));
        QCOMPARE(picture.pixelColor(411, 60), QColor(Qt::black));
        QCOMPARE(picture.pixelColor(206, 124), QColor(Qt::black));
        QCOMPARE(picture.pixelColor(206, 60), balloon);
        QCOMPARE(picture.pixelColor(385, 124), balloon); // the tail opens into the body
        QCOMPARE(picture.pixelColor(391, 130), QColor(Qt::black));
        QCOMPARE(picture.pixelColor(100, 0), QColor(Qt::red)); // the form's own paint came last
    }

    // ShapedPicture -------------------------------------------------------------

    void figureFillsItsFrameslessWindow()
    {
        QWidget window;
        window.resize(120, 160);
        auto* figure = new ShapedPicture(&window);
        QVERIFY(window.windowFlags() & Qt::FramelessWindowHint);
        QCOMPARE(figure->geometry(), QRect(0, 0, 120, 160));
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        window.resize(90, 70);
        QCOMPARE(figure->geometry(), QRect(0, 0, 90, 70));
    }

    void storedMaskBecomesTheWindowsRegion()
    {
        QWidget window;
        window.resize(120, 160);
        auto* figure = new ShapedPicture(&window);
        const QRegion outline = QRegion(QRect(10, 0, 100, 160), QRegion::Ellipse);
        figure->setMaskStream(RegionData::toMaskStream(outline));
        QCOMPARE(window.mask(), outline);
        QCOMPARE(figure->maskRegion(), outline);
        QCOMPARE(figure->maskStream(), RegionData::toMaskStream(outline));
        QVERIFY(!window.mask().contains(QPoint(0, 0)));
        QVERIFY(window.mask().contains(QPoint(60, 80)));

        figure->setMaskStream(ints({0}));
        QVERIFY(window.mask().isEmpty());
        QCOMPARE(figure->maskStream(), ints({0}));
    }

    void badStoredMaskIsReported()
    {
        QWidget window;
        auto* figure = new ShapedPicture(&window);
        QVERIFY_THROWS_EXCEPTION(std::runtime_error, figure->setMaskStream(ints({40}) + ints({32, 1, 0})));
    }

    void newPictureDropsTheStoredRegion()
    {
        QWidget window;
        window.resize(50, 50);
        auto* figure = new ShapedPicture(&window);
        figure->setMaskStream(RegionData::toMaskStream(QRegion(5, 5, 20, 20)));
        QPixmap picture(50, 50);
        picture.fill(Qt::green);
        figure->setPicture(picture);
        QVERIFY(figure->maskRegion().isEmpty());
        QCOMPARE(window.mask(), QRegion(5, 5, 20, 20)); // the window keeps its outline
        QCOMPARE(window.grab().toImage().pixelColor(10, 10), QColor(Qt::green));
    }

    void doubleClickReachesTheWindow()
    {
        QWidget window;
        window.resize(50, 50);
        auto* figure = new ShapedPicture(&window);
        QSignalSpy doubleClicks(figure, &ShapedPicture::doubleClicked);
        QTest::mouseDClick(figure, Qt::RightButton, Qt::NoModifier, QPoint(10, 10));
        QCOMPARE(doubleClicks.count(), 0);
        QTest::mouseDClick(figure, Qt::LeftButton, Qt::NoModifier, QPoint(10, 10));
        QCOMPARE(doubleClicks.count(), 1);
    }
};

QTEST_MAIN(ShapedWindowsTest)
#include "shaped_windows_test.moc"
