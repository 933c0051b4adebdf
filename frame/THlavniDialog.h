#pragma once

#include "Monitor.h"
#include "Positions.h"

#include <QMainWindow>

#include <array>

class BoardPanel;
class QLabel;
class QTimer;
class Settings;
class SoundCues;
class THemisphereButton;

// The main window: the idle screen, the board panel over it, the
// remaining-peg counter, and the game monitor's timer.
class THlavniDialog : public QMainWindow {
    Q_OBJECT

public:
    // The monitor reads the assistant setting through `settings` at every
    // tick; the board plays its cues through `cues`.
    THlavniDialog(Settings& settings, SoundCues& cues, QWidget* parent = nullptr);

    BoardPanel& Plocha() { return *Plocha_; }
    int PocatecniPocet() const { return pocatecniPocet_; }

    // Lays a game on the board the way every start does: the pegs and
    // twins of `occupied`, the remaining count, the game code, the board shown.
    void StartGame(pelikor::PositionSet occupied, const QString& gameCode);

    // One tick of the game monitor.
    void Timer1Timer();

signals:
    // A tick found the game finished; `pomocnik` is the assistant setting
    // that tick read.
    void gameFinished(pelikor::Outcome outcome, const QString& pomocnik);

private:
    void createIdleScreen(QWidget* client);
    void createStatusBar(QWidget* client);
    void showRemaining(int remaining);

    Settings& settings_;
    int pocatecniPocet_ = 0;

    QLabel* Image2 = nullptr;
    std::array<THemisphereButton*, pelikor::kPositionCount + 1> P{};
    BoardPanel* Plocha_ = nullptr;
    QWidget* StavovyRadek = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Zbytek = nullptr;
    QTimer* Timer1 = nullptr;
};
