#pragma once

#include "dialogs/ProgramDialog.h"

class BestTableModule;
class QPushButton;
class QTabWidget;
struct Services;

// The best table in the middle of the screen: one tab per game, each
// listing that game's entries from the fewest pegs left to the most.
// Ctrl+Tab and Ctrl+PgDn turn to the next page, Ctrl+Shift+Tab and
// Ctrl+PgUp to the previous one, from wherever the focus is in it.
class BestTableView : public ProgramDialog {
    Q_OBJECT

public:
    BestTableView(Services& services, BestTableModule& bestTable);

    // The tab at `index` became the active page; the grids show its game,
    // best first.
    void showGamePage(int index);
    // "Ok", Enter and Esc alike: the view closes.
    void acknowledge();
    // Turns `step` pages on, round from the last to the first.
    void turnPage(int step);

protected:
    void prepareToShow() override;
    void handleKey(int key) override;

private:
    // The grids over the data source, made when the view first shows: a
    // grid's model connections cost more than all else the view makes.
    void createGrids();

    BestTableModule& bestTable_;
    QTabWidget* pages_ = nullptr;
    QPushButton* okButton_ = nullptr;
    // The page whose game a turn by the keys showed before the page itself.
    int turningTo_ = -1;
};
