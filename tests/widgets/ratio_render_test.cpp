#include "tests/widgets/RatioPictures.h"
#include "widgets/GradientText.h"
#include "widgets/HemisphereImages.h"
#include "widgets/PictureButton.h"
#include "widgets/ProgramLabel.h"

#include "tests/widgets/WidgetTestSupport.h"

#include <QTest>

#include <cmath>
#include <numbers>

// Pictures rendered for a finer screen, asked for with an explicit device
// pixel ratio in a process of ratio 1; and the controls placing pictures
// that carry a ratio at their logical size.
namespace {

constexpr ColourNumber kPegFace = 8421631;
constexpr qreal kFine = 2.0;
const QRgb kOpaque = qRgb(0, 0, 0);

HemisphereLook pegLook()
{
    HemisphereLook look;
    look.faceColor = kPegFace;
    return look;
}

HemisphereImages peg(int size, qreal dpr, const HemisphereLook& look = pegLook())
{
    return HemisphereImages::render(look, QSize(size, size), QFont(), Qt::black, dpr);
}

int countOpaque(const QImage& mask)
{
    int count = 0;
    for (int y = 0; y < mask.height(); ++y)
        for (int x = 0; x < mask.width(); ++x)
            count += mask.pixel(x, y) == kOpaque;
    return count;
}

// The largest step of the green component between neighbours in a row,
// over the pixels whose centres lie within `radius` logical pixels of the
// centre of a square picture.
int largestStep(const QImage& image, qreal radius)
{
    const qreal dpr = image.devicePixelRatio();
    const qreal centre = image.width() / dpr / 2;
    const auto within = [&](int x, int y) {
        return std::hypot((x + 0.5) / dpr - centre, (y + 0.5) / dpr - centre) <= radius;
    };
    int largest = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x + 1 < image.width(); ++x)
            if (within(x, y) && within(x + 1, y))
                largest = std::max(largest, std::abs(qGreen(image.pixel(x, y)) - qGreen(image.pixel(x + 1, y))));
    return largest;
}

// The smallest rectangle holding the pixels at least half opaque.
QRect inkBounds(const QImage& picture)
{
    QRect bounds;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            if (qAlpha(picture.pixel(x, y)) >= 128)
                bounds |= QRect(x, y, 1, 1);
    return bounds;
}

qint64 inkSum(const QImage& picture)
{
    qint64 sum = 0;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            sum += qAlpha(picture.pixel(x, y));
    return sum;
}

} // namespace

class RatioRenderTest : public QObject {
    Q_OBJECT

private slots:
    // Pegs -------------------------------------------------------------------

    // The board's pegs, the twins and miniature, the decoration.
    void pegAtRatioTwoIsItsEllipseInFourTimesThePixels_data()
    {
        QTest::addColumn<int>("size");
        for (int size : {40, 15, 30})
            QTest::addRow("%d", size) << size;
    }

    void pegAtRatioTwoIsItsEllipseInFourTimesThePixels()
    {
        QFETCH(int, size);
        const HemisphereImages images = peg(size, kFine);
        for (const QImage* image : {&images.up, &images.down, &images.mask, &images.upPaint, &images.downPaint}) {
            QCOMPARE(image->size(), QSize(2 * size, 2 * size));
            QCOMPARE(image->devicePixelRatio(), kFine);
        }
        const QImage& mask = images.mask;
        // The ellipse of the logical size, in device pixels: its area, its
        // symmetry about both axes, its edges touched and its corners clear.
        const double area = std::numbers::pi * size * size;
        QVERIFY2(std::abs(countOpaque(mask) - area) < 0.02 * area, qPrintable(QString::number(countOpaque(mask))));
        QCOMPARE(mask.mirrored(true, false), mask);
        QCOMPARE(mask.mirrored(false, true), mask);
        const int last = 2 * size - 1;
        for (QPoint edge : {QPoint(size, 0), QPoint(0, size), QPoint(last, size), QPoint(size, last)})
            QCOMPARE(mask.pixel(edge), kOpaque);
        for (QPoint corner : {QPoint(0, 0), QPoint(last, 0), QPoint(0, last), QPoint(last, last)})
            QVERIFY(mask.pixel(corner) != kOpaque);
        // The 2-pixel gray ring is 4 device pixels wide across the middle
        // row, up to the pink face.
        int ring = 0;
        while (qRed(images.up.pixel(ring, size)) == qGreen(images.up.pixel(ring, size)))
            ++ring;
        QCOMPARE(ring, 4);
    }

    // Worked out by hand from the shading formula: device pixels 39 and 40
    // of a 40 x 40 peg at ratio 2 lie 0.25 logical pixels up-left and
    // down-right of the centre (at ratio 1 the centre pixel gives 196).
    void domeIsShadedAtEveryDevicePixel()
    {
        const HemisphereImages fine = peg(40, kFine);
        QCOMPARE(fine.up.pixel(39, 39), qRgb(255, 202, 202));
        QCOMPARE(fine.up.pixel(40, 40), qRgb(255, 199, 199));
        QCOMPARE(fine.down.pixel(39, 39), qRgb(107, 54, 54));
        QCOMPARE(fine.down.pixel(40, 40), qRgb(114, 57, 57));
        QCOMPARE(fine.up.pixel(20, 20), qRgb(255, 223, 223));

        // Twice the pixels, half the steps: smooth, not a ratio-1 dome
        // drawn larger.
        const int coarseStep = largestStep(peg(40, 1.0).up, 14);
        const int fineStep = largestStep(fine.up, 14);
        QVERIFY2(fineStep <= coarseStep / 2 + 1, qPrintable(QStringLiteral("%1 against %2").arg(fineStep).arg(coarseStep)));
    }

    // A flat glyph is a bitmap: each of its pixels covers 2 x 2 device
    // pixels at its logical place, 18..21 on a 40 x 40 peg.
    void flatGlyphKeepsItsLogicalPlace()
    {
        HemisphereLook look = pegLook();
        look.faceShaded = false;
        look.glyphShaded = false;
        look.glyph = QImage(4, 4, QImage::Format_RGB32);
        look.glyph.fill(qRgb(0, 0, 255));
        look.glyph.setPixel(0, 3, qRgb(255, 255, 255));
        const QImage up = peg(40, kFine, look).up;
        const QRgb face = qRgb(255, 128, 128);
        const QRgb glyph = qRgb(0, 0, 255);
        for (int device = 36; device <= 43; ++device)
            QCOMPARE(up.pixel(device, 38), glyph);
        // Beside it the face; its transparent corner pixel is 2 x 2 device
        // pixels of face.
        const std::pair<QPoint, QRgb> expected[] = {
            {{35, 38}, face}, {{44, 38}, face}, {{36, 43}, face}, {{37, 42}, face}, {{38, 43}, glyph},
        };
        for (const auto& [device, colour] : expected)
            QVERIFY2(up.pixel(device) == colour, qPrintable(QStringLiteral("%1, %2").arg(device.x()).arg(device.y())));
    }

    // Titles -----------------------------------------------------------------

    void titleAtRatioTwoIsTheSameTextInFourTimesThePixels()
    {
        GradientText title;
        title.setGradientStyle(GradientStyle::Horizontal);
        title.setBeginColor(0x0000FF);
        title.setEndColor(0xFF0000);
        title.setLines({QStringLiteral("Pelikor 2000")});
        const QSize logical = title.measuredSize();
        const QImage coarse = title.renderText(1.0);
        const QImage fine = title.renderText(kFine);
        QCOMPARE(coarse.size(), logical);
        QCOMPARE(fine.size(), logical * 2);
        QCOMPARE(fine.devicePixelRatio(), kFine);

        // The same letters at the same logical places, with as much ink.
        const QRect coarseInk = inkBounds(coarse);
        const QRect fineInk = inkBounds(fine);
        for (int shift : {fineInk.left() - 2 * coarseInk.left(), fineInk.top() - 2 * coarseInk.top(),
                          fineInk.right() - 2 * coarseInk.right() - 1, fineInk.bottom() - 2 * coarseInk.bottom() - 1})
            QVERIFY2(std::abs(shift) <= 3, qPrintable(QStringLiteral("an edge of the ink moved %1").arg(shift)));
        const double inkRatio = double(inkSum(fine)) / double(inkSum(coarse));
        QVERIFY2(inkRatio > 3.6 && inkRatio < 4.4, qPrintable(QString::number(inkRatio)));

        // The gradient's bands span the device pixels.
        int solid = 0;
        for (int y = 0; y < fine.height(); ++y)
            for (int x = 0; x < fine.width(); ++x)
                if (qAlpha(fine.pixel(x, y)) == 255) {
                    ++solid;
                    QCOMPARE(fine.pixel(x, y), GradientFill::bandColour(0x0000FF, 0xFF0000, GradientFill::bandAt(x, fine.width())));
                }
        QVERIFY(solid > 1000);
    }

    // Picture buttons --------------------------------------------------------

    void generatedImagesKeepTheRatio()
    {
        // A 6 x 6 logical picture: white ground, a black square at device
        // pixels 4..7.
        QImage picture = RatioPictures::solid(QSize(6, 6), kFine, Qt::white);
        for (int y = 4; y < 8; ++y)
            for (int x = 4; x < 8; ++x)
                picture.setPixel(x, y, qRgb(0, 0, 0));
        QCOMPARE(PictureButton::grayImage(picture).devicePixelRatio(), kFine);
        const QImage engraved = PictureButton::disabledImage(picture);
        QCOMPARE(engraved.devicePixelRatio(), kFine);
        QCOMPARE(engraved.size(), picture.size());
        // The highlight lies one logical pixel off: two device pixels.
        const QRgb shadow = qRgb(128, 128, 128);
        const QRgb highlight = qRgb(255, 255, 255);
        QCOMPARE(engraved.pixel(7, 7), shadow);
        QCOMPARE(engraved.pixel(8, 8), highlight);
        QCOMPARE(engraved.pixel(9, 9), highlight);
        QCOMPARE(engraved.pixel(9, 6), highlight);
        QCOMPARE(qAlpha(engraved.pixel(10, 10)), 0);
        QCOMPARE(qAlpha(engraved.pixel(3, 3)), 0);
    }

    // A 32 x 32 logical picture (64 x 64 pixels at ratio 2) in a 40 x 40
    // button lies centred at 4, 4 in every state; its figure, inside a
    // 2-pixel white rim, at 6..33.
    void pictureWithARatioIsDrawnAtItsLogicalSize_data()
    {
        QTest::addColumn<int>("state");
        QTest::addRow("active") << int(PictureButton::kActiveSlot);
        QTest::addRow("gray") << int(PictureButton::kGraySlot);
        QTest::addRow("disabled") << int(PictureButton::kDisabledSlot);
    }

    void pictureWithARatioIsDrawnAtItsLogicalSize()
    {
        QFETCH(int, state);
        QImage picture = RatioPictures::solid(QSize(32, 32), kFine, Qt::white);
        for (int y = 4; y < 60; ++y)
            for (int x = 4; x < 60; ++x)
                picture.setPixel(x, y, qRgb(255, 0, 0));
        auto parent = WidgetTestSupport::colouredParent(kClSilver, QSize(60, 60));
        auto* button = new PictureButton(parent.get());
        button->setActiveImage({picture});
        button->setActiveIndex(0);
        if (state == PictureButton::kActiveSlot)
            WidgetTestSupport::enter(button);
        if (state == PictureButton::kDisabledSlot)
            button->setEnabled(false);
        QCOMPARE(int(button->currentSlot()), state);

        const QImage shown = WidgetTestSupport::onParent(button);
        const QColor figure = shown.pixelColor(6, 6);
        QVERIFY(figure != QColor(Qt::white) && figure != toQColor(kClSilver));
        QCOMPARE(shown.pixelColor(33, 33), figure);
        QCOMPARE(shown.pixelColor(20, 20), figure);
        for (QPoint outside : {QPoint(3, 20), QPoint(20, 3), QPoint(36, 20), QPoint(20, 36)})
            QCOMPARE(shown.pixelColor(outside), toQColor(kClSilver));
    }

    // Pictures that follow the ratio -----------------------------------------

    // Stretched over the whole label, as the idle screen's board is.
    void labelStretchesTheSourcesPictureLikeItsPixmap()
    {
        auto parent = WidgetTestSupport::colouredParent(kClSilver, QSize(60, 60));
        auto* stretched = new ProgramLabel(parent.get());
        stretched->setGeometry(30, 30, 25, 20);
        stretched->setScaledContents(true);
        stretched->setPictureSource([](qreal dpr) { return RatioPictures::solid({10, 8}, dpr, Qt::red); });
        const QImage shown = WidgetTestSupport::onParent(stretched);
        QCOMPARE(shown.pixelColor(0, 0), QColor(Qt::red));
        QCOMPARE(shown.pixelColor(24, 19), QColor(Qt::red));
    }
};

QTEST_MAIN(RatioRenderTest)
#include "ratio_render_test.moc"
