#pragma once

#include "game/core/Monitor.h"
#include "game/core/Positions.h"
#include "setup/core/RunningGame.h"

#include <QMainWindow>
#include <QString>

#include <optional>

class BoardPanel;
class BossScreen;
class GradientText;
class QAction;
class QLabel;
class QMenu;
class QTimer;
class QToolButton;
class StatusBar;
struct Services;

// The main window: the idle screen, the board panel and the boss screen in
// its client area, the menus, the toolbar and the status bar around them,
// and the game monitor, whose timer runs a check whenever one of its inputs
// may have changed. Commands that open other windows are announced by
// signals, which the owner of all windows connects.
class MainWindow : public QMainWindow {
    Q_OBJECT

public:
    static constexpr QSize kClientSize{402, 446};

    explicit MainWindow(Services& services, QWidget* parent = nullptr);

    BoardPanel& boardPanel() { return *boardPanel_; }
    int startCount() const { return game_.startCount(); }
    // Whether a game runs: the end-game command is enabled exactly then.
    bool gameRunning() const { return game_.runs(); }
    // The running game as the result dialogs receive it.
    pelikor::GameResult gameResult() const { return game_.result(); }

    // Lays a game on the board the way every start does: the pegs and
    // twins of `occupied`, the start count, the commands switched to a
    // running game, the game code, the remaining count, the board shown.
    void startGame(pelikor::PositionSet occupied, const pelikor::Game& game);

    // The game code ("0" when none) and the remaining count as the window
    // shows them.
    QString gameCode() const;
    QString remainingText() const;

    // The end of a game by its result: no selection, the board hidden, the
    // new-game commands enabled, the count "0".
    void returnToIdle();
    // The result dialog gone: the board refilled, the count hidden.
    void refillAfterResult();
    // A game given up: as returnToIdle, the count hidden and no game code.
    void abandonGame();

    // The handlers of the commands, bound to their menu items, pop-up
    // items and toolbar buttons.
    void showNewGameChooser();
    void giveUp();
    void closeProgram();
    void showBestTable();
    void clearBestTable();
    void toggleBossScreen();
    void showHelp();
    void startManual();
    void showAbout();

    // Sets status panel 0 to the hint, after six spaces that keep it clear
    // of the status bar's picture.
    void showHint(const QString& hint);

    // One check of the game monitor: a tick, unless none of its inputs
    // changed since the last one.
    void checkGame();
    // Has the monitor check at the next turn of the event loop, after the
    // paints of what just changed.
    void armMonitor();
    // A window the hand-off of a finished game reads or keeps in front (the
    // figure, the result dialogs, the active window) changed.
    void handOffWindowsChanged();

signals:
    // A tick found the game finished; `assistantSetting` is the value of
    // "Pomocnik" that tick read.
    void gameFinished(pelikor::Outcome outcome, const QString& assistantSetting);
    // A game was laid with this many pegs.
    void gameStarted(int startCount);

    void newGameRequested();
    void endGameRequested();
    void tableRequested();
    void clearTableRequested();
    void helpRequested();
    void aboutRequested();
    // The first show decided that the welcome dialog opens.
    void welcomeRequested();
    // The first show found the electronic manual present or missing.
    void manualTested(bool present);

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The toolbar dock across the top of the client area.
    static constexpr int kDockHeight = 26;

    // Everything a tick and its hand-off read: a check that finds all of it
    // as the last one did would only repeat that one.
    struct MonitorInputs {
        pelikor::PositionSet pegs;
        bool boardShown;
        bool gameRunning;
        QString assistantSetting;
        unsigned long handOffWindows;
        bool operator==(const MonitorInputs&) const = default;
    };

    // The first show's steps, once the window is on screen: the manual
    // tested, the figure or the welcome opened as the settings say.
    void afterShow();
    void createMenus();
    void createToolbar(QWidget* client);
    void createFramePanels(QWidget* client);
    void createIdleScreen(QWidget* client);
    void createStatusBar(QWidget* client);
    QAction* addCommand(QMenu* menu, const char* name, void (MainWindow::*handler)());
    QToolButton* addToolButton(QWidget* bar, const char* name, int left, void (MainWindow::*handler)());
    // Makes the commands, the game code and the count show the running game.
    void showGame();
    // Enables the new-game or the end-game commands, whichever fit.
    void switchCommands(bool running);
    void showRemaining();
    // The board's count changed: a jump, a new game.
    void remainingChanged(int remaining);
    void watchMonitorInputs();

    Services& services_;
    pelikor::RunningGame game_;
    std::optional<MonitorInputs> checked_;
    unsigned long handOffWindows_ = 0;
    pelikor::Outcome lastOutcome_ = pelikor::Outcome::Nothing;

    QMenu* popupMenu_ = nullptr;
    QAction* newGameAction_ = nullptr;
    QAction* endGameAction_ = nullptr;
    QAction* manualAction_ = nullptr;
    QAction* popupNewGameAction_ = nullptr;
    QAction* popupEndGameAction_ = nullptr;
    QToolButton* newGameButton_ = nullptr;
    QToolButton* endGameButton_ = nullptr;
    QToolButton* manualButton_ = nullptr;

    QWidget* titlePanel_ = nullptr;
    GradientText* nameTitle_ = nullptr;
    GradientText* versionTitle_ = nullptr;
    QLabel* idleBoard_ = nullptr;
    BoardPanel* boardPanel_ = nullptr;
    BossScreen* bossScreen_ = nullptr;
    StatusBar* statusBar_ = nullptr;
    QLabel* statusPicture_ = nullptr;
    QLabel* remainingCaption_ = nullptr;
    QLabel* remainingLabel_ = nullptr;
    QTimer* monitorTimer_ = nullptr;
};
