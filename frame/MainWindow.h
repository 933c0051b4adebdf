#pragma once

#include "game/core/Monitor.h"
#include "game/core/Positions.h"
#include "setup/core/RunningGame.h"

#include <QMainWindow>
#include <QString>


class BoardPanel;
class BossScreen;
class GameMonitor;
class QAction;
class QLabel;
class QMenu;
class QToolButton;
class StatusBar;
struct Services;

// The main window: the idle screen, the board panel and the boss screen in
// its client area, the menus, the toolbar and the status bar around them,
// and the game monitor that watches the board. Commands that open other
// windows are announced by signals, which the owner of all windows connects.
class MainWindow : public QMainWindow {
    Q_OBJECT

public:
    static constexpr QSize kClientSize{402, 446};

    explicit MainWindow(Services& services, QWidget* parent = nullptr);
    ~MainWindow() override;

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

    // The commands that act here rather than in another window, bound to
    // their menu items and toolbar buttons.
    void closeProgram();
    void toggleBossScreen();
    void startManual();

    // Sets status panel 0 to the hint, after six spaces that keep it clear
    // of the status bar's picture.
    void showHint(const QString& hint);

    GameMonitor& monitor() { return *monitor_; }

signals:
    // A tick found the game finished; `assistantSetting` is the value of
    // "Pomocnik" that tick read.
    void gameFinished(pelikor::Outcome outcome, const QString& assistantSetting);
    // A game was laid with this many pegs.
    void gameStarted(int startCount);

    // The commands that open another window.
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

private:
    // The toolbar dock across the top of the client area.
    static constexpr int kDockHeight = 26;

    // The first show's steps, once the window is on screen: the manual
    // tested, the figure or the welcome opened as the settings say.
    void afterShow();
    void createMenus();
    void createToolbar(QWidget* client);
    void createFramePanels(QWidget* client);
    void createStatusBar(QWidget* client);
    QMenu* addSubmenu(const char* name, const QString& caption, const QString& hint);
    QAction* addCommand(QMenu* menu, const char* name, void (MainWindow::*handler)());
    QToolButton* addToolButton(QWidget* bar, const char* name, int left, void (MainWindow::*handler)());
    // Makes the commands, the game code and the count show the running game.
    void showGame();
    // Enables the new-game or the end-game commands, whichever fit.
    void switchCommands(bool running);
    void showRemaining();
    // The board's count changed: a jump, a new game.
    void remainingChanged(int remaining);

    Services& services_;
    pelikor::RunningGame game_;

    QMenu* popupMenu_ = nullptr;
    QAction* newGameAction_ = nullptr;
    QAction* endGameAction_ = nullptr;
    QAction* manualAction_ = nullptr;
    QAction* popupNewGameAction_ = nullptr;
    QAction* popupEndGameAction_ = nullptr;
    QToolButton* newGameButton_ = nullptr;
    QToolButton* endGameButton_ = nullptr;
    QToolButton* manualButton_ = nullptr;

    BoardPanel* boardPanel_ = nullptr;
    BossScreen* bossScreen_ = nullptr;
    StatusBar* statusBar_ = nullptr;
    QLabel* statusPicture_ = nullptr;
    QLabel* remainingCaption_ = nullptr;
    QLabel* remainingLabel_ = nullptr;
    GameMonitor* monitor_ = nullptr;
};
