#include "tests/widgets/WidgetTestSupport.h"
#include "widgets/ProgramLabel.h"
#include "widgets/TOfficeLabel.h"
#include "widgets/TTransparentButton2.h"

#include <QTest>

using namespace WidgetTestSupport;

// A window locked while a dialog is open keeps its look; a control that is
// disabled itself looks disabled.
class LockedWindowLookTest : public QObject {
    Q_OBJECT

private slots:
    void controlsLookDisabledOnlyWhenDisabledThemselves()
    {
        auto window = colouredParent(kBalloonColour);
        QPalette palette = window->palette();
        palette.setColor(QPalette::Disabled, QPalette::WindowText, toQColor(kClGray));
        window->setPalette(palette);
        auto* label = new ProgramLabel(QStringLiteral("Zbylé kameny :"), window.get());
        label->setGeometry(0, 0, 120, 20);
        auto* link = new TOfficeLabel(window.get());
        link->setCaption(QStringLiteral("Začít pracovat"));
        link->setGeometry(0, 30, 150, 17);
        auto* picture = new TTransparentButton2(window.get());
        picture->setActiveImage({solidPicture({32, 32}, Qt::magenta)});
        picture->setActiveIndex(0);

        const auto ink = [](QWidget* control) { return countInk(onParent(control), control->rect(), Qt::black, 40); };
        const int labelInk = ink(label), linkInk = ink(link);
        QVERIFY(labelInk > 20 && linkInk > 20);

        window->setEnabled(false);
        QCOMPARE(ink(label), labelInk);
        QCOMPARE(ink(link), linkInk);
        QCOMPARE(picture->currentSlot(), TTransparentButton2::kGraySlot);

        window->setEnabled(true);
        label->setEnabled(false);
        link->setEnabled(false);
        picture->setEnabled(false);
        QCOMPARE(ink(label), 0);
        QCOMPARE(ink(link), 0);
        QCOMPARE(picture->currentSlot(), TTransparentButton2::kDisabledSlot);
    }
};

QTEST_MAIN(LockedWindowLookTest)
#include "locked_window_look_test.moc"
