#include "dialogs/BalloonDialog.h"
#include "services/HintWatcher.h"
#include "tests/support/ShellFixture.h"
#include "widgets/ShapedPicture.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMenu>
#include <QScreen>
#include <QSignalSpy>
#include <QStatusTipEvent>
#include <QTest>

#include <stdexcept>

using Row = AssistantProtocol::Row;

Q_DECLARE_METATYPE(AssistantProtocol::Row)

namespace {

// A viewer that writes the page it was given and the folder it started in
// into `record`; it may be run only once `runnable`.
void writeViewer(const QString& path, const QString& record, bool runnable)
{
    QFile viewer(path);
    QVERIFY(viewer.open(QIODevice::WriteOnly));
    viewer.write(QStringLiteral("#!/bin/sh\necho \"$1|$(pwd)\" > '%1'\n").arg(record).toUtf8());
    viewer.close();
    if (runnable)
        viewer.setPermissions(viewer.permissions() | QFile::ExeOwner);
}

// What the viewer wrote, once it has.
QString viewerRecord(const QString& record)
{
    QFile started(record);
    if (!QTest::qWaitFor([&] { return QFileInfo(record).size() > 0; }) || !started.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(started.readAll()).trimmed();
}

void writePage(const QString& path)
{
    QVERIFY(QDir().mkpath(QFileInfo(path).path()));
    QVERIFY(QFile(path).open(QIODevice::WriteOnly));
}

// A balloon of the size of one of the program's dialogs; the dialogs that
// place themselves do it when shown, as the program's do.
class SizedBalloon : public BalloonDialog {
public:
    SizedBalloon(ShellFixture& shell, QSize size, Row row, bool placesItself)
        : BalloonDialog(shell.owners, size, BalloonTail::BottomRight), shell_(shell), row_(row),
          placesItself_(placesItself)
    {
    }

protected:
    void prepareToShow() override
    {
        if (placesItself_)
            shell_.protocol.place(row_, *this);
    }

private:
    ShellFixture& shell_;
    Row row_;
    bool placesItself_;
};

constexpr QPoint kNoMove(-1, -1);

} // namespace

class AssistantTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        // The expected places below are worked out on this screen.
        QCOMPARE(QGuiApplication::primaryScreen()->size(), QSize(800, 800));
    }

    // Each row of the protocol at and just past its relocation thresholds,
    // with the figure shown or hidden and the setting as found.
    void protocolOpensEachDialogBesideTheFigure_data()
    {
        QTest::addColumn<Row>("row");
        QTest::addColumn<QSize>("dialog");
        QTest::addColumn<bool>("placesItself");
        QTest::addColumn<QString>("assistantSetting");
        QTest::addColumn<bool>("figureShown");
        QTest::addColumn<QPoint>("figureAt");
        QTest::addColumn<QPoint>("movedTo");
        QTest::addColumn<bool>("shownAfter");
        QTest::addColumn<int>("greetings");
        QTest::addColumn<QPoint>("dialogAt");

        const QSize chooser(160, 115), help(246, 343), endGame(212, 99), clear(272, 98), welcome(412, 140),
            result(252, 176);
        const QPoint home12(684, 666), home7(689, 671);
        QTest::newRow("chooser, figure in place") << Row::GameChooser << chooser << true << "1" << true << home12 << kNoMove << true << 0 << QPoint(590, 581);
        QTest::newRow("chooser at both thresholds, closed") << Row::GameChooser << chooser << true << "0" << false << QPoint(66, 87) << kNoMove << true << 1 << QPoint(-28, 2);
        QTest::newRow("chooser too far left") << Row::GameChooser << chooser << true << "1" << false << QPoint(65, 300) << home12 << true << 1 << QPoint(590, 581);
        QTest::newRow("chooser too high, no setting") << Row::GameChooser << chooser << true << "" << false << QPoint(300, 86) << home12 << true << 1 << QPoint(590, 581);
        QTest::newRow("chooser, figure hidden with 1") << Row::GameChooser << chooser << true << "1" << false << QPoint(300, 300) << kNoMove << false << 0 << QPoint(206, 215);
        QTest::newRow("chooser, closed figure too high") << Row::GameChooser << chooser << true << "0" << false << QPoint(300, 86) << home12 << true << 2 << QPoint(590, 581);
        QTest::newRow("help at both thresholds") << Row::Help << help << false << "1" << true << QPoint(172, 353) << kNoMove << true << 0 << QPoint(-10, 40);
        QTest::newRow("help too far left, closed") << Row::Help << help << false << "0" << false << QPoint(171, 400) << home7 << true << 1 << QPoint(507, 358);
        QTest::newRow("help too high") << Row::Help << help << false << "1" << false << QPoint(400, 352) << home7 << true << 1 << QPoint(507, 358);
        QTest::newRow("help, any other setting shows") << Row::Help << help << false << "ano" << false << QPoint(400, 400) << kNoMove << true << 1 << QPoint(218, 87);
        QTest::newRow("end game at both thresholds") << Row::EndGame << endGame << false << "1" << true << QPoint(167, 671) << kNoMove << true << 0 << QPoint(0, 676);
        QTest::newRow("end game too far left, closed") << Row::EndGame << endGame << false << "0" << false << QPoint(166, 300) << home7 << true << 1 << QPoint(522, 676);
        QTest::newRow("end game too low") << Row::EndGame << endGame << false << "1" << true << QPoint(300, 672) << home7 << true << 1 << QPoint(522, 676);
        QTest::newRow("end game, no setting shows") << Row::EndGame << endGame << false << "" << false << QPoint(300, 300) << kNoMove << true << 1 << QPoint(133, 305);
        QTest::newRow("clear table too far left") << Row::ClearTable << clear << false << "1" << true << QPoint(226, 100) << home7 << true << 1 << QPoint(462, 677);
        QTest::newRow("welcome at start at both thresholds") << Row::WelcomeAtStart << welcome << true << "1" << false << QPoint(308, 145) << kNoMove << true << 1 << QPoint(-38, 35);
        QTest::newRow("welcome at start too far left") << Row::WelcomeAtStart << welcome << true << "1" << true << QPoint(307, 300) << home7 << true << 1 << QPoint(343, 561);
        QTest::newRow("welcome on figure at both thresholds") << Row::WelcomeOnFigure << welcome << true << "0" << true << QPoint(318, 112) << kNoMove << true << 0 << QPoint(-28, 2);
        QTest::newRow("welcome on figure too high") << Row::WelcomeOnFigure << welcome << true << "0" << true << QPoint(500, 111) << home12 << true << 1 << QPoint(338, 556);
        QTest::newRow("result at both thresholds, closed") << Row::Result << result << true << "0" << false << QPoint(158, 148) << kNoMove << true << 1 << QPoint(-28, 2);
        QTest::newRow("result too far left, closed") << Row::Result << result << true << "0" << false << QPoint(157, 300) << home12 << true << 2 << QPoint(498, 520);
    }

    void protocolOpensEachDialogBesideTheFigure()
    {
        QFETCH(Row, row);
        QFETCH(QSize, dialog);
        QFETCH(bool, placesItself);
        QFETCH(QString, assistantSetting);
        QFETCH(bool, figureShown);
        QFETCH(QPoint, figureAt);
        QFETCH(QPoint, movedTo);
        QFETCH(int, greetings);

        ShellFixture shell;
        shell.figure->move(figureAt);
        shell.figure->setVisible(figureShown);
        shell.settings.write(Settings::kAssistantKey, assistantSetting);
        shell.cues.clear();
        SizedBalloon balloon(shell, dialog, row, placesItself);
        shell.protocol.open(row, balloon);

        QCOMPARE(shell.figure->pos(), movedTo == kNoMove ? figureAt : movedTo);
        QTEST(shell.figure->isVisible(), "shownAfter");
        QCOMPARE(shell.cues.count(QStringLiteral("PomocnikStart.wav")), greetings);
        if (greetings > 0)
            QCOMPARE(shell.settings.read(Settings::kAssistantKey), QStringLiteral("1"));
        QVERIFY(balloon.isVisible());
        QTEST(balloon.pos(), "dialogAt");
        QVERIFY(!shell.mainWindow.isEnabled() && !shell.figure->isEnabled());
    }

    // The figure's show and close keep "Pomocnik" in step with what the
    // player sees, each with its cue.
    void figureGreetsAndSaysGoodbye()
    {
        ShellFixture shell;
        QCOMPARE(shell.figure->pos(), QPoint(684, 666));
        QSignalSpy closed(shell.figure.get(), &AssistantFigure::closed);
        shell.figure->show();
        QCOMPARE(shell.settings.read(Settings::kAssistantKey), QStringLiteral("1"));
        QTest::keyClick(shell.figure.get(), Qt::Key_F4, Qt::AltModifier);
        QVERIFY(shell.figure->isHidden());
        QCOMPARE(shell.settings.read(Settings::kAssistantKey), QStringLiteral("0"));
        QCOMPARE(closed.count(), 1);
        QCOMPARE(shell.cues, (QStringList{QStringLiteral("PomocnikStart.wav"), QStringLiteral("PomocnikKonec.wav")}));
        shell.figure->close(); // closing a closed figure writes nothing
        QCOMPARE(shell.cues.size(), 2);
    }

    void figureOpensTheWelcomeOnlyWhileEnabled()
    {
        ShellFixture shell;
        shell.figure->show();
        QSignalSpy clicks(shell.figure.get(), &AssistantFigure::doubleClicked);
        ShapedPicture& picture = shell.figure->shapedPicture();
        QTest::mouseDClick(&picture, Qt::LeftButton, Qt::NoModifier, QPoint(52, 52));
        QCOMPARE(clicks.count(), 1);
        shell.owners.disable();
        QTest::mouseDClick(&picture, Qt::LeftButton, Qt::NoModifier, QPoint(52, 52));
        QCOMPARE(clicks.count(), 1);
    }

    // A control without a hint of its own shows its parent's; the pointer
    // going back to the parent brings the parent's back; menus tell theirs.
    void hintFollowsThePointerAndTheMenus()
    {
        QWidget window;
        window.setStatusTip(QStringLiteral("okno"));
        auto* panel = new QWidget(&window);
        auto* withHint = new QWidget(panel);
        withHint->setStatusTip(QStringLiteral("tlačítko"));
        auto* withoutHint = new QWidget(panel);
        QMenu menu;

        HintWatcher watcher;
        QSignalSpy changes(&watcher, &HintWatcher::hintChanged);
        QEvent enter(QEvent::Enter), leave(QEvent::Leave);
        QCoreApplication::sendEvent(withHint, &enter);
        QCOMPARE(watcher.hint(), QStringLiteral("tlačítko"));
        QCoreApplication::sendEvent(withHint, &leave);
        QCOMPARE(watcher.hint(), QStringLiteral("okno"));
        QCoreApplication::sendEvent(withoutHint, &enter);
        QCOMPARE(watcher.hint(), QStringLiteral("okno"));
        QStatusTipEvent tip(QStringLiteral("Zobrazí nápovědu"));
        QCoreApplication::sendEvent(&menu, &tip);
        QCOMPARE(watcher.hint(), QStringLiteral("Zobrazí nápovědu"));
        // The pointer crossing windows beneath an open menu changes nothing.
        menu.addAction(QStringLiteral("Nová hra..."));
        menu.popup(QPoint(0, 0));
        QVERIFY(QApplication::activePopupWidget());
        QCoreApplication::sendEvent(&window, &leave);
        QCoreApplication::sendEvent(withHint, &enter);
        QCOMPARE(watcher.hint(), QStringLiteral("Zobrazí nápovědu"));
        menu.close();
        QCoreApplication::sendEvent(&window, &leave);
        QCOMPARE(watcher.hint(), QString());
        // Each change once: an unchanged hint is not announced again.
        QCOMPARE(changes.count(), 4);
    }

    void manualIsFoundInAnyLetterCaseAndStartedOnItsPage()
    {
        ShellFixture shell;
        QVERIFY(!shell.manual.isPresent());
        const QString record = shell.applicationDir + QStringLiteral("started.txt");
        const QString viewer = shell.applicationDir + QStringLiteral("manualkolvex.EXE");
        // A viewer that may not be run is none; one that may is a manual.
        writeViewer(viewer, record, false);
        QVERIFY(!shell.manual.isPresent());
        writeViewer(viewer, record, true);
        QVERIFY(shell.manual.isPresent());
        writePage(shell.applicationDir + QStringLiteral("HTML/pelkor2000/index.HTM"));
        QVERIFY(shell.manual.isPresent());

        const QString elsewhere = QDir::currentPath();
        QDir::setCurrent(QDir::tempPath());
        shell.manual.start();
        QDir::setCurrent(elsewhere);
        QCOMPARE(viewerRecord(record),
                 QStringLiteral("HTML/pelkor2000/index.HTM|") + QDir(shell.applicationDir).canonicalPath());
    }

    // The manual opens in the program's language where its pages are
    // there, in Czech otherwise, in the browser and in the viewer alike.
    void manualOpensInTheProgramsLanguageOrInCzech_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("englishIndex");
        QTest::addColumn<QString>("opened");
        const QString czech = QStringLiteral("Html/Pelkor2000/Index.htm");
        QTest::newRow("English") << "en" << "Html/Pelkor2000/en/Index.htm" << "Html/Pelkor2000/en/Index.htm";
        QTest::newRow("English, any case")
            << "en" << "Html/Pelkor2000/EN/index.htm" << "Html/Pelkor2000/EN/index.htm";
        QTest::newRow("Czech beside English") << "cs" << "Html/Pelkor2000/en/Index.htm" << czech;
        QTest::newRow("English pages missing") << "en" << QString() << czech;
        QTest::newRow("English folder without its index") << "en" << "Html/Pelkor2000/en/deska.htm" << czech;
        QTest::newRow("a language with no pages") << "de" << "Html/Pelkor2000/en/Index.htm" << czech;
    }

    void manualOpensInTheProgramsLanguageOrInCzech()
    {
        QFETCH(QString, language);
        QFETCH(QString, englishIndex);
        QFETCH(QString, opened);
        ShellFixture shell;
        writePage(shell.applicationDir + QStringLiteral("Html/Pelkor2000/Index.htm"));
        if (!englishIndex.isEmpty())
            writePage(shell.applicationDir + englishIndex);
        const ManualLauncher manual(shell.applicationDir, language);
        // The test platform opens no document itself: the message names the
        // page the browser was asked for.
        try {
            manual.start();
            QFAIL("a page the desktop cannot open went unreported");
        } catch (const std::runtime_error& error) {
            const QString named = QLatin1Char('"') + shell.applicationDir + opened + QLatin1Char('"');
            QVERIFY2(QString::fromUtf8(error.what()).contains(named), error.what());
        }
        const QString record = shell.applicationDir + QStringLiteral("started.txt");
        writeViewer(shell.applicationDir + QStringLiteral("ManualKolvex.exe"), record, true);
        manual.start();
        QCOMPARE(viewerRecord(record), opened + QLatin1Char('|') + QDir(shell.applicationDir).canonicalPath());
    }

    // Without a viewer the desktop opens the page; when it cannot, the
    // player is told which page failed.
    void manualWithoutViewerOpensInTheBrowserOrSaysWhichPageFailed()
    {
        ShellFixture shell;
        const QString page = shell.applicationDir + QStringLiteral("Html/Pelkor2000/Index.htm");
        writePage(page);
        QVERIFY(shell.manual.isPresent());

        // The test platform opens no document itself.
        try {
            shell.manual.start();
            QFAIL("a page the desktop cannot open went unreported");
        } catch (const std::runtime_error& error) {
            QVERIFY(QString::fromUtf8(error.what()).contains(page));
        }
    }
};

QTEST_MAIN(AssistantTest)
#include "assistant_test.moc"
