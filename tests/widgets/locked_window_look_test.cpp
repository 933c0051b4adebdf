#include "tests/widgets/WidgetTestSupport.h"
#include "widgets/LinkLabel.h"
#include "widgets/PictureButton.h"
#include "widgets/ProgramLabel.h"
#include "widgets/ProgramStyle.h"

#include <QMenuBar>
#include <QTest>
#include <QToolButton>

#include <functional>

using namespace WidgetTestSupport;

// Places one of Qt's own controls on a window and answers how to disable
// it itself.
using PlaceControl = std::function<std::function<void()>(QWidget* window)>;
Q_DECLARE_METATYPE(PlaceControl)

// A window locked while a dialog is open keeps its look; a control that is
// disabled itself looks disabled.
class LockedWindowLookTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { ProgramStyle::install(); }

    void controlsLookDisabledOnlyWhenDisabledThemselves()
    {
        auto window = colouredParent(kBalloonColour);
        QPalette palette = window->palette();
        palette.setColor(QPalette::Disabled, QPalette::WindowText, toQColor(kClGray));
        window->setPalette(palette);
        auto* label = new ProgramLabel(QStringLiteral("Zbylé kameny :"), window.get());
        label->setGeometry(0, 0, 120, 20);
        auto* link = new LinkLabel(window.get());
        link->setCaption(QStringLiteral("Začít pracovat"));
        link->setGeometry(0, 30, 150, 17);
        auto* picture = new PictureButton(window.get());
        picture->setActiveImage({solidPicture({32, 32}, Qt::magenta)});
        picture->setActiveIndex(0);

        const auto ink = [](QWidget* control) { return countInk(onParent(control), control->rect(), Qt::black, 40); };
        const int labelInk = ink(label), linkInk = ink(link);
        QVERIFY(labelInk > 20 && linkInk > 20);

        window->setEnabled(false);
        QCOMPARE(ink(label), labelInk);
        QCOMPARE(ink(link), linkInk);
        QCOMPARE(picture->currentSlot(), PictureButton::kGraySlot);

        window->setEnabled(true);
        label->setEnabled(false);
        link->setEnabled(false);
        picture->setEnabled(false);
        QCOMPARE(ink(label), 0);
        QCOMPARE(ink(link), 0);
        QCOMPARE(picture->currentSlot(), PictureButton::kDisabledSlot);
    }

    void qtControlsLookDisabledOnlyWhenDisabledThemselves_data()
    {
        QTest::addColumn<PlaceControl>("place");
        QTest::addRow("toolbar button") << PlaceControl([](QWidget* window) {
            auto* button = new QToolButton(window);
            button->setAutoRaise(true);
            button->setIcon(QIcon(QPixmap::fromImage(solidPicture({16, 16}, Qt::magenta))));
            button->setGeometry(0, 0, 23, 22);
            return std::function<void()>([button] { button->setEnabled(false); });
        });
        // A menu follows its window's state, yet only its own counts.
        QTest::addRow("menu bar menu") << PlaceControl([](QWidget* window) {
            auto* bar = new QMenuBar(window);
            QMenu* menu = bar->addMenu(QStringLiteral("&Soubor"));
            bar->setGeometry(window->rect());
            return std::function<void()>([menu] { menu->setEnabled(false); });
        });
        QTest::addRow("menu bar command") << PlaceControl([](QWidget* window) {
            auto* bar = new QMenuBar(window);
            QAction* command = bar->addAction(QStringLiteral("Konec"));
            bar->setGeometry(window->rect());
            return std::function<void()>([command] { command->setEnabled(false); });
        });
    }

    // Also while its window is locked, a control disabled itself looks so.
    void qtControlsLookDisabledOnlyWhenDisabledThemselves()
    {
        QFETCH(PlaceControl, place);
        QWidget window;
        window.resize(120, 24);
        const std::function<void()> disableItself = place(&window);
        const auto look = [&window] { return window.grab().toImage(); };
        const QImage enabled = look();

        window.setEnabled(false);
        QCOMPARE(look(), enabled);

        window.setEnabled(true);
        disableItself();
        const QImage disabled = look();
        QVERIFY(disabled != enabled);
        window.setEnabled(false);
        QCOMPARE(look(), disabled);
    }
};

QTEST_MAIN(LockedWindowLookTest)
#include "locked_window_look_test.moc"
