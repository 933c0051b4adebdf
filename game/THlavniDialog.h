#pragma once

#include "Board.h"
#include "Monitor.h"

#include <QMainWindow>

#include <array>
#include <functional>

class HoleShape;
class QFrame;
class QLabel;
class QPixmap;
class QTimer;
class Settings;
class THemisphereButton;

// The main window: the board panel with its pegs, holes and hidden twin
// board, the idle screen behind it and the remaining-peg counter.
class THlavniDialog : public QMainWindow {
    Q_OBJECT

public:
    using CuePlayer = std::function<void(const QString& fileName)>;

    // The monitor reads the assistant setting through `settings` at every tick.
    explicit THlavniDialog(Settings& settings, QWidget* parent = nullptr);

    // Where the board's sound cues go; nothing plays until one is given.
    void setCuePlayer(CuePlayer player);

    // Lays a game on the board the way every start does: the pegs and
    // twins of `occupied`, the remaining count, the game code, the board shown.
    void StartGame(pelikor::PositionSet occupied, const QString& gameCode);

    const pelikor::Board& board() const { return board_; }
    int PocatecniPocet() const { return pocatecniPocet_; }

    // Peg n clicked: select it.
    void KClick(int n);
    // Hole t pressed: jump into it if a listed jump applies.
    void BMouseDown(int t);

    // One tick of the game monitor.
    void Timer1Timer();

signals:
    // A tick found the game finished; `pomocnik` is the assistant setting
    // that tick read.
    void gameFinished(pelikor::Outcome outcome, const QString& pomocnik);

private:
    void createIdleScreen(QWidget* client, const QPixmap& boardPicture);
    void createBoardPanel(QWidget* client, const QPixmap& boardPicture);
    void createStatusBar(QWidget* client);
    void playCue(std::string_view cue);
    // Makes the controls show the board record.
    void showBoardState();

    Settings& settings_;
    pelikor::Board board_;
    int pocatecniPocet_ = 0;
    CuePlayer cuePlayer_;

    QLabel* Image2 = nullptr;
    std::array<THemisphereButton*, pelikor::kPositionCount + 1> P{};
    QFrame* Plocha = nullptr;
    QLabel* Kontrola = nullptr;
    QLabel* Image3 = nullptr;
    std::array<HoleShape*, pelikor::kPositionCount + 1> B{};
    std::array<THemisphereButton*, pelikor::kPositionCount + 1> K{};
    QFrame* Pomocna = nullptr;
    std::array<THemisphereButton*, pelikor::kPositionCount + 1> L{};
    QWidget* StavovyRadek = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Zbytek = nullptr;
    QTimer* Timer1 = nullptr;
};
