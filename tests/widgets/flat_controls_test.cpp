#include "widgets/ColourNumber.h"
#include "widgets/FlatButton.h"
#include "widgets/KeyboardCues.h"
#include "widgets/LampPictures.h"
#include "widgets/LinkLabel.h"
#include "widgets/PictureButton.h"

#include "tests/widgets/WidgetTestSupport.h"

#include <QMouseEvent>
#include <QSignalSpy>
#include <QTest>

#include <memory>
#include <utility>

using namespace WidgetTestSupport;

namespace {

enum class FlatKind { FlatButton, LinkLabel, PictureButton };

// A flat control of the given kind with a spy on its clicks.
std::pair<FlatControl*, std::unique_ptr<QSignalSpy>> flatControl(FlatKind kind, QWidget* parent)
{
    switch (kind) {
    case FlatKind::FlatButton: {
        auto* button = new FlatButton(parent);
        return {button, std::make_unique<QSignalSpy>(button, &FlatButton::clicked)};
    }
    case FlatKind::LinkLabel: {
        auto* label = new LinkLabel(parent);
        return {label, std::make_unique<QSignalSpy>(label, &LinkLabel::clicked)};
    }
    case FlatKind::PictureButton: break;
    }
    auto* button = new PictureButton(parent);
    return {button, std::make_unique<QSignalSpy>(button, &PictureButton::clicked)};
}

} // namespace

class FlatControlsTest : public QObject {
    Q_OBJECT

private slots:
    // Lamps -----------------------------------------------------------------

    void lampsHaveTheirSizesAndTransparentColours_data()
    {
        QTest::addColumn<QString>("off");
        QTest::addColumn<QString>("on");
        QTest::addColumn<QString>("down");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<ColourNumber>("key");
        QTest::newRow("button") << "OFF" << "ON" << "DOWN" << QSize(11, 11) << ColourNumber(0xFFFFFF);
        QTest::newRow("round") << "OFFRND" << "ONRND" << "DOWNRND" << QSize(20, 16) << ColourNumber(0x00FFFF);
        QTest::newRow("down") << "OFF3DWN" << "ON3DWN" << "DOWN3DWN" << QSize(20, 11) << ColourNumber(0x00FFFF);
        QTest::newRow("up") << "OFF3UP" << "ON3UP" << "DOWN3UP" << QSize(20, 11) << ColourNumber(0x00FFFF);
    }

    void lampsHaveTheirSizesAndTransparentColours()
    {
        QFETCH(QString, off);
        QFETCH(QString, on);
        QFETCH(QString, down);
        QFETCH(QSize, size);
        QFETCH(ColourNumber, key);
        const QColor keyColour = toQColor(key);
        QList<QColor> centres;
        for (const QString& name : {off, on, down}) {
            const QImage bitmap = LampPictures::bitmap(name);
            QCOMPARE(bitmap.size(), size);
            QCOMPARE(LampPictures::keyColour(name), key);
            QCOMPARE(bitmap.pixelColor(0, 0), keyColour);
            QCOMPARE(bitmap.pixelColor(size.width() - 1, size.height() - 1), keyColour);
            const QPoint centre(size.width() / 2, size.height() / 2);
            QVERIFY(bitmap.pixelColor(centre) != keyColour);
            const QImage ready = LampPictures::pixmap(name).toImage();
            QCOMPARE(qAlpha(ready.pixel(0, 0)), 0);
            QCOMPARE(qAlpha(ready.pixel(centre)), 255);
            // Keyed-out pixels are exactly the transparent colour's pixels.
            const int keyed = countColour(bitmap, bitmap.rect(), keyColour);
            int clear = 0;
            for (int y = 0; y < size.height(); ++y)
                for (int x = 0; x < size.width(); ++x)
                    clear += qAlpha(ready.pixel(x, y)) == 0;
            QCOMPARE(clear, keyed);
            QVERIFY(keyed > 0 && keyed < size.width() * size.height() / 2 + size.width() * 3);
            centres.append(bitmap.pixelColor(centre));
        }
        // Off, on and pressed are told apart clearly, not by a shade.
        for (int a = 0; a < 3; ++a)
            for (int b = a + 1; b < 3; ++b) {
                const QColor p = centres[a];
                const QColor q = centres[b];
                const int distance = qAbs(p.red() - q.red()) + qAbs(p.green() - q.green()) + qAbs(p.blue() - q.blue());
                QVERIFY2(distance > 120, qPrintable(QString::number(distance)));
            }
    }

    void unknownLampIsEmpty()
    {
        QVERIFY(LampPictures::bitmap("BRIGHT").isNull());
        QVERIFY(LampPictures::pixmap("BRIGHT").isNull());
    }

    // Focus marks ----------------------------------------------------------

    // A key shows the focus marks; a mouse button going down hides them, the
    // second press of a double click too, while a release or a move leaves
    // them.
    void mouseButtonGoingDownHidesTheFocusMarks_data()
    {
        QTest::addColumn<QEvent::Type>("type");
        QTest::addColumn<Qt::MouseButton>("button");
        QTest::addColumn<Qt::MouseButtons>("buttons");
        QTest::addColumn<bool>("shown");
        QTest::newRow("press") << QEvent::MouseButtonPress << Qt::LeftButton << Qt::MouseButtons(Qt::LeftButton) << false;
        QTest::newRow("double click") << QEvent::MouseButtonDblClick << Qt::RightButton
                                      << Qt::MouseButtons(Qt::RightButton) << false;
        QTest::newRow("release") << QEvent::MouseButtonRelease << Qt::LeftButton << Qt::MouseButtons() << true;
        QTest::newRow("move") << QEvent::MouseMove << Qt::NoButton << Qt::MouseButtons(Qt::LeftButton) << true;
    }

    void mouseButtonGoingDownHidesTheFocusMarks()
    {
        QFETCH(QEvent::Type, type);
        QFETCH(Qt::MouseButton, button);
        QFETCH(Qt::MouseButtons, buttons);
        auto parent = colouredParent(kBalloonColour);
        auto* control = new FlatButton(parent.get());
        QTest::keyClick(control, Qt::Key_Shift);
        QVERIFY(KeyboardCues::shown());
        const QPointF at(5, 5);
        QMouseEvent event(type, at, control->mapToGlobal(at), button, buttons, Qt::NoModifier);
        QCoreApplication::sendEvent(control, &event);
        QTEST(KeyboardCues::shown(), "shown");
    }

    // Mouse rules of the three controls -------------------------------------

    void eachControlKeepsItsMouseRules_data()
    {
        QTest::addColumn<FlatKind>("kind");
        QTest::addColumn<bool>("middlePresses");
        QTest::addColumn<bool>("pressMakesHot");
        QTest::addColumn<bool>("moveOutLetsGo");
        QTest::addColumn<bool>("otherReleaseLetsGo");
        QTest::newRow("FlatButton") << FlatKind::FlatButton << true << true << false << true;
        QTest::newRow("LinkLabel") << FlatKind::LinkLabel << true << true << false << true;
        QTest::newRow("PictureButton") << FlatKind::PictureButton << false << false << true << false;
    }

    void eachControlKeepsItsMouseRules()
    {
        QFETCH(FlatKind, kind);
        QFETCH(bool, middlePresses);
        QFETCH(bool, pressMakesHot);
        QFETCH(bool, moveOutLetsGo);
        QFETCH(bool, otherReleaseLetsGo);
        auto parent = colouredParent(kBalloonColour);
        const auto [control, clicks] = flatControl(kind, parent.get());
        const QPoint inside(5, 5);
        const QPoint outside(200, 5);

        QTest::mousePress(control, Qt::MiddleButton, Qt::NoModifier, inside);
        QCOMPARE(control->isPressed(), middlePresses);
        QTest::mouseRelease(control, Qt::MiddleButton, Qt::NoModifier, inside);
        QVERIFY(!control->isPressed());
        QCOMPARE(clicks->count(), 0);

        QTest::mousePress(control, Qt::LeftButton, Qt::NoModifier, inside);
        QVERIFY(control->isPressed());
        QCOMPARE(control->isHot(), pressMakesHot);
        moveTo(control, outside, Qt::LeftButton);
        QCOMPARE(control->isPressed(), !moveOutLetsGo);
        moveTo(control, inside, Qt::LeftButton);
        QVERIFY(control->isPressed());

        // Another button let go while the left one is still held; the
        // press it ends makes no click when the left one follows.
        QTest::mouseRelease(control, Qt::RightButton, Qt::NoModifier, inside);
        QCOMPARE(control->isPressed(), !otherReleaseLetsGo);
        QTest::mouseRelease(control, Qt::LeftButton, Qt::NoModifier, inside);
        QVERIFY(!control->isPressed());
        QCOMPARE(clicks->count(), otherReleaseLetsGo ? 0 : 1);
    }

    // FlatButton ---------------------------------------------------------

    void newFlatButtonHasItsDefaults()
    {
        FlatButton button;
        QCOMPARE(button.size(), QSize(100, 25));
        QCOMPARE(button.caption(), QStringLiteral("OfficeButton"));
        QCOMPARE(button.borderColor(), ColourNumber(8421504));
        QCOMPARE(button.borderWidth(), quint8(1));
        QCOMPARE(button.buttonColor(), ColourNumber(12632256));
        QCOMPARE(button.roundSize(), 20);
        QCOMPARE(button.transparent(), true);
        QVERIFY(button.isEnabled());
        QCOMPARE(button.lampName(), QStringLiteral("OFF"));
    }

    void flatButtonFollowsThePointer()
    {
        auto parent = colouredParent(kBalloonColour);
        auto* button = new FlatButton(parent.get());
        QSignalSpy clicks(button, &FlatButton::clicked);
        enter(button);
        QVERIFY(button->isHot());
        QCOMPARE(button->lampName(), QStringLiteral("ON"));
        QTest::mousePress(button, Qt::LeftButton, Qt::NoModifier, QPoint(50, 12));
        QVERIFY(button->isPressed());
        QVERIFY(button->isShifted());
        QCOMPARE(button->lampName(), QStringLiteral("DOWN"));
        QTest::mouseRelease(button, Qt::LeftButton, Qt::NoModifier, QPoint(50, 12));
        QVERIFY(!button->isPressed());
        QVERIFY(!button->isShifted());
        QCOMPARE(clicks.count(), 1);

        // Released outside: no click.
        QTest::mousePress(button, Qt::LeftButton, Qt::NoModifier, QPoint(50, 12));
        QTest::mouseRelease(button, Qt::LeftButton, Qt::NoModifier, QPoint(150, 12));
        QCOMPARE(clicks.count(), 1);

        // The right button presses the button too, but does not click it.
        QTest::mousePress(button, Qt::RightButton, Qt::NoModifier, QPoint(50, 12));
        QVERIFY(button->isPressed());
        QTest::mouseRelease(button, Qt::RightButton, Qt::NoModifier, QPoint(50, 12));
        QCOMPARE(clicks.count(), 1);

        QTest::mousePress(button, Qt::LeftButton, Qt::NoModifier, QPoint(50, 12));
        leave(button);
        QVERIFY(!button->isHot());
        QVERIFY(!button->isShifted());
        QCOMPARE(button->lampName(), QStringLiteral("OFF"));
    }

    void disabledFlatButtonIgnoresThePointer()
    {
        auto parent = colouredParent(kBalloonColour);
        auto* button = new FlatButton(parent.get());
        button->setEnabled(false);
        QSignalSpy clicks(button, &FlatButton::clicked);
        enter(button);
        QTest::mouseClick(button, Qt::LeftButton, Qt::NoModifier, QPoint(50, 12));
        QVERIFY(!button->isHot());
        QVERIFY(!button->isPressed());
        QCOMPARE(clicks.count(), 0);
    }

    void flatButtonPaintsItsStates()
    {
        auto parent = colouredParent(kBalloonColour);
        auto* button = new FlatButton(parent.get());
        button->setGeometry(10, 10, 64, 20);
        button->setCaption(QString());
        const QColor balloon = toQColor(kBalloonColour);

        // Idle: a silver outline on the parent's colour.
        QImage picture = onParent(button);
        QCOMPARE(picture.pixelColor(32, 0), toQColor(kClSilver));
        QCOMPARE(picture.pixelColor(32, 19), toQColor(kClSilver));
        QCOMPARE(picture.pixelColor(32, 1), balloon);
        QCOMPARE(picture.pixelColor(50, 10), balloon);
        QCOMPARE(picture.pixelColor(0, 0), balloon); // outside the rounded corner
        const QImage off = LampPictures::bitmap("OFF");
        QCOMPARE(picture.pixelColor(7 + 5, 4 + 5), off.pixelColor(5, 5));

        // Hot: the border colour, two pixels wide, and the white highlight.
        enter(button);
        picture = onParent(button);
        QCOMPARE(picture.pixelColor(32, 0), toQColor(kClGray));
        QCOMPARE(picture.pixelColor(32, 1), toQColor(kClGray));
        QCOMPARE(picture.pixelColor(32, 3), QColor(Qt::white));
        QCOMPARE(picture.pixelColor(32, 18), toQColor(kClGray));
        QCOMPARE(picture.pixelColor(50, 10), balloon);
        QCOMPARE(picture.pixelColor(7 + 5, 4 + 5), LampPictures::bitmap("ON").pixelColor(5, 5));

        // Pressed: the lamp moves a pixel right and down.
        QTest::mousePress(button, Qt::LeftButton, Qt::NoModifier, QPoint(30, 10));
        picture = onParent(button);
        const QImage downLamp = LampPictures::bitmap("DOWN");
        QCOMPARE(picture.pixelColor(8 + 5, 5 + 5), downLamp.pixelColor(5, 5));
        QCOMPARE(picture.pixelColor(8, 5 + 5), downLamp.pixelColor(0, 5));

        // Not transparent: filled with the button colour.
        button->setTransparent(false);
        button->setButtonColor(0x0000FF);
        picture = onParent(button);
        QCOMPARE(picture.pixelColor(50, 10), QColor(Qt::red));
    }

    void disabledCaptionIsGray()
    {
        auto parent = colouredParent(kBalloonColour);
        auto* button = new FlatButton(parent.get());
        button->setCaption(QStringLiteral("WWW"));
        const QRect captionArea(30, 4, 60, 17);
        QVERIFY(countInk(onParent(button), captionArea, Qt::black) > 5);
        button->setEnabled(false);
        const QImage picture = onParent(button);
        QCOMPARE(countInk(picture, captionArea, Qt::black), 0);
        QVERIFY(countInk(picture, captionArea, toQColor(kClGray)) > 5);
    }

    // LinkLabel ----------------------------------------------------------

    void newLinkLabelHasItsDefaults()
    {
        LinkLabel label;
        QCOMPARE(label.size(), QSize(100, 17));
        QCOMPARE(label.caption(), QStringLiteral("OfficeLabel"));
        QCOMPARE(label.font().family(), QStringLiteral("MS Sans Serif"));
        QCOMPARE(label.font().pointSize(), 8);
        QCOMPARE(label.labelColor(), ColourNumber(12632256));
        QCOMPARE(label.lampShape(), LinkLamp::Round);
        QCOMPARE(label.transparent(), true);
        QCOMPARE(label.textRect().left(), 25);
        QCOMPARE(label.focusRect(), QRect(QPoint(22, 0), QPoint(98, 16)));
    }

    void labelLampFollowsTypeAndState_data()
    {
        QTest::addColumn<LinkLamp>("type");
        QTest::addColumn<QStringList>("names");
        QTest::newRow("round") << LinkLamp::Round << QStringList{"OFFRND", "ONRND", "DOWNRND"};
        QTest::newRow("down") << LinkLamp::TriangleDown << QStringList{"OFF3DWN", "ON3DWN", "DOWN3DWN"};
        QTest::newRow("up") << LinkLamp::TriangleUp << QStringList{"OFF3UP", "ON3UP", "DOWN3UP"};
    }

    void labelLampFollowsTypeAndState()
    {
        QFETCH(LinkLamp, type);
        QFETCH(QStringList, names);
        auto parent = colouredParent(kBalloonColour);
        auto* label = new LinkLabel(parent.get());
        label->setLampShape(type);
        QCOMPARE(label->lampName(), names[0]);
        enter(label);
        QCOMPARE(label->lampName(), names[1]);
        QTest::mousePress(label, Qt::LeftButton, Qt::NoModifier, QPoint(40, 8));
        QCOMPARE(label->lampName(), names[2]);
        // The lamp drawn is the one named: compare a pixel of its middle.
        const QImage bitmap = LampPictures::bitmap(names[2]);
        const int top = (17 - bitmap.height()) / 2;
        QCOMPARE(onParent(label).pixelColor(10, top + bitmap.height() / 2),
                 bitmap.pixelColor(10, bitmap.height() / 2));
        QTest::mouseRelease(label, Qt::LeftButton, Qt::NoModifier, QPoint(40, 8));
        QCOMPARE(label->lampName(), names[1]);
        leave(label);
        QCOMPARE(label->lampName(), names[0]);
    }

    void pressedLabelShowsTheFocusFrameAndErasesIt()
    {
        auto parent = colouredParent(kBalloonColour);
        auto* label = new LinkLabel(parent.get());
        label->setGeometry(0, 0, 130, 17);
        QSignalSpy clicks(label, &LinkLabel::clicked);
        const QRect frameLeft(22, 0, 1, 17);
        QCOMPARE(countColour(onParent(label), frameLeft, Qt::black), 0);

        enter(label);
        QTest::mousePress(label, Qt::LeftButton, Qt::NoModifier, QPoint(40, 8));
        QImage picture = onParent(label);
        QVERIFY(countColour(picture, frameLeft, Qt::black) >= 8);
        QVERIFY(countColour(picture, QRect(22, 0, 107, 1), Qt::black) >= 50);
        QCOMPARE(countColour(picture, QRect(129, 0, 1, 17), Qt::black), 0);
        QVERIFY(countColour(picture, QRect(128, 0, 1, 17), Qt::black) >= 8);

        QTest::mouseRelease(label, Qt::LeftButton, Qt::NoModifier, QPoint(40, 8));
        QCOMPARE(clicks.count(), 1);
        QVERIFY(label->isErasePending());
        picture = onParent(label);
        QCOMPARE(countColour(picture, frameLeft, Qt::black), 0);
        leave(label);
        QVERIFY(label->isErasePending());
        picture = onParent(label);
        QVERIFY(!label->isErasePending()); // painted over once, then forgotten
        QCOMPARE(countColour(picture, frameLeft, Qt::black), 0);
    }

    void opaqueLabelFillsItsColour()
    {
        auto parent = colouredParent(kBalloonColour);
        auto* label = new LinkLabel(parent.get());
        label->setCaption(QString());
        QCOMPARE(onParent(label).pixelColor(60, 8), toQColor(kBalloonColour));
        label->setTransparent(false);
        QCOMPARE(onParent(label).pixelColor(60, 8), toQColor(kClSilver));
        QCOMPARE(onParent(label).pixelColor(1, 1), toQColor(kClSilver)); // around the lamp too
    }

    void disabledLabelStaysDarkAndSilent()
    {
        auto parent = colouredParent(kBalloonColour);
        auto* label = new LinkLabel(parent.get());
        label->setGeometry(0, 0, 130, 17);
        label->setCaption(QStringLiteral("Manuál"));
        label->setEnabled(false);
        QSignalSpy clicks(label, &LinkLabel::clicked);
        enter(label);
        QTest::mousePress(label, Qt::LeftButton, Qt::NoModifier, QPoint(40, 8));
        QCOMPARE(label->lampName(), QStringLiteral("OFFRND"));
        const QImage picture = onParent(label);
        // Released before the checks, so that a failure leaves no button
        // held for the tests after it.
        QTest::mouseRelease(label, Qt::LeftButton, Qt::NoModifier, QPoint(40, 8));
        QCOMPARE(clicks.count(), 0);
        QCOMPARE(countColour(picture, QRect(22, 0, 1, 17), Qt::black), 0);
        QCOMPARE(countInk(picture, label->textRect(), Qt::black), 0);
        QVERIFY(countInk(picture, label->textRect(), toQColor(kClGray)) > 5);
        leave(label);
        QVERIFY(!label->isErasePending());
    }

    void pointerDownAColumnLightsOneLampAtATime()
    {
        auto parent = colouredParent(kBalloonColour);
        QList<LinkLabel*> labels;
        for (int i = 0; i < 4; ++i) {
            auto* label = new LinkLabel(parent.get());
            label->setGeometry(10, 10 + i * 25, 130, 17);
            labels.append(label);
        }
        parent->show();
        QVERIFY(QTest::qWaitForWindowExposed(parent.get()));
        const auto litLamps = [&] {
            int lit = 0;
            for (LinkLabel* label : labels)
                lit += label->lampName() != QStringLiteral("OFFRND");
            return lit;
        };
        for (int y = 5; y < 110; y += 2) {
            QTest::mouseMove(parent.get(), QPoint(60, y));
            const int row = (y - 10) / 25;
            const bool onLabel = y >= 10 && (y - 10) % 25 < 17 && row < 4;
            QCOMPARE(litLamps(), onLabel ? 1 : 0);
            if (onLabel)
                QVERIFY(labels[row]->isHot());
        }
    }

    // PictureButton ---------------------------------------------------

    void newPictureButtonHasItsDefaults()
    {
        PictureButton button;
        QCOMPARE(button.size(), QSize(40, 40));
        QCOMPARE(button.autoGray(), true);
        QCOMPARE(button.borderWidth(), 1);
        QCOMPARE(button.color(), ColourNumber(0xFFFFFF));
        QCOMPARE(button.isDown(), false);
        QCOMPARE(button.hiFont(), button.font());
        QCOMPARE(button.frameStyle(), FrameStyle::WhileHot);
        QCOMPARE(button.activeIndex(), -1);
        QCOMPARE(button.grayIndex(), -1);
        QCOMPARE(button.disabledIndex(), -1);
        QCOMPARE(button.downIndex(), -1);
        QCOMPARE(button.showPressed(), true);
        QCOMPARE(button.spacing(), 2);
        QCOMPARE(button.transparent(), true);
        QCOMPARE(button.wordWrap(), false);
        QCOMPARE(button.alignment(), Qt::Alignment(Qt::AlignCenter));
        QCOMPARE(button.images().size(), 4);
    }

    void grayImageWeighsTheColours()
    {
        QImage picture(2, 1, QImage::Format_ARGB32);
        picture.setPixel(0, 0, qRgba(200, 100, 50, 255));
        picture.setPixel(1, 0, qRgba(0, 0, 255, 128));
        const QImage gray = PictureButton::grayImage(picture);
        QCOMPARE(gray.pixel(0, 0), qRgba(124, 124, 124, 255)); // 12450 / 100
        QCOMPARE(gray.pixel(1, 0), qRgba(28, 28, 28, 128));    // 2805 / 100, alpha kept
        QVERIFY(PictureButton::grayImage(QImage()).isNull());
    }

    void disabledImageIsEngraved()
    {
        // Green ground (the top-left pixel), white, one black and one red pixel.
        QImage picture(5, 4, QImage::Format_ARGB32);
        picture.fill(QColor(0, 255, 0));
        picture.setPixel(3, 0, qRgb(255, 255, 255));
        picture.setPixel(1, 1, qRgb(0, 0, 0));
        picture.setPixel(2, 1, qRgb(255, 0, 0));
        picture.setPixel(4, 3, qRgb(10, 10, 10));
        const QImage engraved = PictureButton::disabledImage(picture);
        const QRgb shadow = qRgb(128, 128, 128);
        const QRgb highlight = qRgb(255, 255, 255);
        QCOMPARE(engraved.size(), picture.size());
        QCOMPARE(engraved.pixel(1, 1), shadow);
        QCOMPARE(engraved.pixel(2, 1), shadow); // shadow lies over the neighbour's highlight
        QCOMPARE(engraved.pixel(2, 2), highlight);
        QCOMPARE(engraved.pixel(3, 2), highlight);
        QCOMPARE(engraved.pixel(4, 3), shadow); // at the edge: its highlight falls off
        QCOMPARE(qAlpha(engraved.pixel(0, 0)), 0);
        QCOMPARE(qAlpha(engraved.pixel(3, 0)), 0); // white is ground
        QCOMPARE(qAlpha(engraved.pixel(1, 2)), 0);
        QCOMPARE(qAlpha(engraved.pixel(4, 0)), 0);
    }

    void imageListIsRebuiltFromTheActiveImage()
    {
        PictureButton button;
        const QImage red = solidPicture(QSize(8, 8), Qt::red);
        const QImage blue = solidPicture(QSize(8, 8), Qt::blue);
        button.setActiveImage({blue, red});
        button.setActiveIndex(1);
        QCOMPARE(button.images()[PictureButton::kActiveSlot], red);
        QCOMPARE(button.images()[PictureButton::kDownSlot], red);
        QCOMPARE(button.images()[PictureButton::kGraySlot], PictureButton::grayImage(red));
        QCOMPARE(button.images()[PictureButton::kDisabledSlot], PictureButton::disabledImage(red));

        button.setDownImage({blue});
        button.setDownIndex(0);
        button.setGrayImage({blue});
        button.setGrayIndex(3); // outside the list: still generated
        QCOMPARE(button.images()[PictureButton::kDownSlot], blue);
        QCOMPARE(button.images()[PictureButton::kGraySlot], PictureButton::grayImage(red));
        button.setGrayIndex(0);
        button.setDisabledImage({blue});
        button.setDisabledIndex(0);
        QCOMPARE(button.images()[PictureButton::kGraySlot], blue);
        QCOMPARE(button.images()[PictureButton::kDisabledSlot], blue);
    }

    void pictureButtonIsGrayUntilThePointerComes()
    {
        auto parent = colouredParent(kBalloonColour);
        auto* button = new PictureButton(parent.get());
        button->setActiveImage({solidPicture(QSize(20, 20), QColor(200, 100, 50))});
        button->setActiveIndex(0);
        const QColor gray(124, 124, 124);
        QCOMPARE(button->currentSlot(), PictureButton::kGraySlot);
        QImage picture = onParent(button);
        QCOMPARE(picture.pixelColor(20, 20), gray);
        QCOMPARE(picture.pixelColor(3, 3), toQColor(kBalloonColour));
        QCOMPARE(picture.pixelColor(0, 0), toQColor(kBalloonColour)); // no frame while idle

        enter(button);
        picture = onParent(button);
        QCOMPARE(picture.pixelColor(20, 20), QColor(200, 100, 50));
        QCOMPARE(picture.pixelColor(0, 0), QColor(Qt::white)); // raised frame
        QCOMPARE(picture.pixelColor(39, 39), toQColor(kClGray));

        leave(button);
        QCOMPARE(onParent(button).pixelColor(20, 20), gray);

        button->setAutoGray(false);
        QCOMPARE(button->currentSlot(), PictureButton::kActiveSlot);
        button->setAutoGray(true);
        button->setFrameStyle(FrameStyle::Mono);
        QCOMPARE(button->currentSlot(), PictureButton::kActiveSlot);
        QCOMPARE(onParent(button).pixelColor(0, 0), QColor(Qt::black));
        QCOMPARE(onParent(button).pixelColor(39, 39), QColor(Qt::black));
    }

    void pictureButtonPressFollowsThePointer()
    {
        auto parent = colouredParent(kBalloonColour);
        auto* button = new PictureButton(parent.get());
        QImage picture = solidPicture(QSize(20, 20), Qt::blue);
        picture.setPixel(0, 0, qRgb(255, 0, 0));
        button->setActiveImage({picture});
        button->setActiveIndex(0);
        QSignalSpy clicks(button, &PictureButton::clicked);
        enter(button);
        QTest::mousePress(button, Qt::LeftButton, Qt::NoModifier, QPoint(20, 20));
        QVERIFY(button->isPressed());
        QCOMPARE(button->currentSlot(), PictureButton::kDownSlot);
        QImage shown = onParent(button);
        QCOMPARE(shown.pixelColor(11, 11), QColor(Qt::red)); // moved 1 right and down
        QCOMPARE(shown.pixelColor(0, 0), toQColor(kClGray)); // sunken frame
        QCOMPARE(shown.pixelColor(39, 39), QColor(Qt::white));

        QTest::mouseMove(button, QPoint(60, 20));
        QVERIFY(!button->isPressed());
        QTest::mouseMove(button, QPoint(30, 20));
        QVERIFY(button->isPressed());
        QTest::mouseRelease(button, Qt::LeftButton, Qt::NoModifier, QPoint(30, 20));
        QVERIFY(!button->isPressed());
        QCOMPARE(clicks.count(), 1);

        QTest::mousePress(button, Qt::LeftButton, Qt::NoModifier, QPoint(20, 20));
        QTest::mouseRelease(button, Qt::LeftButton, Qt::NoModifier, QPoint(60, 20));
        QCOMPARE(clicks.count(), 1);

        QTest::mousePress(button, Qt::RightButton, Qt::NoModifier, QPoint(20, 20));
        QVERIFY(!button->isPressed());

        button->setShowPressed(false);
        QTest::mousePress(button, Qt::LeftButton, Qt::NoModifier, QPoint(20, 20));
        shown = onParent(button);
        QCOMPARE(shown.pixelColor(10, 10), QColor(Qt::red)); // stays in place
        QCOMPARE(shown.pixelColor(0, 0), QColor(Qt::white)); // only the hot frame
    }

    void downButtonStaysPressedAndSunken()
    {
        auto parent = colouredParent(kBalloonColour);
        auto* button = new PictureButton(parent.get());
        button->setDown(true);
        QCOMPARE(onParent(button).pixelColor(0, 0), toQColor(kClGray));
        QTest::mousePress(button, Qt::LeftButton, Qt::NoModifier, QPoint(20, 20));
        QTest::mouseRelease(button, Qt::LeftButton, Qt::NoModifier, QPoint(20, 20));
        QVERIFY(button->isPressed());
    }

    void disablingClearsTheStates()
    {
        auto parent = colouredParent(kBalloonColour);
        auto* button = new PictureButton(parent.get());
        QImage picture = solidPicture(QSize(20, 20), Qt::white);
        for (int y = 5; y < 15; ++y)
            for (int x = 5; x < 15; ++x)
                picture.setPixel(x, y, qRgb(0, 0, 255));
        button->setActiveImage({picture});
        button->setActiveIndex(0);
        QSignalSpy clicks(button, &PictureButton::clicked);
        enter(button);
        QTest::mousePress(button, Qt::LeftButton, Qt::NoModifier, QPoint(20, 20));
        button->setEnabled(false);
        QVERIFY(!button->isHot());
        QVERIFY(!button->isPressed());
        QCOMPARE(button->currentSlot(), PictureButton::kDisabledSlot);
        const QImage shown = onParent(button);
        QCOMPARE(shown.pixelColor(20, 20), toQColor(kClGray));
        QCOMPARE(shown.pixelColor(25, 25), QColor(Qt::white)); // the engraving's light edge
        QCOMPARE(shown.pixelColor(12, 12), toQColor(kBalloonColour));
        QTest::mouseRelease(button, Qt::LeftButton, Qt::NoModifier, QPoint(20, 20));
        QCOMPARE(clicks.count(), 0);
    }

    void captionUsesTheHotFontAndOpaqueColour()
    {
        auto parent = colouredParent(kBalloonColour);
        auto* button = new PictureButton(parent.get());
        button->setTransparent(false);
        button->setColor(0x00FF00);
        QCOMPARE(onParent(button).pixelColor(20, 20), QColor(Qt::green));
        button->setCaption(QStringLiteral("MMM"));
        QFont big = button->font();
        big.setPixelSize(30);
        big.setBold(true);
        button->setHiFont(big);
        const QRect wide(2, 2, 36, 36);
        const int normalInk = countInk(onParent(button), wide, Qt::black);
        enter(button);
        const int hotInk = countInk(onParent(button), wide, Qt::black);
        QVERIFY(normalInk > 0);
        QVERIFY2(hotInk > 2 * normalInk, qPrintable(QString("%1 %2").arg(normalInk).arg(hotInk)));
    }

    void acceleratorKeyClicksTheButton()
    {
        auto parent = colouredParent(kBalloonColour);
        auto* button = new PictureButton(parent.get());
        button->setCaption(QStringLiteral("&Hra"));
        QSignalSpy clicks(button, &PictureButton::clicked);
        parent->show();
        parent->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(parent.get()));
        QTest::keyClick(parent.get(), Qt::Key_H, Qt::AltModifier);
        QCOMPARE(clicks.count(), 1);
        QTest::keyClick(parent.get(), Qt::Key_R, Qt::AltModifier);
        QCOMPARE(clicks.count(), 1);
        button->setEnabled(false);
        QTest::keyClick(parent.get(), Qt::Key_H, Qt::AltModifier);
        QCOMPARE(clicks.count(), 1);
        button->setEnabled(true);
        button->setCaption(QStringLiteral("Hra"));
        QTest::keyClick(parent.get(), Qt::Key_H, Qt::AltModifier);
        QCOMPARE(clicks.count(), 1);
    }
};

QTEST_MAIN(FlatControlsTest)
#include "flat_controls_test.moc"
