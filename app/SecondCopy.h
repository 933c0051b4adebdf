#pragma once

#include "dialogs/DialogOwners.h"
#include "services/AppFolders.h"
#include "services/Settings.h"
#include "services/SoundCues.h"

#include <QObject>
#include <QString>

#include <memory>

class AssistantFigure;
class CuePlayer;
class SecondCopyWarning;

// A start while another copy runs: only the figure, in the middle of the
// screen, and the warning beside it. The copy ends when the figure is
// closed, by acknowledging the warning or by the window system; a click
// on the figure opens nothing here.
class SecondCopy : public QObject {
    Q_OBJECT

public:
    // The settings file is the first copy's.
    SecondCopy(const AppFolders& folders, std::unique_ptr<CuePlayer> player);
    ~SecondCopy() override;

    // Places the figure and the warning and shows them, the warning first.
    void start();

    AssistantFigure& assistantFigure() { return *assistantFigure_; }
    SecondCopyWarning& secondCopyWarning() { return *secondCopyWarning_; }

signals:
    // The figure was closed: this copy ends.
    void finished();

private:
    Settings settings_;
    SoundCues cues_;
    DialogOwners owners_;
    std::unique_ptr<AssistantFigure> assistantFigure_;
    std::unique_ptr<SecondCopyWarning> secondCopyWarning_;
};

// Runs a second copy until it ends; returns the exit status.
int runSecondCopy(const AppFolders& folders);
