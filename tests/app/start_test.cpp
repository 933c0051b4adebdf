#include "app/Entry.h"
#include "app/NormalStart.h"
#include "app/PelikorApplication.h"
#include "app/PelikorWindows.h"
#include "app/SessionBus.h"
#include "app/Splash.h"
#include "frame/MainWindow.h"
#include "scores/BestTableModule.h"
#include "services/SingleCopy.h"
#include "tests/support/BestTableFolder.h"
#include "tests/support/CopySearch.h"
#include "widgets/GradientProgress.h"

#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMessageBox>
#include <QScreen>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <functional>
#include <stdexcept>
#include <utility>

namespace {

// The positions at which the meter was painted, as they were at the paint.
class PaintRecorder : public QObject {
public:
    explicit PaintRecorder(GradientProgress& meter) : meter_(meter) { meter.installEventFilter(this); }
    QList<int> painted;
    // Called at each paint, after its position is recorded.
    std::function<void()> looking;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == &meter_ && event->type() == QEvent::Paint) {
            painted << meter_.position();
            if (looking)
                looking();
        }
        return false;
    }

private:
    GradientProgress& meter_;
};

// The meter's row of pixels as the window's backing store holds it now,
// without any event being processed.
QImage meterOnScreen(Splash& splash)
{
    const GradientProgress& meter = splash.meter();
    const QPoint at = meter.mapTo(&splash, QPoint(0, meter.height() / 2));
    return QGuiApplication::primaryScreen()->grabWindow(splash.winId(), at.x(), at.y(), meter.width(), 1).toImage();
}

bool isBlack(QRgb pixel)
{
    return qRed(pixel) == 0 && qGreen(pixel) == 0 && qBlue(pixel) == 0;
}

// Reads the first message box that opens, then closes it.
class MessageReader : public QObject {
public:
    MessageReader()
    {
        connect(&poll_, &QTimer::timeout, this, [this] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box)
                return;
            text = box->text();
            icon = box->icon();
            for (QWidget* window : QApplication::topLevelWidgets()) {
                if (window != box && window->isVisible())
                    othersVisible << window->objectName();
            }
            box->accept();
        });
        poll_.start(10);
    }
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QStringList othersVisible;

private:
    QTimer poll_;
};

} // namespace

class StartTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(runtime_.isValid());
        qputenv("XDG_RUNTIME_DIR", runtime_.path().toLocal8Bit());
    }

    // The yellow panel inside the black one, and nothing on it lying over
    // anything else.
    void splashPanelsAndTheirParts()
    {
        Splash splash;
        QCOMPARE(splash.size(), QSize(339, 288));
        // The panels' colours are checked on the screen, in copies_xtest.
        auto* inner = splash.findChild<QWidget*>(QStringLiteral("innerPanel"));
        QCOMPARE(inner->geometry(), QRect(2, 2, 335, 284));
        const QList<QWidget*> parts = inner->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
        for (QWidget* part : parts) {
            QVERIFY2(inner->rect().contains(part->geometry()), qPrintable(part->objectName()));
            for (QWidget* other : parts)
                QVERIFY2(part == other || !part->geometry().intersects(other->geometry()),
                         qPrintable(part->objectName() + " " + other->objectName()));
        }
    }

    // Each step is painted before it returns; a step that would not move
    // the meter on is no step.
    void meterOnlyGrowsAndEachStepIsOnTheScreenAtOnce()
    {
        Splash splash;
        splash.showAndPaint();
        QVERIFY(splash.windowHandle()->isExposed());
        QCOMPARE(splash.geometry().center(), QGuiApplication::primaryScreen()->geometry().center());
        PaintRecorder recorder(splash.meter());
        QVERIFY(isBlack(meterOnScreen(splash).pixel(1, 0)));

        // Each step asked for and the position it leaves.
        const QList<std::pair<int, int>> steps{{5, 5}, {5, 5}, {3, 5}, {-4, 5}, {40, 40}, {55, 55}, {150, 100}, {100, 100}};
        QList<int> painted;
        for (const auto& [step, position] : steps) {
            splash.stepDone(step);
            QCOMPARE(splash.meter().position(), position);
            if (painted.isEmpty() || painted.last() != position)
                painted << position;
            QCOMPARE(recorder.painted, painted);

            // The filled part ends where the position says.
            const QImage row = meterOnScreen(splash);
            const int filled = splash.meter().filledLength();
            QVERIFY2(qRed(row.pixel(filled, 0)) > 200 && !isBlack(row.pixel(filled, 0)), qPrintable(QString::number(step)));
            if (filled + 2 < row.width() - 1)
                QVERIFY(isBlack(row.pixel(filled + 2, 0)));
        }
    }

    // A best table that does not open ends the start with a message that
    // names it; no window but the box shows then.
    void failedStartIsReportedAndEndsWithoutTheMainWindow()
    {
        const QString message = QStringLiteral("Tabulku /hra/Data/Pelkor.dbf nelze otevřít");
        int meterDuringCreation = -1;
        bool splashShownDuringCreation = false;
        MessageReader reader;
        const int status = runNormalStart([&](Splash& splash) -> std::unique_ptr<PelikorWindows> {
            meterDuringCreation = splash.meter().position();
            splashShownDuringCreation = splash.isVisible();
            throw std::runtime_error(message.toStdString());
        });
        QCOMPARE(status, kStartFailed);
        QVERIFY(splashShownDuringCreation);
        QCOMPARE(meterDuringCreation, 5);
        QCOMPARE(reader.text, message);
        QCOMPARE(reader.icon, QMessageBox::Critical);
        QCOMPARE(reader.othersVisible, QStringList());
        QVERIFY(QApplication::topLevelWidgets().size() <= 1);
    }

    // The whole start on a folder of its own: the meter full when the last
    // window exists, the splash gone, the main window shown and found by a
    // later start until it closes.
    void normalStartShowsAndPublishesTheMainWindow()
    {
        QTemporaryDir folder;
        layOutBestTable(folder.path() + QLatin1Char('/'));
        int meterAfterCreation = -1;
        bool foundWhileRunning = false;
        bool splashGone = false;
        // Looks once the main window shows, which is after the loop started.
        QTimer watch;
        connect(&watch, &QTimer::timeout, [&] {
            MainWindow* main = nullptr;
            splashGone = true;
            for (QWidget* window : QApplication::topLevelWidgets()) {
                if (qobject_cast<Splash*>(window))
                    splashGone = false;
                if (auto* candidate = qobject_cast<MainWindow*>(window); candidate && candidate->isVisible())
                    main = candidate;
            }
            if (!main)
                return;
            watch.stop();
            foundWhileRunning = searchAside().found;
            main->close();
        });
        watch.start(10);
        bool publishedBeforeTheLoop = false;
        const int status = runNormalStart([&](Splash& splash) {
            auto windows = createProgramWindows(folder.path() + QLatin1Char('/'), splash);
            meterAfterCreation = splash.meter().position();
            // A later start waits for the answer the loop will give.
            publishedBeforeTheLoop = QFileInfo::exists(SingleCopy::folder() + QLatin1Char('/')
                                                       + QString::number(QCoreApplication::applicationPid()));
            return windows;
        });
        QCOMPARE(status, 0);
        QCOMPARE(meterAfterCreation, 100);
        QVERIFY(publishedBeforeTheLoop);
        QVERIFY(splashGone);
        QVERIFY(foundWhileRunning);
        QVERIFY(!searchAside().found);
    }

    // Every window once, in the program's order, each step counted on the
    // meter only after its window exists; the main window on the screen
    // from its own step on, the windows after it made behind the meter.
    void windowsAreCreatedInOrderBehindTheMeter()
    {
        QTemporaryDir folder;
        layOutBestTable(folder.path() + QLatin1Char('/'));
        const QStringList order = {"MainWindow",         "WelcomeBalloon",  "OptionalGameChooser", "AboutBox",
                                   "GiveUpQuestion",     "ResultBalloon",   "AssistantFigure",     "BestTableView",
                                   "ClearTableQuestion", "HelpBalloon",     "GameTypeChooser",     "CongratulationBalloon",
                                   "StandardGameBalloon"};
        const auto created = [&order] {
            QStringList windows;
            for (QWidget* window : QApplication::topLevelWidgets())
                if (order.contains(QLatin1String(window->metaObject()->className())))
                    windows << QLatin1String(window->metaObject()->className());
            std::sort(windows.begin(), windows.end(),
                      [&order](const QString& a, const QString& b) { return order.indexOf(a) < order.indexOf(b); });
            return windows;
        };
        Splash splash;
        splash.showAndPaint();
        PaintRecorder meter(splash.meter());
        QList<QStringList> seen;
        QList<bool> mainShown;
        meter.looking = [&] {
            seen << created();
            const QWidgetList windows = QApplication::topLevelWidgets();
            mainShown << std::any_of(windows.begin(), windows.end(), [](QWidget* window) {
                return qobject_cast<MainWindow*>(window) && window->isVisible();
            });
        };
        const std::unique_ptr<PelikorWindows> windows = createProgramWindows(folder.path() + QLatin1Char('/'), splash);
        QCOMPARE(meter.painted, (QList<int>{10, 15, 20, 25, 30, 35, 40, 55, 60, 65, 70, 75, 80, 85, 90, 100}));
        constexpr int kMainWindowStep = 3;
        for (int step = 0; step < meter.painted.size(); ++step) {
            QCOMPARE(seen[step], order.mid(0, std::clamp(step - 2, 0, int(order.size()))));
            QCOMPARE(mainShown[step], step >= kMainWindowStep);
        }
        QVERIFY(windows->bestTableModule().table.isOpen());
        for (QWidget* window : QApplication::topLevelWidgets())
            QVERIFY2(window->isHidden() == (window != &windows->mainWindow() && window != &splash),
                     window->metaObject()->className());
    }

    void windowSystemIsChosenBeforeTheApplication_data()
    {
        QTest::addColumn<QByteArray>("platform");
        QTest::addColumn<QByteArray>("display");
        QTest::addColumn<QByteArray>("chosen");
        QTest::newRow("X display, no choice") << QByteArray() << QByteArray(":0") << QByteArray("xcb");
        QTest::newRow("user chose Wayland") << QByteArray("wayland") << QByteArray(":0") << QByteArray("wayland");
        QTest::newRow("no X display") << QByteArray() << QByteArray() << QByteArray();
        QTest::newRow("user chose offscreen") << QByteArray("offscreen") << QByteArray() << QByteArray("offscreen");
    }
    void windowSystemIsChosenBeforeTheApplication()
    {
        QFETCH(QByteArray, platform);
        QFETCH(QByteArray, display);
        QFETCH(QByteArray, chosen);
        const QByteArray ownPlatform = qgetenv("QT_QPA_PLATFORM");
        const QByteArray ownDisplay = qgetenv("DISPLAY");
        qputenv("QT_QPA_PLATFORM", platform);
        qputenv("DISPLAY", display);
        chooseWindowSystem();
        const QByteArray result = qgetenv("QT_QPA_PLATFORM");
        qputenv("QT_QPA_PLATFORM", ownPlatform);
        qputenv("DISPLAY", ownDisplay);
        QCOMPARE(result, chosen);
    }

    // Where libdbus would find the bus; only a bus nowhere is ruled out at
    // the start. One folder serves as the runtime folder and the whole path.
    void sessionBusReach_data()
    {
        QTest::addColumn<QByteArray>("address");
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<int>("reach");
        QTest::newRow("named") << QByteArray("unix:path=/nonexistent") << QStringList() << int(SessionBusReach::AtHand);
        QTest::newRow("runtime folder") << QByteArray() << QStringList{"bus"} << int(SessionBusReach::AtHand);
        QTest::newRow("launcher") << QByteArray() << QStringList{"dbus-launch"} << int(SessionBusReach::Launchable);
        QTest::newRow("nowhere") << QByteArray() << QStringList{"busy", "dbus-launcher"}
                                 << int(SessionBusReach::OutOfReach);
    }
    void sessionBusReach()
    {
        QFETCH(QByteArray, address);
        QFETCH(QStringList, files);
        QTemporaryDir folder;
        for (const QString& name : files) {
            QFile file(folder.filePath(name));
            QVERIFY(file.open(QIODevice::WriteOnly) && file.setPermissions(file.permissions() | QFile::ExeOwner));
        }
        const char* const names[] = {"DBUS_SESSION_BUS_ADDRESS", "XDG_RUNTIME_DIR", "PATH"};
        const QByteArray own[] = {qgetenv(names[0]), qgetenv(names[1]), qgetenv(names[2])};
        const QByteArray given[] = {address, QFile::encodeName(folder.path()), QFile::encodeName(folder.path())};
        for (int i = 0; i < 3; ++i)
            qputenv(names[i], given[i]);
        const int reach = int(::sessionBusReach());
        for (int i = 0; i < 3; ++i)
            qputenv(names[i], own[i]);
        QTEST(reach, "reach");
    }

private:
    QTemporaryDir runtime_;
};

// The program's own application object, whose error report is under test.
int main(int argc, char** argv)
{
    PelikorApplication application(argc, argv);
    StartTest test;
    return QTest::qExec(&test, argc, argv);
}
#include "start_test.moc"
