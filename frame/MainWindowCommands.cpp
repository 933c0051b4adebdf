#include "frame/MainWindow.h"

#include "pictures/CommandIcons.h"
#include "widgets/Background.h"

#include <QApplication>
#include <QFrame>
#include <QMenuBar>
#include <QPixmap>
#include <QToolButton>

#include <utility>

// The main window's commands: the main menu, the pop-up menu and the
// toolbar, each bound to its handler.

namespace {

// The commands the toolbar repeats, by their menu captions and hints.
const char* const kNewGameCaption = QT_TRANSLATE_NOOP("MainWindow", "&Nová hra...");
const char* const kEndGameCaption = QT_TRANSLATE_NOOP("MainWindow", "&Ukončit hru");
const char* const kTableCaption = QT_TRANSLATE_NOOP("MainWindow", "&Zobrazit tabulku nejlepších...");
const char* const kBossCaption = QT_TRANSLATE_NOOP("MainWindow", "Šéfovská &pojistka");
const char* const kManualCaption = QT_TRANSLATE_NOOP("MainWindow", "&Elektronický manuál");
const char* const kNewGameHint = QT_TRANSLATE_NOOP("MainWindow", "Zobrazí dialog pro výběr nové hry");
const char* const kEndGameHint = QT_TRANSLATE_NOOP("MainWindow", "Ukončí aktuální hru");
const char* const kTableHint = QT_TRANSLATE_NOOP("MainWindow", "Zobrazí tabulku nejlepších hráčů");
const char* const kBossHint = QT_TRANSLATE_NOOP("MainWindow", "Pojistka proti neodbytnému šéfovi");

constexpr QSize kToolButtonSize(23, 22);
constexpr int kToolbarMargin = 2;
constexpr int kSeparatorWidth = 6;
constexpr int kSpacerWidth = 271;

// One command of the menus: its caption, hint, shortcut, command icon (or
// none) and whether it is enabled at start.
struct Command {
    QString caption;
    QString hint;
    QKeySequence shortcut;
    int icon;
    bool enabled;
};

constexpr int kNoIcon = -1;

// A command icon, sharp at the screen's pixel ratio.
QIcon commandIconAt(int index)
{
    return QIcon(QPixmap::fromImage(pictures::commandIcon(index, qApp->devicePixelRatio())));
}

QAction* describe(QAction* action, const Command& command)
{
    action->setText(command.caption);
    action->setStatusTip(command.hint);
    action->setShortcut(command.shortcut);
    if (command.icon != kNoIcon)
        action->setIcon(commandIconAt(command.icon));
    action->setEnabled(command.enabled);
    return action;
}

void addSeparator(QMenu* menu, const char* name)
{
    menu->addSeparator()->setObjectName(QLatin1String(name));
}

} // namespace

QMenu* MainWindow::addSubmenu(const char* name, const QString& caption, const QString& hint)
{
    QMenu* menu = menuBar()->addMenu(caption);
    menu->setObjectName(QLatin1String(name));
    menu->menuAction()->setObjectName(QLatin1String(name) + QStringLiteral("Action"));
    menu->menuAction()->setStatusTip(hint);
    return menu;
}

QAction* MainWindow::addCommand(QMenu* menu, const char* name, void (MainWindow::*handler)())
{
    QAction* action = menu->addAction(QString());
    action->setObjectName(QLatin1String(name));
    if (handler)
        connect(action, &QAction::triggered, this, handler);
    return action;
}

void MainWindow::createMenus()
{
    menuBar()->setObjectName(QStringLiteral("menuBar"));
    QMenu* fileMenu =
        addSubmenu("fileMenu", tr("&Soubor"), tr("Obsahuje příkazy pro spuštění a ukončení hry"));
    newGameAction_ = describe(addCommand(fileMenu, "newGameAction", &MainWindow::newGameRequested),
                              {tr(kNewGameCaption), tr(kNewGameHint), Qt::Key_F2, 0, true});
    endGameAction_ = describe(addCommand(fileMenu, "endGameAction", &MainWindow::endGameRequested),
                              {tr(kEndGameCaption), tr(kEndGameHint), Qt::Key_F3, 7, false});
    addSeparator(fileMenu, "fileSeparator");
    describe(addCommand(fileMenu, "closeProgramAction", &MainWindow::closeProgram),
             {tr("Konec"), tr("Ukončí program"), {}, kNoIcon, true});

    QMenu* toolsMenu = addSubmenu("toolsMenu", tr("&Nástroje"), tr("Obsahuje příkazy pro práci s tabulkou nejlepších"));
    describe(addCommand(toolsMenu, "bestTableAction", &MainWindow::tableRequested),
             {tr(kTableCaption), tr(kTableHint), {}, 1, true});
    describe(addCommand(toolsMenu, "clearBestTableAction", &MainWindow::clearTableRequested),
             {tr("&Vymazat tabulku nejlepších"), tr("Vynuluje tabulku nejlepších hráčů"), {}, kNoIcon, true});
    addSeparator(toolsMenu, "toolsSeparator");
    describe(addCommand(toolsMenu, "bossScreenAction", &MainWindow::toggleBossScreen),
             {tr(kBossCaption), tr(kBossHint), {}, 8, true});

    QMenu* helpMenu =
        addSubmenu("helpMenu", tr("Nápo&věda"), tr("Obsahuje příkazy pro získání nápovědy"));
    describe(addCommand(helpMenu, "helpAction", &MainWindow::helpRequested),
             {tr("Nápo&věda pro Pelikor 2000"), tr("Zobrazí nápovědu"), Qt::Key_F1, 2, true});
    manualAction_ = describe(addCommand(helpMenu, "manualAction", &MainWindow::startManual),
                             {tr(kManualCaption),
                              tr("Spustí elektronický manuál programu Pelikor 2000"), {}, 4, true});
    addSeparator(helpMenu, "helpSeparator");
    describe(addCommand(helpMenu, "aboutAction", &MainWindow::aboutRequested),
             {tr("&O programu Pelikor 2000..."), tr("Zobrazí dialog s informacemi o programu"), {}, kNoIcon, true});

    // The pop-up menu repeats the game commands; their keys belong to the
    // main menu, so the pop-up only shows them.
    popupMenu_ = new QMenu(this);
    popupMenu_->setObjectName(QStringLiteral("popupMenu"));
    popupNewGameAction_ = describe(addCommand(popupMenu_, "popupNewGameAction", &MainWindow::newGameRequested),
                                   {tr(kNewGameCaption), tr(kNewGameHint), Qt::Key_F2, 0, true});
    popupEndGameAction_ = describe(addCommand(popupMenu_, "popupEndGameAction", &MainWindow::endGameRequested),
                                   {tr(kEndGameCaption), tr(kEndGameHint), Qt::Key_F3, 7, false});
    for (QAction* shown : {popupNewGameAction_, popupEndGameAction_})
        shown->setShortcutContext(Qt::WidgetShortcut);
}

QToolButton* MainWindow::addToolButton(QWidget* bar, const char* name, int left, void (MainWindow::*handler)())
{
    auto* button = new QToolButton(bar);
    button->setObjectName(QLatin1String(name));
    button->setGeometry(QRect(QPoint(left, (kDockHeight - kToolButtonSize.height()) / 2), kToolButtonSize));
    button->setAutoRaise(true);
    button->setFocusPolicy(Qt::NoFocus);
    connect(button, &QToolButton::clicked, this, handler);
    return button;
}

void MainWindow::createToolbar(QWidget* client)
{
    auto* dock = new QFrame(client);
    dock->setObjectName(QStringLiteral("toolbarDock"));
    dock->setGeometry(0, 0, kClientSize.width(), kDockHeight);
    setBackground(dock, kClSilver);
    auto* bar = new QFrame(dock);
    bar->setObjectName(QStringLiteral("toolbar"));
    bar->setGeometry(dock->rect());
    bar->setFrameStyle(QFrame::Panel | QFrame::Raised);

    // A screen reader names a button by its command and reads its hint after.
    const auto describe = [](QToolButton* button, int icon, const QString& caption, const QString& hint, bool enabled) {
        button->setIcon(commandIconAt(icon));
        button->setToolTip(hint);
        button->setStatusTip(hint);
        button->setAccessibleName(QString(caption).remove(QLatin1Char('&')));
        button->setAccessibleDescription(hint);
        button->setEnabled(enabled);
        return button;
    };
    const auto separator = [bar](const char* name, int left) {
        auto* line = new QFrame(bar);
        line->setObjectName(QLatin1String(name));
        line->setFrameStyle(QFrame::VLine | QFrame::Sunken);
        line->setGeometry(left, (kDockHeight - kToolButtonSize.height()) / 2, kSeparatorWidth, kToolButtonSize.height());
    };
    int left = kToolbarMargin;
    const auto next = [&left](int width) { return std::exchange(left, left + width); };
    newGameButton_ = describe(
        addToolButton(bar, "newGameButton", next(kToolButtonSize.width()), &MainWindow::newGameRequested), 0,
        tr(kNewGameCaption), tr(kNewGameHint), true);
    endGameButton_ = describe(addToolButton(bar, "endGameButton", next(kToolButtonSize.width()), &MainWindow::endGameRequested), 7,
                              tr(kEndGameCaption), tr(kEndGameHint), false);
    separator("gameButtonsSeparator", next(kSeparatorWidth));
    describe(addToolButton(bar, "bestTableButton", next(kToolButtonSize.width()), &MainWindow::tableRequested), 1,
             tr(kTableCaption), tr(kTableHint), true);
    separator("bestTableSeparator", next(kSeparatorWidth));
    describe(addToolButton(bar, "bossScreenButton", next(kToolButtonSize.width()), &MainWindow::toggleBossScreen),
             8, tr(kBossCaption), tr(kBossHint), true);
    auto* spacer = new QWidget(bar);
    spacer->setObjectName(QStringLiteral("toolbarSpacer"));
    spacer->setGeometry(next(kSpacerWidth), 0, kSpacerWidth, kDockHeight);
    manualButton_ = describe(addToolButton(bar, "manualButton", next(kToolButtonSize.width()), &MainWindow::startManual),
                             4, tr(kManualCaption), tr("Elektronický manuál"), true);
}
