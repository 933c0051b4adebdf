#include "app/PelikorWindows.h"
#include "dialogs/AssistantFigure.h"
#include "frame/AboutBox.h"
#include "frame/BossScreen.h"
#include "frame/HelpBalloon.h"
#include "frame/HelpTopics.h"
#include "frame/MainWindow.h"
#include "frame/StatusBar.h"
#include "frame/WelcomeBalloon.h"
#include "game/BoardPanel.h"
#include "setup/core/Games.h"
#include "tests/support/ProgramFixture.h"
#include "tests/support/TempFolder.h"
#include "widgets/LinkLabel.h"

#include <QAction>
#include <QCalendarWidget>
#include <QCheckBox>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QFontInfo>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QTreeView>

#include <algorithm>
#include <ctime>

// The whole program on a temporary application folder, its cues recorded.
using Program = ProgramFixture;

// Stands in for the desktop's browser and notes what it was asked to open.
class UrlRecorder : public QObject {
    Q_OBJECT

public:
    QList<QUrl> opened;

public slots:
    void open(const QUrl& url) { opened << url; }
};

class MainWindowTest : public QObject {
    Q_OBJECT

private slots:
    // Every command of the menus: caption, hint, key, icon and its state at start.
    void menusHoldEveryCommand_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("hint");
        QTest::addColumn<QKeySequence>("key");
        QTest::addColumn<bool>("icon");
        QTest::addColumn<bool>("enabled");
        const auto row = [](const char* name, const char* caption, const char* hint, QKeySequence key, bool icon, bool enabled) {
            QTest::newRow(name) << QString::fromUtf8(name) << QString::fromUtf8(caption) << QString::fromUtf8(hint) << key << icon << enabled;
        };
        row("fileMenuAction", "&Soubor", "Obsahuje příkazy pro spuštění a ukončení hry", {}, false, true);
        row("newGameAction", "&Nová hra...", "Zobrazí dialog pro výběr nové hry", Qt::Key_F2, true, true);
        row("endGameAction", "&Ukončit hru", "Ukončí aktuální hru", Qt::Key_F3, true, false);
        row("closeProgramAction", "Konec", "Ukončí program", {}, false, true);
        row("playMenuAction", "&Tahy", "Obsahuje příkazy pro vracení tahů a nápovědu", {}, false, true);
        row("undoAction", "&Vrátit tah", "Vezme zpět poslední tah", Qt::CTRL | Qt::Key_Z, false, false);
        row("redoAction", "&Opakovat tah", "Znovu zahraje tah, který byl vzat zpět", Qt::CTRL | Qt::Key_Y, false, false);
        row("startAgainAction", "Hrát &znovu", "Začne stejnou hru znovu od začátku", Qt::CTRL | Qt::Key_R, false, false);
        row("hintAction", "&Poradit tah", "Označí tah, který vede k nejlepšímu konci", Qt::Key_F4, false, false);
        row("wayAction", "&Cesta k nejlepšímu konci", "Zahraje zbylé tahy k nejlepšímu konci", {}, false, false);
        row("toolsMenuAction", "&Nástroje", "Obsahuje příkazy pro práci s tabulkou nejlepších", {}, false, true);
        row("bestTableAction", "&Zobrazit tabulku nejlepších...", "Zobrazí tabulku nejlepších hráčů", {}, true, true);
        row("clearBestTableAction", "&Vymazat tabulku nejlepších", "Vynuluje tabulku nejlepších hráčů", {}, false, true);
        row("bossScreenAction", "Šéfovská &pojistka", "Pojistka proti neodbytnému šéfovi", {}, true, true);
        row("helpMenuAction", "Nápo&věda", "Obsahuje příkazy pro získání nápovědy", {}, false, true);
        row("helpAction", "Nápo&věda pro Pelikor 2000", "Zobrazí nápovědu", Qt::Key_F1, true, true);
        row("manualAction", "&Elektronický manuál", "Spustí elektronický manuál programu Pelikor 2000", {}, true, true);
        row("aboutAction", "&O programu Pelikor 2000...", "Zobrazí dialog s informacemi o programu", {}, false, true);
        row("popupNewGameAction", "&Nová hra...", "Zobrazí dialog pro výběr nové hry", Qt::Key_F2, true, true);
        row("popupEndGameAction", "&Ukončit hru", "Ukončí aktuální hru", Qt::Key_F3, true, false);
    }

    void menusHoldEveryCommand()
    {
        QFETCH(QString, name);
        Program program;
        auto* action = program.main().findChild<QAction*>(name);
        QVERIFY2(action, qPrintable(name));
        QTEST(action->text(), "caption");
        QTEST(action->statusTip(), "hint");
        QTEST(action->shortcut(), "key");
        QTEST(!action->icon().isNull(), "icon");
        QTEST(action->isEnabled(), "enabled");
    }

    void frameStandsAtItsPlaces()
    {
        Program program;
        MainWindow& main = program.main();
        QCOMPARE(main.windowTitle(), QStringLiteral("Pelikor 2000"));
        QVERIFY(!(main.windowFlags() & Qt::WindowMaximizeButtonHint));
        QVERIFY(main.windowFlags() & Qt::WindowMinimizeButtonHint);
        QVERIFY(!main.windowIcon().isNull());
        QCOMPARE(main.statusTip(), QStringLiteral("Stiskněte klávesu F1 pro nápovědu"));
        QCOMPARE(main.centralWidget()->size(), QSize(402, 446));
        QStringList menus;
        for (const QAction* menu : main.menuBar()->actions())
            menus << menu->objectName();
        QCOMPARE(menus, QStringList({"fileMenuAction", "playMenuAction", "toolsMenuAction", "helpMenuAction"}));

        const std::pair<const char*, QRect> places[] = {
            {"toolbarDock", {0, 0, 402, 26}},      {"topFrame", {0, 26, 402, 3}},
            {"leftFrame", {0, 29, 3, 392}},        {"rightFrame", {399, 29, 3, 392}},
            {"bottomFrame", {0, 421, 402, 3}},     {"boardPanel", {3, 29, 396, 392}},
            {"bossScreen", {3, 29, 396, 392}},     {"statusBar", {0, 424, 402, 22}},
            {"titlePanel", {68, 40, 265, 55}},     {"idleBoard", {48, 106, 305, 300}},
            {"calendarPanel", {5, 5, 193, 169}},   {"folderPanel", {200, 5, 190, 169}},
            {"chartPanel", {5, 180, 385, 205}},    {"statusPicture", {2, 3, 18, 18}},
            {"toolbarSpacer", {106, 0, 271, 26}},
        };
        for (const auto& [name, place] : places)
            QCOMPARE(program.child<QWidget>(name)->geometry(), place);
        // The toolbar's buttons, left to right, each with its hint as a tooltip.
        int left = 0;
        for (const char* name : {"newGameButton", "endGameButton", "bestTableButton", "bossScreenButton", "manualButton"}) {
            auto* button = program.child<QToolButton>(name);
            QCOMPARE(button->size(), QSize(23, 22));
            QVERIFY(button->x() > left);
            left = button->x();
            QCOMPARE(button->toolTip(), button->statusTip());
            QVERIFY(!button->icon().isNull());
        }
        QVERIFY(!program.child<QToolButton>("endGameButton")->isEnabled());
        QCOMPARE(program.child<QToolButton>("manualButton")->geometry().right(), 399);
        // The count and its label lie inside the status bar's last panel.
        const auto* status = program.child<StatusBar>("statusBar");
        for (const char* name : {"remainingCaption", "remainingLabel"})
            QVERIFY(status->panelRect(1).contains(program.child<QWidget>(name)->geometry()));
    }

    void statusBarShowsTheHintAfterSixSpaces()
    {
        Program program;
        program.start();
        auto* status = program.child<StatusBar>("statusBar");
        QEvent enter(QEvent::Enter);
        QCoreApplication::sendEvent(program.child<QToolButton>("bestTableButton"), &enter);
        QCOMPARE(status->panelText(), QStringLiteral("      Zobrazí tabulku nejlepších hráčů"));
        // Also from another window of the program: the help balloon's links.
        QCoreApplication::sendEvent(program.windows->helpBalloon().findChild<LinkLabel*>(QStringLiteral("leaveLink")), &enter);
        QCOMPARE(status->panelText(), QStringLiteral("      Uzavře dialogové okno s nápovědou"));
        // A disabled menu item under the pointer still tells what it does.
        auto* fileMenu = program.main().findChild<QMenu*>(QStringLiteral("fileMenu"));
        auto* endGame = program.child<QAction>("endGameAction");
        QVERIFY(!endGame->isEnabled());
        fileMenu->popup(program.main().geometry().center());
        QVERIFY(QTest::qWaitForWindowExposed(fileMenu));
        QTest::mouseMove(fileMenu, fileMenu->actionGeometry(endGame).center());
        QCOMPARE(status->panelText(), QStringLiteral("      Ukončí aktuální hru"));
        fileMenu->close();
    }

    // The boss screen hides the client area and the counter and renames the
    // window; a game behind it comes back as it was.
    void bossScreenHidesAndRestores_data()
    {
        QTest::addColumn<bool>("withGame");
        QTest::newRow("idle") << false;
        QTest::newRow("game in progress") << true;
    }

    void bossScreenHidesAndRestores()
    {
        QFETCH(bool, withGame);
        const QString startFolder = QDir::currentPath();
        Program program;
        program.start();
        // A sound cue moves the current directory to the application folder.
        QDir::setCurrent(program.applicationDir);
        MainWindow& main = program.main();
        if (withGame) {
            const pelikor::GameLayout standard = pelikor::standardLayout();
            main.startGame(standard.occupied, standard.game);
            main.boardPanel().selectPeg(5);
            main.boardPanel().jumpInto(17);
            main.boardPanel().selectPeg(12);
        }
        const pelikor::Board before = main.boardPanel().board();
        auto* remainingLabel = program.child<QLabel>("remainingLabel");
        const QString count = remainingLabel->text();

        program.child<QToolButton>("bossScreenButton")->click();
        QCOMPARE(main.windowTitle(), QStringLiteral("Plnění plánu v letošním roce"));
        QVERIFY(program.child<BossScreen>("bossScreen")->isVisible());
        QVERIFY(main.boardPanel().isHidden());
        QVERIFY(program.child<QLabel>("remainingCaption")->isHidden());
        QVERIFY(remainingLabel->isHidden());
        QTreeView* tree = program.child<BossScreen>("bossScreen")->folderTree();
        QCOMPARE(tree->currentIndex().data(QFileSystemModel::FilePathRole).toString(), startFolder);
        auto* calendar = program.child<QCalendarWidget>("calendar");
        QCOMPARE(calendar->selectedDate(), QDate::currentDate());
        // Made at the first showing, the calendar still comes before the tree with Tab.
        QList<QWidget*> chain;
        for (QWidget* next = main.nextInFocusChain(); next != &main; next = next->nextInFocusChain())
            chain << next;
        QVERIFY(chain.contains(calendar) && chain.indexOf(calendar) < chain.indexOf(tree));
        QDir::setCurrent(startFolder);
        QTest::qWait(10); // the monitor keeps ticking behind the screen

        program.child<QAction>("bossScreenAction")->trigger();
        QCOMPARE(main.windowTitle(), QStringLiteral("Pelikor 2000"));
        QVERIFY(program.child<BossScreen>("bossScreen")->isHidden());
        QVERIFY(program.child<QLabel>("remainingCaption")->isVisible());
        QCOMPARE(main.boardPanel().isVisible(), withGame);
        QCOMPARE(remainingLabel->isVisible(), withGame);
        QCOMPARE(remainingLabel->text(), count);
        QCOMPARE(main.boardPanel().board().pegs(), before.pegs());
        QCOMPARE(main.boardPanel().board().selected(), before.selected());
    }

    // Started in a folder of 50,000 files beside 3,000 folders, the boss
    // screen comes up and fills its folder tree without holding the window
    // up for more than 50 ms of work at a time.
    void bossScreenNeverStallsInAFullFolder()
    {
        constexpr int kFiles = 50000;
        constexpr int kFolders = 3000;
        // In memory: the disk would take longer over the files than the
        // program, and it is not what is tried.
        const TempFolder memory(Medium::Memory);
        const QDir full(QString::fromStdString(memory.path().string()));
        for (int n = 0; n < kFiles; ++n)
            QFile(full.filePath(QStringLiteral("soubor %1.txt").arg(n))).open(QIODevice::WriteOnly);
        for (int n = 0; n < kFolders; ++n)
            QDir(full.path()).mkdir(QStringLiteral("složka %1").arg(n));
        const QString startFolder = full.filePath(QStringLiteral("složka 1500"));
        const QString before = QDir::currentPath();
        QDir::setCurrent(startFolder);
        Program program;
        QDir::setCurrent(before);
        program.start();

        // Work is counted in the main thread's own time, which the other
        // programs of a busy machine do not add to.
        const auto workMs = [] {
            timespec now{};
            clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
            return now.tv_sec * 1000.0 + now.tv_nsec / 1e6;
        };
        double longest = 0;
        double last = workMs();
        QTimer beat;
        beat.setInterval(5);
        QObject::connect(&beat, &QTimer::timeout, [&] {
            longest = std::max(longest, workMs() - last);
            last = workMs();
        });
        beat.start();
        program.child<QToolButton>("bossScreenButton")->click();
        longest = std::max(longest, workMs() - last);
        QTreeView* tree = program.child<BossScreen>("bossScreen")->folderTree();
        // The start folder's neighbours before it come by themselves; those
        // after it as the tree scrolls down to them.
        QTRY_VERIFY_WITH_TIMEOUT(tree->currentIndex().row() > 0, 20000);
        const QModelIndex crowded = tree->currentIndex().parent();
        QCOMPARE(tree->currentIndex().data(QFileSystemModel::FilePathRole).toString(), startFolder);
        QTRY_VERIFY_WITH_TIMEOUT((tree->scrollToBottom(), tree->model()->rowCount(crowded) == kFolders), 20000);
        QVERIFY2(longest <= 50, qPrintable(QStringLiteral("%1 ms of work at once").arg(longest)));
    }

    // Ending the program takes the figure along without switching it off;
    // while a dialog is open, the main window cannot be closed at all.
    void closeProgramEndsTheProgramAndKeepsTheFigureOn()
    {
        Program program(QStringLiteral("[Nastaveni]\nPomocnik=1\nUvitani=1\n"));
        program.start();
        QVERIFY(program.welcome().isVisible());
        QVERIFY(!program.main().close());
        QVERIFY(!program.figure().close());
        QVERIFY(program.main().isVisible() && program.figure().isVisible());

        QTest::keyClick(&program.welcome(), Qt::Key_Escape);
        program.cues.clear();
        program.child<QAction>("closeProgramAction")->trigger();
        QVERIFY(program.main().isHidden());
        // What the application's quit does to every window still open.
        QVERIFY(program.figure().close());
        QCOMPARE(program.setting(Settings::kAssistantKey), QStringLiteral("1"));
        QVERIFY(!program.cues.contains(QStringLiteral("PomocnikKonec.wav")));
    }

    // What the first show opens, by the two settings.
    void firstShowDecidesAboutFigureAndWelcome_data()
    {
        QTest::addColumn<QString>("settings");
        QTest::addColumn<bool>("figure");
        QTest::addColumn<bool>("welcome");
        QTest::newRow("no settings file") << QString() << false << false;
        QTest::newRow("figure closed") << "[Nastaveni]\nPomocnik=0\nUvitani=1\n" << false << false;
        QTest::newRow("figure, no welcome") << "[Nastaveni]\nPomocnik=1\nUvitani=0\n" << true << false;
        QTest::newRow("figure and welcome") << "[nastaveni]\r\nPOMOCNIK = 1\r\nuvitani=1\r\n" << true << true;
        QTest::newRow("a word is neither") << "[Nastaveni]\nPomocnik=ano\nUvitani=1\n" << false << false;
    }

    void firstShowDecidesAboutFigureAndWelcome()
    {
        QFETCH(QString, settings);
        QFETCH(bool, figure);
        QFETCH(bool, welcome);
        Program program(settings);
        program.start();
        QCOMPARE(program.figure().isVisible(), figure);
        QCOMPARE(program.welcome().isVisible(), welcome);
        QCOMPARE(program.main().isEnabled(), !welcome);
        if (welcome)
            QVERIFY(program.welcome().findChild<QCheckBox*>(QStringLiteral("showAtStartBox"))->isChecked());
    }

    // The manual is offered by its three entry points and its help topic
    // exactly while its page is there; with no viewer, each entry point
    // asks the desktop for the page's own address.
    void manualIsOfferedWhileItsPageIsThereAndOpensInTheBrowser()
    {
        for (bool present : {false, true}) {
            Program program;
            const QString page = program.applicationDir + QStringLiteral("Html/Pelkor2000/Index.htm");
            if (present) {
                QDir().mkpath(QFileInfo(page).path());
                QFile(page).open(QIODevice::WriteOnly);
            }
            program.start();
            auto* menu = program.child<QAction>("manualAction");
            auto* toolbar = program.child<QToolButton>("manualButton");
            auto* welcome = program.welcome().findChild<LinkLabel*>(QStringLiteral("manualLink"));
            auto* topic = program.windows->helpBalloon().findChild<LinkLabel*>(QStringLiteral("manualTopicLink"));
            QCOMPARE(menu->isEnabled(), present);
            QCOMPARE(toolbar->isEnabled(), present);
            QCOMPARE(welcome->isEnabled(), present);
            QCOMPARE(topic->isEnabled(), present);
            if (!present)
                continue;

            UrlRecorder desktop;
            QDesktopServices::setUrlHandler(QStringLiteral("file"), &desktop, "open");
            menu->trigger();
            toolbar->click();
            emit welcome->clicked();
            QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
            QCOMPARE(desktop.opened, QList<QUrl>(3, QUrl::fromLocalFile(page)));
        }
    }

    // The welcome dialog remembers its check box when left by a link or a
    // key, not when the window system closes it.
    void welcomeWritesItsSettingOnlyWhenLeft()
    {
        Program program(QStringLiteral("[Nastaveni]\nPomocnik=1\nUvitani=1\n"));
        program.start();
        WelcomeBalloon& welcome = program.welcome();
        auto* checkBox = welcome.findChild<QCheckBox*>(QStringLiteral("showAtStartBox"));
        checkBox->setChecked(false);
        QTest::keyClick(checkBox, Qt::Key_Return);
        QVERIFY(welcome.isHidden());
        QCOMPARE(program.setting("Uvitani"), QStringLiteral("0"));
        QVERIFY(program.main().isEnabled());

        emit program.figure().doubleClicked(); // a double-click on the figure
        QVERIFY(welcome.isVisible());
        QVERIFY(!checkBox->isChecked());
        checkBox->setChecked(true);
        welcome.close();
        QCOMPARE(program.setting("Uvitani"), QStringLiteral("0"));
        QVERIFY(program.main().isEnabled() && program.figure().isEnabled());

        emit program.figure().doubleClicked();
        checkBox->setChecked(true);
        QTest::keyClick(&welcome, Qt::Key_Escape);
        QCOMPARE(program.setting("Uvitani"), QStringLiteral("1"));

        emit program.figure().doubleClicked();
        welcome.openHelp();
        QVERIFY(welcome.isHidden());
        HelpBalloon& help = program.windows->helpBalloon();
        QVERIFY(help.isVisible());
        QVERIFY(help.findChild<QWidget*>(QStringLiteral("topicList"))->isVisible());
        QVERIFY(!program.main().isEnabled());
    }

    void helpOpensOnItsTopicListAndOnlyEscLeavesIt()
    {
        Program program;
        program.start();
        program.child<QAction>("helpAction")->trigger();
        HelpBalloon& help = program.windows->helpBalloon();
        auto* title = help.findChild<QLabel*>(QStringLiteral("titleLabel"));
        auto* list = help.findChild<QWidget*>(QStringLiteral("topicList"));
        QVERIFY(help.isVisible());
        QVERIFY(program.figure().isVisible()); // no setting: the figure comes with the help
        QCOMPARE(title->text(), QStringLiteral("Seznam témat nápovědy"));

        const char* const links[] = {"manualTopicLink", "howToPlayTopicLink", "newGameTopicLink", "bossScreenTopicLink",
                                     "bestTableTopicLink", "endGameTopicLink", "purposeTopicLink"};
        int previousTop = -1;
        for (const char* name : links) {
            auto* link = list->findChild<LinkLabel*>(QLatin1String(name));
            QVERIFY(link->y() > previousTop);
            previousTop = link->y();
        }
        QTest::mouseClick(list->findChild<LinkLabel*>(QStringLiteral("bossScreenTopicLink")), Qt::LeftButton);
        QCOMPARE(title->text(), QStringLiteral("Šéfovská pojistka"));
        QVERIFY(help.findChild<QLabel*>(QStringLiteral("textLabel"))->text().contains(QStringLiteral("a Vy  nechcete")));
        QVERIFY(!help.findChild<QLabel*>(QStringLiteral("informationLabel"))->text().isEmpty());
        QVERIFY(list->isHidden());
        QTest::mouseClick(list->findChild<LinkLabel*>(QStringLiteral("purposeTopicLink")), Qt::LeftButton); // hidden: nothing
        QTest::keyClick(&help, Qt::Key_Return);
        QVERIFY(help.isVisible());
        QTest::keyClick(&help, Qt::Key_Escape);
        QVERIFY(help.isHidden());
        QVERIFY(program.main().isEnabled());

        program.child<QAction>("helpAction")->trigger();
        QVERIFY(list->isVisible());
        QCOMPARE(title->text(), QStringLiteral("Seznam témat nápovědy"));
    }

    // Every topic's text and information show whole above their rules in
    // the dialog's own font, hinted as fontconfig says or fully; the links
    // stay in place.
    void helpTopicsShowWhole_data()
    {
        QTest::addColumn<int>("topic");
        QTest::addColumn<int>("hinting");
        for (int topic = 0; topic < int(helpTopics().size()); ++topic)
            for (int hinting : {QFont::PreferDefaultHinting, QFont::PreferFullHinting})
                QTest::addRow("%s, hinting %d", helpTopics()[std::size_t(topic)].title.toUtf8().constData(), hinting)
                    << topic << hinting;
    }

    void helpTopicsShowWhole()
    {
        QFETCH(int, topic);
        QFETCH(int, hinting);
        Program program;
        HelpBalloon& help = program.windows->helpBalloon();
        QFont font = help.font();
        font.setHintingPreference(QFont::HintingPreference(hinting));
        help.setFont(font);
        QCOMPARE(QFontInfo(font).family(), QStringLiteral("Liberation Serif"));
        help.showTopic(topic);
        const auto place = [&help](const char* name) { return help.findChild<QWidget*>(QLatin1String(name))->geometry(); };
        for (const auto& [name, rule] : {std::pair{"textLabel", "textRule"}, {"informationLabel", "linksRule"}}) {
            auto* label = help.findChild<QLabel*>(QLatin1String(name));
            const QRect needs = label->fontMetrics().boundingRect(QRect(0, 0, label->width(), 1000),
                                                                  int(label->alignment()) | Qt::TextWordWrap, label->text());
            QVERIFY2(label->text().isEmpty() || needs.height() <= label->height(),
                     qPrintable(QStringLiteral("%1 needs %2 of %3").arg(name).arg(needs.height()).arg(label->height())));
            QVERIFY(label->geometry().bottom() < place(rule).top());
        }
        QCOMPARE(place("linksRule"), QRect(6, 250, 233, 2));
        QCOMPARE(place("topicListLink").topLeft(), QPoint(6, 256));
    }

    void aboutLeavesAHiddenFigureHidden()
    {
        Program program;
        program.start();
        AboutBox& about = program.windows->aboutBox();
        for (bool fromButton : {false, true}) {
            program.child<QAction>("aboutAction")->trigger();
            QVERIFY(about.isVisible());
            QVERIFY(!program.main().isEnabled() && !program.figure().isEnabled());
            QWidget* target = fromButton ? static_cast<QWidget*>(about.findChild<QPushButton*>(QStringLiteral("okButton"))) : &about;
            QTest::keyClick(target, fromButton ? Qt::Key_Return : Qt::Key_Escape);
            QVERIFY(about.isHidden());
            QVERIFY(program.main().isEnabled() && program.figure().isEnabled());
            QVERIFY(program.figure().isHidden());
        }
    }
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
