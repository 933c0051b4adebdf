#include "tests/support/ScreenDesktop.h"
#include "widgets/BalloonShape.h"
#include "widgets/BalloonShaper.h"

#include "tests/widgets/WidgetTestSupport.h"

#include <QTest>

// Balloons on a real X server whose screen has the ratio 2 (the test runs
// with QT_SCALE_FACTOR=2): the window's region and the black outline
// painted along it are both scaled, and still meet exactly.
namespace {

constexpr int kRatio = 2;
const QColor kDesktop(0, 0, 255);
constexpr QPoint kPlace(40, 40);

} // namespace

class BalloonRatioXTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QCOMPARE(qApp->devicePixelRatio(), qreal(kRatio));
    }

    void outlineLiesAlongTheMask_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::addColumn<BalloonTail>("position");
        QTest::addRow("412 x 140, bottom right") << QSize(412, 140) << BalloonTail::BottomRight;
        const std::pair<const char*, BalloonTail> positions[] = {
            {"top left", BalloonTail::TopLeft},       {"left top", BalloonTail::LeftTop},
            {"top right", BalloonTail::TopRight},     {"right top", BalloonTail::RightTop},
            {"bottom left", BalloonTail::BottomLeft}, {"left bottom", BalloonTail::LeftBottom},
            {"right bottom", BalloonTail::RightBottom}, {"none", BalloonTail::None},
        };
        for (const auto& [name, position] : positions)
            QTest::addRow("160 x 115, %s", name) << QSize(160, 115) << position;
    }

    // Outside the region the desktop shows; the region's outermost pixels
    // are black, every device pixel of them; the rest is the balloon.
    void outlineLiesAlongTheMask()
    {
        QFETCH(QSize, size);
        QFETCH(BalloonTail, position);
        const ScreenDesktop::PlainDesktop desktop(kDesktop);
        QWidget form;
        form.setFixedSize(size);
        WidgetTestSupport::fillBackground(form, WidgetTestSupport::kBalloonColour);
        auto* shape = new BalloonShaper(&form);
        shape->setBalloonPosition(position);
        shape->setReshape(true);
        form.move(kPlace);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));

        const QColor balloon = toQColor(WidgetTestSupport::kBalloonColour);
        const QRegion region = shape->shape().region();
        const QRegion outline = BalloonShape::outline(region);
        const QPoint inside = shape->shape().body().center();
        QVERIFY(QTest::qWaitFor([&] {
            const QImage shown = ScreenDesktop::screenArea(form.geometry());
            return shown.pixelColor(inside * kRatio) == balloon && shown.pixelColor(0, 0) == kDesktop;
        }));

        const QImage shown = ScreenDesktop::screenArea(form.geometry());
        QCOMPARE(shown.size(), size * kRatio);
        int wrong = 0;
        QString first;
        ScreenDesktop::forEachDevicePixel(shown, kRatio, [&](QPoint device, QPoint logical) {
            const QColor expected = !region.contains(logical) ? kDesktop
                : outline.contains(logical)                  ? QColor(Qt::black)
                                                             : balloon;
            if (shown.pixelColor(device) == expected)
                return;
            if (wrong++ == 0)
                first = QStringLiteral("device pixel %1, %2 is %3, expected %4")
                            .arg(device.x()).arg(device.y())
                            .arg(shown.pixelColor(device).name(), expected.name());
        });
        QVERIFY2(wrong == 0, qPrintable(QStringLiteral("%1 pixels wrong; %2").arg(wrong).arg(first)));
    }
};

QTEST_MAIN(BalloonRatioXTest)
#include "balloon_ratio_x_test.moc"
