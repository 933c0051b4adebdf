#include "widgets/GradientFill.h"
#include "widgets/GradientProgress.h"
#include "widgets/GradientText.h"

#include "tests/widgets/WidgetTestSupport.h"

#include <QTest>

#include <functional>
#include <thread>

using namespace WidgetTestSupport;

namespace {

constexpr ColourNumber kBlack = 0x000000;
constexpr ColourNumber kWhite = 0xFFFFFF;
constexpr ColourNumber kRed = 0x0000FF;
constexpr ColourNumber kBlue = 0xFF0000;
constexpr ColourNumber kParentColour = 0x00FF00;

std::unique_ptr<QWidget> greenParent()
{
    return colouredParent(kParentColour, QSize(600, 200));
}

// The splash's meter: horizontal, no bevel, white to red on black.
GradientProgress* splashMeter(QWidget* parent)
{
    auto* meter = new GradientProgress(parent);
    meter->setGeometry(0, 0, 231, 17);
    meter->setBevelStyle(BevelStyle::None);
    meter->setShowPercent(false);
    meter->setStartColor(kWhite);
    meter->setEndColor(kRed);
    meter->setBackColor(kBlack);
    return meter;
}

// One change of a title's look.
using TitleChange = std::function<void(GradientText&)>;

// A two-line title in red to blue as it shows on a green parent once its
// size has settled, with a change made before its first paint or after it.
QImage shownTitle(const TitleChange& change, bool afterAPaint)
{
    auto parent = greenParent();
    auto* text = new GradientText(parent.get());
    text->setGradientStyle(GradientStyle::Horizontal);
    text->setBeginColor(kRed);
    text->setEndColor(kBlue);
    text->setLines({QStringLiteral("Pelikor"), QStringLiteral("2000 a verze")});
    text->resize(text->measuredSize());
    if (afterAPaint)
        onParent(text);
    change(*text);
    // A paint that finds the text grown resizes the control first.
    for (int paint = 0; paint < 3 && text->size() != text->measuredSize(); ++paint)
        onParent(text);
    return onParent(text);
}

} // namespace

Q_DECLARE_METATYPE(TitleChange)

class GradientTest : public QObject {
    Q_OBJECT

private slots:
    // Bands -----------------------------------------------------------------

    void bandColoursRunFromBeginToEnd()
    {
        QCOMPARE(GradientFill::bandColour(kRed, kBlue, 0), qRgb(255, 0, 0));
        QCOMPARE(GradientFill::bandColour(kRed, kBlue, 255), qRgb(0, 0, 255));
        QCOMPARE(GradientFill::bandColour(kRed, kBlue, 128), qRgb(127, 0, 128));
        // 100 * 2 / 255 = 0.78 rounds up, 100 * 1 / 255 = 0.39 down.
        QCOMPARE(GradientFill::bandColour(0x000000, 0x640000, 2), qRgb(0, 0, 1));
        QCOMPARE(GradientFill::bandColour(0x000000, 0x640000, 1), qRgb(0, 0, 0));
        QCOMPARE(GradientFill::bandColour(0x000064, 0x000000, 2), qRgb(99, 0, 0));
        QCOMPARE(GradientFill::bandColour(0x00FFFF, 0x0000FF, 51), qRgb(255, 204, 0));
    }

    void bandsCoverTheirShareOfTheExtent()
    {
        // 512 pixels: two per band.
        QCOMPARE(GradientFill::bandAt(0, 512), 0);
        QCOMPARE(GradientFill::bandAt(1, 512), 0);
        QCOMPARE(GradientFill::bandAt(2, 512), 1);
        QCOMPARE(GradientFill::bandAt(511, 512), 255);
        // 100 pixels: bands 0 to 2 all start at 0, the last drawn wins.
        QCOMPARE(GradientFill::bandAt(0, 100), 2);
        QCOMPARE(GradientFill::bandAt(1, 100), 5);
        QCOMPARE(GradientFill::bandAt(99, 100), 255);
        // 1000 pixels: band k starts at k * 1000 / 256.
        QCOMPARE(GradientFill::bandAt(2, 1000), 0);
        QCOMPARE(GradientFill::bandAt(3, 1000), 1);
        QCOMPARE(GradientFill::bandAt(7, 1000), 2);
        QCOMPARE(GradientFill::bandAt(999, 1000), 255);
        // Mirrored over 512 rows: one band per row from either edge.
        QCOMPARE(GradientFill::mirroredBandAt(0, 512), 0);
        QCOMPARE(GradientFill::mirroredBandAt(511, 512), 0);
        QCOMPARE(GradientFill::mirroredBandAt(100, 512), 100);
        QCOMPARE(GradientFill::mirroredBandAt(411, 512), 100);
        QCOMPARE(GradientFill::mirroredBandAt(255, 512), 255);
        QCOMPARE(GradientFill::mirroredBandAt(256, 512), 255);
    }

    void everyStyleLaysItsBands()
    {
        const auto gray = [](int level) { return qRgb(level, level, level); };
        const QImage horizontal = GradientFill::paint(QSize(512, 3), GradientStyle::Horizontal, kBlack, kWhite);
        QCOMPARE(horizontal.pixel(0, 0), gray(0));
        QCOMPARE(horizontal.pixel(10, 2), gray(5));
        QCOMPARE(horizontal.pixel(511, 1), gray(255));

        const QImage vertical = GradientFill::paint(QSize(3, 512), GradientStyle::Vertical, kBlack, kWhite);
        QCOMPARE(vertical.pixel(2, 10), gray(5));
        QCOMPARE(vertical.pixel(0, 300), gray(150));

        const QImage rectangle = GradientFill::paint(QSize(512, 512), GradientStyle::Rectangle, kBlack, kWhite);
        QCOMPARE(rectangle.pixel(0, 0), gray(0));
        QCOMPARE(rectangle.pixel(511, 300), gray(0));
        QCOMPARE(rectangle.pixel(256, 256), gray(255));
        QCOMPARE(rectangle.pixel(100, 300), gray(100)); // 100 from the left, 211 from the bottom
        QCOMPARE(rectangle.pixel(300, 40), gray(40));

        const QImage vertCenter = GradientFill::paint(QSize(4, 512), GradientStyle::VerticalCentre, kBlack, kWhite);
        QCOMPARE(vertCenter.pixel(0, 0), gray(0));
        QCOMPARE(vertCenter.pixel(3, 511), gray(0));
        QCOMPARE(vertCenter.pixel(1, 30), gray(30));
        QCOMPARE(vertCenter.pixel(1, 481), gray(30));
        QCOMPARE(vertCenter.pixel(2, 256), gray(255));

        const QImage horizCenter = GradientFill::paint(QSize(512, 4), GradientStyle::HorizontalCentre, kBlack, kWhite);
        QCOMPARE(horizCenter.pixel(70, 0), gray(70));
        QCOMPARE(horizCenter.pixel(441, 3), gray(70));
        QCOMPARE(horizCenter.pixel(255, 2), gray(255));
    }

    void gradientOnSmallAreasUsesTheLastBand()
    {
        const QImage narrow = GradientFill::paint(QSize(10, 1), GradientStyle::Horizontal, kBlack, kWhite);
        // Pixel 0 holds bands 0..25, pixel 9 bands 231..255.
        QCOMPARE(qRed(narrow.pixel(0, 0)), 25);
        QCOMPARE(qRed(narrow.pixel(9, 0)), 255);
        const QImage odd = GradientFill::paint(QSize(1, 5), GradientStyle::VerticalCentre, kBlack, kWhite);
        QCOMPARE(qRed(odd.pixel(0, 2)), 255);
        QCOMPARE(odd.pixel(0, 0), odd.pixel(0, 4));
    }

    // GradientText -------------------------------------------------------------

    void newGradientTextHasItsDefaults()
    {
        GradientText text;
        QCOMPARE(text.size(), QSize(75, 25));
        QCOMPARE(text.beginColor(), ColourNumber(65535));
        QCOMPARE(text.endColor(), ColourNumber(255));
        QCOMPARE(text.gradientStyle(), GradientStyle::Vertical);
        QCOMPARE(text.lines(), QStringList{QStringLiteral("GradText")});
        QCOMPARE(text.justification(), Justification::Centre);
        QCOMPARE(text.font().family(), QStringLiteral("Times New Roman"));
        QCOMPARE(text.font().pointSize(), 18);
        QVERIFY(text.font().bold());
        QVERIFY(text.font().italic());
    }

    void emptyLinesAreIgnored()
    {
        GradientText text;
        text.setLines({});
        QCOMPARE(text.lines(), QStringList{QStringLiteral("GradText")});
        text.setLines({QStringLiteral("A"), QStringLiteral("B")});
        QCOMPARE(text.lines().size(), 2);
    }

    void controlFitsItsTextAtThePaint()
    {
        auto parent = greenParent();
        auto* text = new GradientText(parent.get());
        text->move(30, 40);
        parent->show();
        QVERIFY(QTest::qWaitForWindowExposed(parent.get()));
        QTRY_COMPARE(text->size(), text->measuredSize());
        const QSize before = text->size();

        text->setLines({QStringLiteral("GradTextGradTextGradText")});
        QCOMPARE(text->size(), before); // not before the paint
        QTRY_VERIFY(text->width() > before.width() * 2);
        QCOMPARE(text->size(), text->measuredSize());
        QCOMPARE(text->pos(), QPoint(30, 40));

        text->setLines({QStringLiteral("A"), QStringLiteral("B")});
        QTRY_VERIFY(text->height() > before.height() * 3 / 2);
        QCOMPARE(text->pos(), QPoint(30, 40));
    }

    void lettersCarryTheGradientAndTheGroundIsSeeThrough()
    {
        auto parent = greenParent();
        auto* text = new GradientText(parent.get());
        text->setGradientStyle(GradientStyle::Horizontal);
        text->setBeginColor(kRed);
        text->setEndColor(kBlue);
        text->resize(400, 25);
        text->setLines({QStringLiteral("IIIII")});
        text->resize(text->measuredSize());
        const QImage rendered = text->renderText();
        QCOMPARE(rendered.size(), text->size());
        int solid = 0;
        int clear = 0;
        for (int y = 0; y < rendered.height(); ++y)
            for (int x = 0; x < rendered.width(); ++x) {
                const QRgb pixel = rendered.pixel(x, y);
                if (qAlpha(pixel) == 255) {
                    ++solid;
                    const QRgb band = GradientFill::bandColour(kRed, kBlue, GradientFill::bandAt(x, rendered.width()));
                    QCOMPARE(pixel, band);
                } else if (qAlpha(pixel) == 0) {
                    ++clear;
                }
            }
        QVERIFY(solid > 20);
        QVERIFY(clear > solid);
        // Beside the letters the parent shows through.
        const QImage shown = onParent(text);
        QCOMPARE(shown.pixelColor(0, 0), toQColor(kParentColour));
        QCOMPARE(shown.pixelColor(shown.width() - 1, shown.height() - 1), toQColor(kParentColour));
    }

    void changedTitleIsPaintedAnew_data()
    {
        QTest::addColumn<TitleChange>("change");
        QTest::addRow("begin colour") << TitleChange([](GradientText& t) { t.setBeginColor(kBlack); });
        QTest::addRow("end colour") << TitleChange([](GradientText& t) { t.setEndColor(kWhite); });
        QTest::addRow("style") << TitleChange([](GradientText& t) { t.setGradientStyle(GradientStyle::Vertical); });
        QTest::addRow("lines") << TitleChange([](GradientText& t) { t.setLines({QStringLiteral("Pelikor 2000")}); });
        QTest::addRow("justification") << TitleChange([](GradientText& t) { t.setJustification(Justification::Right); });
        const auto font = [](void (*change)(QFont&)) {
            return TitleChange([change](GradientText& t) { QFont font = t.font(); change(font); t.setFont(font); });
        };
        QTest::addRow("font size") << font([](QFont& f) { f.setPixelSize(30); });
        QTest::addRow("font of the same measure") << font([](QFont& f) { f.setUnderline(true); });
    }

    // A painted title shows a change at its next paint exactly as a title
    // made with the change shows it.
    void changedTitleIsPaintedAnew()
    {
        QFETCH(TitleChange, change);
        const QImage changed = shownTitle(change, true);
        QVERIFY(changed != shownTitle([](GradientText&) {}, true));
        QCOMPARE(changed, shownTitle(change, false));
    }

    // The letters made on another thread from the control's letters() are
    // what the control makes itself; adopted, they are painted as they are
    // until the look changes.
    void lettersMadeElsewhereAreAdoptedUntilTheLookChanges()
    {
        auto parent = greenParent();
        auto* title = new GradientText(parent.get());
        title->setLines({QStringLiteral("Pelikor 2000")});
        title->resize(600, title->height());
        title->resize(title->measuredSize());
        const GradientLetters letters = title->letters();
        const qreal dpr = title->devicePixelRatioF();
        QSize measured;
        QImage picture;
        std::thread([&] {
            measured = letters.measuredSize();
            picture = letters.render(measured, dpr);
        }).join();
        QCOMPARE(measured, title->size());
        QCOMPARE(picture, title->renderText());

        const QRgb mark = qRgb(1, 2, 3);
        picture.setPixel(0, 0, mark);
        title->adoptPicture(measured, picture);
        QCOMPARE(onParent(title).pixel(0, 0), mark);
        title->setEndColor(kBlack);
        QCOMPARE(onParent(title).pixel(0, 0), toQColor(kParentColour).rgb());
    }

    // GradientProgress ---------------------------------------------------------

    void positionAndMaximumRules()
    {
        GradientProgress meter;
        QCOMPARE(meter.maxValue(), 100);
        QCOMPARE(meter.position(), 0);
        meter.setPosition(40);
        QCOMPARE(meter.position(), 40);
        meter.setPosition(-5);
        QCOMPARE(meter.position(), 40);
        meter.setPosition(150);
        QCOMPARE(meter.position(), 100);
        meter.setMaxValue(60);
        QCOMPARE(meter.position(), 60);
        meter.setMaxValue(200);
        QCOMPARE(meter.position(), 60);
        meter.setMaxValue(0);
        QCOMPARE(meter.maxValue(), 200);
        meter.setStep(1);
        meter.stepIt();
        QCOMPARE(meter.position(), 61);
    }

    void emptyMeterShowsOnlyTheBackground()
    {
        auto parent = greenParent();
        GradientProgress* meter = splashMeter(parent.get());
        const QImage shown = onParent(meter);
        for (int x = 1; x < 230; ++x)
            QCOMPARE(shown.pixelColor(x, 8), QColor(Qt::black));
        QCOMPARE(shown.pixelColor(1, 1), QColor(Qt::black));
        QCOMPARE(shown.pixelColor(229, 15), QColor(Qt::black));
    }

    void fullMeterEndsInTheEndColour()
    {
        auto parent = greenParent();
        GradientProgress* meter = splashMeter(parent.get());
        meter->setPosition(100);
        QImage shown = onParent(meter);
        QCOMPARE(shown.pixelColor(230, 8), QColor(Qt::red));
        QCOMPARE(shown.pixelColor(1, 8), QColor(Qt::white));
        QCOMPARE(meter->filledLength(), 229);

        meter->setPosition(50);
        meter->setPosition(150);
        QCOMPARE(meter->position(), 100);
        QCOMPARE(onParent(meter), shown);
    }

    void gradientIsSqueezedIntoTheFilledPart()
    {
        auto parent = greenParent();
        GradientProgress* meter = splashMeter(parent.get());
        meter->setPosition(50);
        QCOMPARE(meter->filledLength(), 114); // 50 * 229 / 100
        const QImage shown = onParent(meter);
        QCOMPARE(shown.pixelColor(1, 8), QColor(Qt::white));
        // Column 57: 255 * 57 / 114 = 127; 255 - 255 * 127 / 255 = 128.
        QCOMPARE(shown.pixelColor(1 + 57, 8), QColor(255, 128, 128));
        QCOMPARE(shown.pixelColor(1 + 114, 8), QColor(Qt::red));
        QCOMPARE(shown.pixelColor(1 + 115, 8), QColor(Qt::black));
        QCOMPARE(shown.pixelColor(229, 8), QColor(Qt::black));
    }

    void verticalMeterFillsFromTheBottom()
    {
        auto parent = greenParent();
        GradientProgress* meter = splashMeter(parent.get());
        meter->setGeometry(0, 0, 17, 102);
        meter->setStyle(GradientStyle::Vertical);
        meter->setPosition(50);
        QCOMPARE(meter->filledLength(), 50);
        const QImage shown = onParent(meter);
        QCOMPARE(shown.pixelColor(8, 100), QColor(Qt::white));
        QCOMPARE(shown.pixelColor(8, 100 - 50), QColor(Qt::red));
        QCOMPARE(shown.pixelColor(8, 100 - 51), QColor(Qt::black));
        QCOMPARE(shown.pixelColor(8, 1), QColor(Qt::black));
    }

    void bevelAndPercentage()
    {
        auto parent = greenParent();
        auto* meter = new GradientProgress(parent.get());
        meter->setGeometry(0, 0, 200, 20);
        meter->setBevelStyle(BevelStyle::Lowered);
        meter->setBevelWidth(2);
        meter->setBackColor(kBlack);
        meter->setFontColor(kWhite);
        QCOMPARE(meter->meterRect(), QRect(2, 2, 196, 16));
        QImage shown = onParent(meter);
        QCOMPARE(shown.pixelColor(0, 0), QColor(128, 128, 128));
        QCOMPARE(shown.pixelColor(1, 10), QColor(128, 128, 128));
        QCOMPARE(shown.pixelColor(199, 19), QColor(Qt::white));
        QCOMPARE(shown.pixelColor(198, 10), QColor(Qt::white));
        // "0%" in white in the middle of the black meter.
        int ink = 0;
        for (int x = 80; x < 120; ++x)
            for (int y = 3; y < 17; ++y)
                ink += shown.pixelColor(x, y).red() > 128;
        QVERIFY(ink > 5);
        meter->setShowPercent(false);
        shown = onParent(meter);
        ink = 0;
        for (int x = 80; x < 120; ++x)
            for (int y = 3; y < 17; ++y)
                ink += shown.pixelColor(x, y) != QColor(Qt::black);
        QCOMPARE(ink, 0);
        meter->setBevelStyle(BevelStyle::Raised);
        shown = onParent(meter);
        QCOMPARE(shown.pixelColor(0, 0), QColor(Qt::white));
        QCOMPARE(shown.pixelColor(199, 19), QColor(128, 128, 128));
    }
};

QTEST_MAIN(GradientTest)
#include "gradient_test.moc"
