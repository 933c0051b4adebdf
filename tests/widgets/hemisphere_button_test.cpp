#include "widgets/HemisphereButton.h"

#include "tests/widgets/WidgetTestSupport.h"

#include <QSignalSpy>
#include <QTest>

// Pixel values below were worked out by hand from the shading and ring
// formulas for a 40 x 40 peg with face 0x8080FF (red 255, green 128,
// blue 128), a lowered 2-pixel outer ring and no inner ring; offsets are
// measured from the control's centre to the pixel's centre.
class HemisphereButtonTest : public QObject {
    Q_OBJECT

    static constexpr ColourNumber kPegFace = 8421631;

    static HemisphereButton* peg(QWidget* parent)
    {
        auto* button = new HemisphereButton(parent);
        button->setGeometry(10, 10, 40, 40);
        button->setFaceColor(kPegFace);
        return button;
    }

    static void press(HemisphereButton* button, QPoint at, Qt::MouseButton which = Qt::LeftButton)
    {
        QTest::mousePress(button, which, Qt::NoModifier, at);
    }

private slots:
    void newButtonHasItsDefaults()
    {
        HemisphereButton button;
        QCOMPARE(button.size(), QSize(25, 25));
        QCOMPARE(button.allowAllUp(), false);
        QCOMPARE(button.attenControl(), 1.0);
        QCOMPARE(button.bevelInner(), HemisphereBevel::None);
        QCOMPARE(button.bevelOuter(), HemisphereBevel::Lowered);
        QCOMPARE(button.bevelWidth(), 2);
        QCOMPARE(button.borderColor(), ColourNumber(8421504));
        QCOMPARE(button.borderStyle(), HemisphereBorder::None);
        QVERIFY(button.caption().isEmpty());
        QCOMPARE(button.isDown(), false);
        QCOMPARE(button.faceColor(), ColourNumber(8421504));
        QCOMPARE(button.faceShaded(), true);
        QCOMPARE(button.faceTransparent(), false);
        QCOMPARE(button.glyphIndex(), 1);
        QCOMPARE(button.glyphShaded(), true);
        QCOMPARE(button.glyphMapped(), false);
        QCOMPARE(button.glyphTransparent(), true);
        QCOMPARE(button.groupIndex(), 0);
        QCOMPARE(button.numGlyphs(), 1);
        QCOMPARE(button.upImage().size(), QSize(25, 25));
    }

    void upAndDownImagesFollowTheShading()
    {
        QWidget parent;
        HemisphereButton* button = peg(&parent);
        const QImage& up = button->upImage();
        const QImage& down = button->downImage();
        // Centre: s = 0.528 lights the face; the down image darkens it.
        QCOMPARE(up.pixel(20, 20), qRgb(255, 196, 196));
        QCOMPARE(down.pixel(20, 20), qRgb(120, 60, 60));
        // Upper left of the face, s = 0.738.
        QCOMPARE(up.pixel(10, 10), qRgb(255, 222, 222));
        QCOMPARE(down.pixel(10, 10), qRgb(67, 34, 34));
        // Lower right of the face, s = -0.458.
        QCOMPARE(up.pixel(30, 30), qRgb(138, 69, 69));
        QCOMPARE(down.pixel(30, 30), qRgb(255, 187, 187));
    }

    void loweredRingIsDarkUpperLeftAndLightLowerRight()
    {
        QWidget parent;
        HemisphereButton* button = peg(&parent);
        // (6, 6) and (33, 33) lie 19.09 pixels from the centre: in the ring.
        QCOMPARE(button->upImage().pixel(6, 6), qRgb(106, 106, 106));
        QCOMPARE(button->upImage().pixel(33, 33), qRgb(254, 254, 254));
        QCOMPARE(button->downImage().pixel(6, 6), qRgb(106, 106, 106));

        button->setBevelOuter(HemisphereBevel::Raised);
        QCOMPARE(button->upImage().pixel(6, 6), qRgb(254, 254, 254));
        QCOMPARE(button->upImage().pixel(33, 33), qRgb(106, 106, 106));
    }

    void unshadedFaceIsThePlainColour()
    {
        QWidget parent;
        HemisphereButton* button = peg(&parent);
        button->setFaceShaded(false);
        QCOMPARE(button->upImage().pixel(20, 20), qRgb(255, 128, 128));
        QCOMPARE(button->downImage().pixel(30, 30), qRgb(255, 128, 128));
    }

    void maskIsTheEllipse()
    {
        QWidget parent;
        HemisphereButton* button = peg(&parent);
        const QImage& mask = button->maskImage();
        QCOMPARE(mask.pixel(0, 0), qRgb(255, 255, 255));
        QCOMPARE(mask.pixel(39, 39), qRgb(255, 255, 255));
        QCOMPARE(mask.pixel(20, 0), qRgb(0, 0, 0));
        QCOMPARE(mask.pixel(0, 20), qRgb(0, 0, 0));
        QCOMPARE(mask.pixel(20, 20), qRgb(0, 0, 0));
        QCOMPARE(mask.pixel(5, 5), qRgb(255, 255, 255)); // 20.5 pixels out: beyond the ellipse
    }

    void transparentFaceLeavesOnlyTheRing()
    {
        QWidget parent;
        HemisphereButton* button = peg(&parent);
        button->setFaceTransparent(true);
        QCOMPARE(button->maskImage().pixel(20, 20), qRgb(255, 255, 255));
        QCOMPARE(button->maskImage().pixel(6, 6), qRgb(0, 0, 0));
    }

    void glyphDrawsFlatAndSkipsItsTransparentColour()
    {
        QWidget parent;
        HemisphereButton* button = peg(&parent);
        button->setFaceShaded(false);
        button->setGlyphShaded(false);
        // A strip of two 4 x 4 glyphs: the first blue with a white corner
        // (white is the transparent colour, read from the bottom-left pixel).
        QImage strip(8, 4, QImage::Format_RGB32);
        strip.fill(qRgb(0, 255, 0));
        for (int y = 0; y < 4; ++y)
            for (int x = 0; x < 4; ++x)
                strip.setPixel(x, y, qRgb(0, 0, 255));
        strip.setPixel(0, 3, qRgb(255, 255, 255));
        strip.setPixel(4, 3, qRgb(255, 255, 255));
        button->setNumGlyphs(2);
        button->setGlyph(strip);
        // Centred: the 4 x 4 glyph covers pixels 18..21.
        QCOMPARE(button->upImage().pixel(19, 19), qRgb(0, 0, 255));
        // The transparent corner pixel shows the face.
        QCOMPARE(button->upImage().pixel(18, 21), qRgb(255, 128, 128));
        QCOMPARE(button->upImage().pixel(17, 19), qRgb(255, 128, 128));
        button->setGlyphIndex(2);
        QCOMPARE(button->upImage().pixel(19, 19), qRgb(0, 255, 0));
        button->setGlyphIndex(3); // beyond NumGlyphs: ignored
        QCOMPARE(button->glyphIndex(), 2);
        button->setGlyphIndex(0);
        QCOMPARE(button->glyphIndex(), 2);
    }

    void mappedGlyphCoversTheWholeFace()
    {
        QWidget parent;
        HemisphereButton* button = peg(&parent);
        button->setGlyphShaded(false);
        button->setGlyphTransparent(false);
        QImage glyph(2, 2, QImage::Format_RGB32);
        glyph.setPixel(0, 0, qRgb(255, 0, 0));
        glyph.setPixel(1, 0, qRgb(0, 255, 0));
        glyph.setPixel(0, 1, qRgb(0, 0, 255));
        glyph.setPixel(1, 1, qRgb(255, 255, 0));
        button->setGlyphMapped(true);
        button->setGlyph(glyph);
        QCOMPARE(button->upImage().pixel(10, 10), qRgb(255, 0, 0));
        QCOMPARE(button->upImage().pixel(29, 10), qRgb(0, 255, 0));
        QCOMPARE(button->upImage().pixel(10, 29), qRgb(0, 0, 255));
        QCOMPARE(button->upImage().pixel(29, 29), qRgb(255, 255, 0));
    }

    void borderIsDrawnInsideTheRing()
    {
        QWidget parent;
        HemisphereButton* button = peg(&parent);
        button->setBorderColor(0x00FF00);
        button->setBorderStyle(HemisphereBorder::Single);
        QCOMPARE(button->upImage().pixel(20, 2), qRgb(0, 255, 0));
        QCOMPARE(button->downImage().pixel(2, 20), qRgb(0, 255, 0));
    }

    void bevelWidthIgnoresZeroAndBelow()
    {
        HemisphereButton button;
        button.setBevelWidth(0);
        button.setBevelWidth(-3);
        QCOMPARE(button.bevelWidth(), 2);
        button.setBevelWidth(4);
        QCOMPARE(button.bevelWidth(), 4);
    }

    void settingTheSameValueDoesNotRender()
    {
        QWidget parent;
        HemisphereButton* button = peg(&parent);
        const qint64 before = button->upImage().cacheKey();
        button->setFaceColor(kPegFace);
        button->setBevelOuter(HemisphereBevel::Lowered);
        button->setBevelWidth(2);
        button->setAttenControl(1.0);
        QCOMPARE(button->upImage().cacheKey(), before);
        button->setFaceColor(16744703);
        QVERIFY(button->upImage().cacheKey() != before);

        // The same glyph given twice, in a format other than the stored one.
        QImage glyph(4, 4, QImage::Format_ARGB32);
        glyph.fill(qRgb(0, 0, 255));
        button->setGlyph(glyph);
        const qint64 withGlyph = button->upImage().cacheKey();
        button->setGlyph(glyph);
        QCOMPARE(button->upImage().cacheKey(), withGlyph);
        QCOMPARE(button->upImage().pixel(20, 20), qRgb(255, 196, 255));
    }

    void buttonsOfOneLookShareTheirPictures()
    {
        QWidget parent;
        HemisphereButton* first = peg(&parent);
        HemisphereButton* second = peg(&parent);
        HemisphereButton* other = peg(&parent);
        other->setFaceColor(16744703);
        QCOMPARE(second->upImage().constBits(), first->upImage().constBits());
        QCOMPARE(second->downImage().constBits(), first->downImage().constBits());
        QVERIFY(other->upImage().constBits() != first->upImage().constBits());
        const QRgb otherCentre = other->upImage().pixel(20, 20);

        // One button changed leaves the other's pictures as they were, also
        // after more looks than are kept have been rendered in between.
        const QRgb centre = first->upImage().pixel(20, 20);
        for (ColourNumber face = 1; face <= 10; ++face) {
            first->setFaceColor(face);
            QVERIFY(first->upImage().pixel(20, 20) != centre);
        }
        QCOMPARE(second->upImage().pixel(20, 20), centre);
        first->setFaceColor(kPegFace);
        QCOMPARE(first->upImage().pixel(20, 20), centre);
        QCOMPARE(other->upImage().pixel(20, 20), otherCentre);
    }

    void hitTestIsTheEllipseInsideTheRings()
    {
        QWidget parent;
        HemisphereButton* button = peg(&parent);
        // Half axes 20 - 2 = 18 around the centre (20, 20).
        QVERIFY(button->isOnButton({20, 20}));
        QVERIFY(button->isOnButton({38, 20}));
        QVERIFY(button->isOnButton({2, 20}));
        QVERIFY(button->isOnButton({20, 2}));
        QVERIFY(button->isOnButton({20, 38}));
        QVERIFY(!button->isOnButton({39, 20}));
        QVERIFY(!button->isOnButton({20, 1}));
        for (QPoint corner : {QPoint(0, 0), QPoint(39, 0), QPoint(0, 39), QPoint(39, 39), QPoint(6, 6)})
            QVERIFY2(!button->isOnButton(corner), qPrintable(QStringLiteral("%1,%2").arg(corner.x()).arg(corner.y())));
    }

    void cornerClickFiresNothing()
    {
        QWidget parent;
        HemisphereButton* button = peg(&parent);
        QSignalSpy clicks(button, &HemisphereButton::clicked);
        QSignalSpy downs(button, &HemisphereButton::mouseDown);
        QTest::mouseClick(button, Qt::LeftButton, Qt::NoModifier, QPoint(1, 1));
        QCOMPARE(clicks.count(), 0);
        QCOMPARE(downs.count(), 0);
        QTest::mouseClick(button, Qt::LeftButton, Qt::NoModifier, QPoint(20, 20));
        QCOMPARE(clicks.count(), 1);
        // With group 0 the button returns to up after every click.
        QCOMPARE(button->isDown(), false);
    }

    void pressLeaveReleaseOutsideFiresNoClicked()
    {
        QWidget parent;
        HemisphereButton* button = peg(&parent);
        QSignalSpy clicks(button, &HemisphereButton::clicked);
        press(button, {20, 20});
        QCOMPARE(button->isDown(), true);
        WidgetTestSupport::moveTo(button, {1, 1}, Qt::LeftButton);
        QCOMPARE(button->isDown(), false);
        QTest::mouseRelease(button, Qt::LeftButton, Qt::NoModifier, QPoint(1, 1));
        QCOMPARE(clicks.count(), 0);
        QCOMPARE(button->isDown(), false);
    }

    void mouseMoveIsReportedOnlyOnTheButton()
    {
        QWidget parent;
        HemisphereButton* button = peg(&parent);
        QSignalSpy moves(button, &HemisphereButton::mouseMove);
        // Held down from a press beside the circle: left to the parent.
        QVERIFY(!WidgetTestSupport::moveTo(button, {1, 1}, Qt::LeftButton));
        QVERIFY(WidgetTestSupport::moveTo(button, {20, 25}, Qt::LeftButton));
        QCOMPARE(moves.count(), 1);
        QCOMPARE(button->isDown(), false);

        // While a press is tracked Down follows the pointer out and back,
        // but only the moves on the button are reported.
        press(button, {20, 20});
        WidgetTestSupport::moveTo(button, {25, 20}, Qt::LeftButton);
        QCOMPARE(moves.count(), 2);
        QCOMPARE(moves.last().at(1).toPoint(), QPoint(25, 20));
        QCOMPARE(button->isDown(), true);
        QVERIFY(WidgetTestSupport::moveTo(button, {39, 39}, Qt::LeftButton));
        QCOMPARE(moves.count(), 2);
        QCOMPARE(button->isDown(), false);
        WidgetTestSupport::moveTo(button, {20, 38}, Qt::LeftButton);
        QCOMPARE(moves.count(), 3);
        QCOMPARE(button->isDown(), true);
        QTest::mouseRelease(button, Qt::LeftButton, Qt::NoModifier, QPoint(20, 38));
        QCOMPARE(button->isDown(), false);
    }

        void releaseOutsideWithoutMoveStillLeavesItUp()
    {
        QWidget parent;
        HemisphereButton* button = peg(&parent);
        QSignalSpy clicks(button, &HemisphereButton::clicked);
        press(button, {20, 20});
        QTest::mouseRelease(button, Qt::LeftButton, Qt::NoModifier, QPoint(39, 39));
        QCOMPARE(clicks.count(), 0);
        QCOMPARE(button->isDown(), false);
    }

    void rightButtonFiresMouseDownButNoClicked()
    {
        QWidget parent;
        HemisphereButton* button = peg(&parent);
        QSignalSpy clicks(button, &HemisphereButton::clicked);
        QSignalSpy downs(button, &HemisphereButton::mouseDown);
        QTest::mouseClick(button, Qt::RightButton, Qt::NoModifier, QPoint(20, 20));
        QCOMPARE(downs.count(), 1);
        QCOMPARE(downs.first().at(0).value<Qt::MouseButton>(), Qt::RightButton);
        QCOMPARE(clicks.count(), 0);
        QCOMPARE(button->isDown(), false);
    }

    void groupBehavesAsRadioButtons()
    {
        QWidget parent;
        HemisphereButton* first = peg(&parent);
        HemisphereButton* second = peg(&parent);
        HemisphereButton* other = peg(&parent);
        first->setGroupIndex(1);
        second->setGroupIndex(1);
        other->setGroupIndex(2);
        other->setDown(true);

        QTest::mouseClick(first, Qt::LeftButton, Qt::NoModifier, QPoint(20, 20));
        QVERIFY(first->isDown());
        QTest::mouseClick(second, Qt::LeftButton, Qt::NoModifier, QPoint(20, 20));
        QVERIFY(second->isDown());
        QVERIFY(!first->isDown());
        QVERIFY2(other->isDown(), "another group is left alone");

        // Without AllowAllUp the pressed button stays down when clicked again.
        QTest::mouseClick(second, Qt::LeftButton, Qt::NoModifier, QPoint(20, 20));
        QVERIFY(second->isDown());

        // AllowAllUp set on one is set on the whole group; now it releases.
        first->setAllowAllUp(true);
        QVERIFY(second->allowAllUp());
        QVERIFY(!other->allowAllUp());
        QTest::mouseClick(second, Qt::LeftButton, Qt::NoModifier, QPoint(20, 20));
        QVERIFY(!second->isDown());
        QVERIFY(!first->isDown());
    }

    void settingDownPaintsAtOnce()
    {
        auto parent = WidgetTestSupport::colouredParent(kClSilver, QSize(60, 60));
        HemisphereButton* button = peg(parent.get());
        parent->show();
        QVERIFY(QTest::qWaitForWindowExposed(parent.get()));
        QCoreApplication::processEvents();
        const WidgetTestSupport::PaintCounter paints(button);

        // No return to the event loop between the change and the checks.
        button->setDown(true);
        QCOMPARE(paints.count(), 1);
        button->setDown(true);
        QCOMPARE(paints.count(), 1);
        button->setDown(false);
        QCOMPARE(paints.count(), 2);
        press(button, {20, 20});
        QCOMPARE(paints.count(), 3);
        QTest::mouseRelease(button, Qt::LeftButton, Qt::NoModifier, QPoint(20, 20));
        QCOMPARE(paints.count(), 4);

        button->setDown(true);
        QCOMPARE(WidgetTestSupport::onParent(button).pixel(20, 20), button->downImage().pixel(20, 20));
    }

        void disabledButtonIgnoresTheMouse()
    {
        QWidget parent;
        HemisphereButton* button = peg(&parent);
        button->setEnabled(false);
        QSignalSpy clicks(button, &HemisphereButton::clicked);
        QTest::mouseClick(button, Qt::LeftButton, Qt::NoModifier, QPoint(20, 20));
        QCOMPARE(clicks.count(), 0);
        QCOMPARE(button->isDown(), false);
    }

    void resizeRendersAtTheNewSize()
    {
        HemisphereButton button;
        button.resize(15, 15);
        QCOMPARE(button.upImage().size(), QSize(15, 15));
        QCOMPARE(button.maskImage().pixel(0, 0), qRgb(255, 255, 255));
        QCOMPARE(button.maskImage().pixel(7, 7), qRgb(0, 0, 0));
    }
};

QTEST_MAIN(HemisphereButtonTest)
#include "hemisphere_button_test.moc"
