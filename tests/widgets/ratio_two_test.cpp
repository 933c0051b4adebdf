#include "tests/widgets/RatioPictures.h"
#include "widgets/GradientText.h"
#include "widgets/HemisphereButton.h"
#include "widgets/PictureButton.h"
#include "widgets/ProgramLabel.h"
#include "widgets/ShapedPicture.h"

#include "tests/widgets/WidgetTestSupport.h"

#include <QGuiApplication>
#include <QSignalSpy>
#include <QTest>

// The controls on a screen of device pixel ratio 2 (the test runs with
// QT_SCALE_FACTOR=2): they render at the ratio, draw at their logical size
// and react in logical coordinates.
namespace {

constexpr qreal kRatio = 2.0;
constexpr ColourNumber kPegFace = 8421631;

} // namespace

class RatioTwoTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QCOMPARE(qApp->devicePixelRatio(), kRatio);
    }

    void pegRendersAtTheRatioAndReactsInLogicalCoordinates()
    {
        auto parent = WidgetTestSupport::colouredParent(kClSilver, QSize(60, 60));
        auto* peg = new HemisphereButton(parent.get());
        peg->setGeometry(10, 10, 40, 40);
        peg->setFaceColor(kPegFace);
        QCOMPARE(peg->upImage().size(), QSize(80, 80));
        QCOMPARE(peg->upImage().devicePixelRatio(), kRatio);
        QCOMPARE(peg->maskImage().size(), QSize(80, 80));

        // Drawn pixel for pixel: the screen shows the fine dome.
        const QImage shown = WidgetTestSupport::onParent(peg);
        QCOMPARE(shown.size(), QSize(80, 80));
        for (QPoint device : {QPoint(39, 39), QPoint(40, 40), QPoint(20, 60), QPoint(2, 40)})
            QCOMPARE(shown.pixel(device), peg->upImage().pixel(device));
        QCOMPARE(shown.pixelColor(0, 0), toQColor(kClSilver));

        QVERIFY(peg->isOnButton({38, 20}));
        QVERIFY(!peg->isOnButton({39, 20}));
        QSignalSpy clicks(peg, &HemisphereButton::clicked);
        QTest::mouseClick(peg, Qt::LeftButton, Qt::NoModifier, QPoint(1, 1));
        QCOMPARE(clicks.count(), 0);
        QTest::mouseClick(peg, Qt::LeftButton, Qt::NoModifier, QPoint(20, 20));
        QCOMPARE(clicks.count(), 1);
    }

    void titleRendersAtTheRatio()
    {
        auto parent = WidgetTestSupport::colouredParent(kClSilver, QSize(300, 80));
        auto* title = new GradientText(parent.get());
        title->setLines({QStringLiteral("Pelikor 2000")});
        title->resize(title->measuredSize());
        const QImage rendered = title->renderText();
        QCOMPARE(rendered.devicePixelRatio(), kRatio);
        QCOMPARE(rendered.size(), title->size() * 2);
        const QImage shown = WidgetTestSupport::onParent(title);
        QCOMPARE(shown.size(), rendered.size());
        // Fully inked device pixels show the gradient itself.
        int compared = 0;
        for (int y = 0; y < rendered.height(); ++y)
            for (int x = 0; x < rendered.width(); ++x)
                if (qAlpha(rendered.pixel(x, y)) == 255) {
                    ++compared;
                    QCOMPARE(shown.pixel(x, y), rendered.pixel(x, y));
                }
        QVERIFY(compared > 500);
    }

    // A picture whose device pixels alternate survives only when it is
    // drawn at the ratio it was asked for.
    void labelShowsThePictureOfItsRatio()
    {
        qreal asked = 0;
        auto parent = WidgetTestSupport::colouredParent(kClSilver, QSize(40, 40));
        auto* label = new ProgramLabel(parent.get());
        label->setGeometry(5, 5, 20, 20);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        label->setPictureSource([&asked](qreal dpr) {
            asked = dpr;
            return RatioPictures::checker({10, 10}, dpr, Qt::red, Qt::blue);
        });
        const QImage shown = WidgetTestSupport::onParent(label);
        QCOMPARE(asked, kRatio);
        QCOMPARE(shown.pixelColor(0, 0), QColor(Qt::red));
        QCOMPARE(shown.pixelColor(1, 0), QColor(Qt::blue));
        QCOMPARE(shown.pixelColor(19, 18), QColor(Qt::blue));
        QCOMPARE(shown.pixelColor(20, 0), toQColor(kClSilver));
    }

    // The fine picture lies over the picture for ratio 1: where it is
    // clear, the window shows the coarse one, never its own background.
    void figureDrawsTheFinePictureOverTheCoarseOne()
    {
        QWidget window;
        window.resize(10, 10);
        WidgetTestSupport::fillBackground(window, kClSilver);
        auto* figure = new ShapedPicture(&window);
        figure->setPictureSource([](qreal dpr) {
            return dpr == 1.0 ? RatioPictures::solid({10, 10}, dpr, Qt::blue)
                              : RatioPictures::checker({10, 10}, dpr, Qt::red, Qt::transparent);
        });
        QCOMPARE(figure->picture().devicePixelRatio(), kRatio);
        const QImage shown = window.grab().toImage();
        QCOMPARE(shown.size(), QSize(20, 20));
        QCOMPARE(shown.pixelColor(0, 0), QColor(Qt::red));
        QCOMPARE(shown.pixelColor(1, 0), QColor(Qt::blue));
        QCOMPARE(shown.pixelColor(19, 18), QColor(Qt::blue));
        QCOMPARE(shown.pixelColor(19, 19), QColor(Qt::red));
    }

    void pictureButtonDrawsItsPicturePixelForPixel()
    {
        auto parent = WidgetTestSupport::colouredParent(kClSilver, QSize(60, 60));
        auto* button = new PictureButton(parent.get());
        button->setActiveImage({RatioPictures::checker({32, 32}, kRatio, Qt::red, Qt::blue)});
        button->setActiveIndex(0);
        WidgetTestSupport::enter(button);
        const QImage shown = WidgetTestSupport::onParent(button);
        // At 4, 4 of the 40 x 40 button: device pixel 8, 8 onwards.
        QCOMPARE(shown.pixelColor(8, 8), QColor(Qt::red));
        QCOMPARE(shown.pixelColor(9, 8), QColor(Qt::blue));
        QCOMPARE(shown.pixelColor(71, 71), QColor(Qt::red));
        QCOMPARE(shown.pixelColor(7, 8), toQColor(kClSilver));
        QCOMPARE(shown.pixelColor(72, 71), toQColor(kClSilver));
    }
};

QTEST_MAIN(RatioTwoTest)
#include "ratio_two_test.moc"
