#include "FigurePicture.h"
#include "ScreenDesktop.h"
#include "ShellFixture.h"
#include "TColor.h"

#include <QTest>

// The figure as the program makes it, on a real X server whose screen has
// the ratio 2 (the test runs with QT_SCALE_FACTOR=2).
namespace {

constexpr int kRatio = 2;
const QColor kDesktop(0, 0, 255);

} // namespace

class FigureRatioXTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QCOMPARE(qApp->devicePixelRatio(), qreal(kRatio));
    }

    // The window exists only inside the logical outline; there every device
    // pixel shows the figure, never the window's bare background, and where
    // the figure painted for the ratio is opaque the screen shows it pixel
    // for pixel.
    void figureIsSharpAndShapedByItsOutline()
    {
        const ScreenDesktop::PlainDesktop desktop(kDesktop);
        ShellFixture shell;
        TPomocnikDialog figure(shell.settings, shell.soundCues, resources::figurePicture,
                               resources::figureOutline());
        figure.show();
        QVERIFY(QTest::qWaitForWindowExposed(&figure));
        QVERIFY(QTest::qWaitFor([&] {
            return ScreenDesktop::screenArea(figure.frameGeometry()).pixelColor(104, 104) != kDesktop;
        }));

        const QImage shown = ScreenDesktop::screenArea(figure.frameGeometry());
        QCOMPARE(shown.size(), TPomocnikDialog::kClientSize * kRatio);
        const QImage fine = resources::figurePicture(kRatio).convertToFormat(QImage::Format_ARGB32);
        const QRegion& outline = resources::figureOutline();
        const QColor background = toQColor(kClSilver);
        int outside = 0, desktopOutside = 0, inside = 0, figureInside = 0, opaque = 0, sharp = 0;
        ScreenDesktop::forEachDevicePixel(shown, kRatio, [&](QPoint device, QPoint logical) {
            const QColor pixel = shown.pixelColor(device);
            if (!outline.contains(logical)) {
                ++outside;
                desktopOutside += pixel == kDesktop;
                return;
            }
            ++inside;
            figureInside += pixel != kDesktop && pixel != background;
            if (qAlpha(fine.pixel(device)) == 255) {
                ++opaque;
                sharp += pixel.rgb() == fine.pixel(device);
            }
        });
        QVERIFY(outside > 4000);
        QCOMPARE(desktopOutside, outside);
        QCOMPARE(figureInside, inside);
        QVERIFY(opaque > inside / 2);
        QCOMPARE(sharp, opaque);
    }
};

QTEST_MAIN(FigureRatioXTest)
#include "figure_ratio_x_test.moc"
