#pragma once

#include "dialogs/AssistantProtocol.h"
#include "dialogs/DialogOwners.h"
#include "dialogs/Services.h"
#include "services/AppFolders.h"
#include "services/ManualLauncher.h"
#include "services/Settings.h"
#include "services/SoundCues.h"

#include <QString>

#include <functional>
#include <memory>

class AboutBox;
class AssistantFigure;
class BestTableModule;
class BestTableView;
class ClearTableQuestion;
class CongratulationBalloon;
class CuePlayer;
class GameTypeChooser;
class GiveUpQuestion;
class HelpBalloon;
class MainWindow;
class OptionalGameChooser;
class ResultBalloon;
class ResultHandOff;
class StandardGameBalloon;
class WelcomeBalloon;

// Owns every window of the program, created once at start in a fixed order
// and kept until the end, the services they share, and the connections
// by which one window opens another.
class PelikorWindows {
public:
    // `folders` say where the settings, the best table and the shipped
    // files lie; `player` plays the cue files; `progress` hears the start's
    // meter value (10 up to 100) after each step of the creation;
    // `mainWindowCreated` hears of the main window as soon as it exists.
    // Throws when the best table in its "Data" folder cannot be opened.
    PelikorWindows(const AppFolders& folders, std::unique_ptr<CuePlayer> player,
                   const std::function<void(int meter)>& progress = {},
                   const std::function<void(MainWindow&)>& mainWindowCreated = {});
    ~PelikorWindows();

    Services& services() { return services_; }
    MainWindow& mainWindow() { return *mainWindow_; }
    WelcomeBalloon& welcomeBalloon() { return *welcomeBalloon_; }
    AboutBox& aboutBox() { return *aboutBox_; }
    AssistantFigure& assistantFigure() { return *assistantFigure_; }
    HelpBalloon& helpBalloon() { return *helpBalloon_; }

    // The new-game chain.
    GameTypeChooser& gameTypeChooser() { return *gameTypeChooser_; }
    StandardGameBalloon& standardGameBalloon() { return *standardGameBalloon_; }
    OptionalGameChooser& optionalGameChooser() { return *optionalGameChooser_; }
    BestTableModule& bestTableModule() { return *bestTableModule_; }
    GiveUpQuestion& giveUpQuestion() { return *giveUpQuestion_; }
    ResultBalloon& resultBalloon() { return *resultBalloon_; }
    BestTableView& bestTableView() { return *bestTableView_; }
    ClearTableQuestion& clearTableQuestion() { return *clearTableQuestion_; }
    CongratulationBalloon& congratulationBalloon() { return *congratulationBalloon_; }

    // Shows the main window, the program's main form.
    void show();

private:
    // The windows after the main window, in the order the program has
    // always created them, the meter's value after each.
    void createDialogs(const std::function<void(int meter)>& step);
    void connectWindows();
    // The new-game command, the chooser and the dialogs of its two choices.
    void connectNewGame();
    // The monitor's hand-off, the result, the questions and the table view.
    void connectEndOfGame();

    Settings settings_;
    SoundCues cues_;
    ManualLauncher manual_;
    DialogOwners owners_;
    AssistantProtocol protocol_;
    Services services_;

    std::unique_ptr<MainWindow> mainWindow_;
    std::unique_ptr<WelcomeBalloon> welcomeBalloon_;
    std::unique_ptr<AboutBox> aboutBox_;
    std::unique_ptr<AssistantFigure> assistantFigure_;
    std::unique_ptr<HelpBalloon> helpBalloon_;

    std::unique_ptr<GameTypeChooser> gameTypeChooser_;
    std::unique_ptr<StandardGameBalloon> standardGameBalloon_;
    std::unique_ptr<OptionalGameChooser> optionalGameChooser_;
    // The end of a game: the best table, the result, the questions and the
    // table view. The best-table module outlives every window that uses it.
    std::unique_ptr<BestTableModule> bestTableModule_;
    std::unique_ptr<GiveUpQuestion> giveUpQuestion_;
    std::unique_ptr<ResultBalloon> resultBalloon_;
    std::unique_ptr<BestTableView> bestTableView_;
    std::unique_ptr<ClearTableQuestion> clearTableQuestion_;
    std::unique_ptr<CongratulationBalloon> congratulationBalloon_;
    std::unique_ptr<ResultHandOff> resultHandOff_;
};
