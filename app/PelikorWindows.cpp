#include "app/PelikorWindows.h"

#include "app/ResultHandOff.h"
#include "dialogs/AccessibleNames.h"
#include "dialogs/AssistantFigure.h"
#include "frame/AboutBox.h"
#include "frame/HelpBalloon.h"
#include "frame/MainWindow.h"
#include "frame/WelcomeBalloon.h"
#include "game/BoardPanel.h"
#include "pictures/FigurePicture.h"
#include "scores/BestTableModule.h"
#include "scores/BestTableView.h"
#include "scores/ClearTableQuestion.h"
#include "scores/CongratulationBalloon.h"
#include "scores/GiveUpQuestion.h"
#include "scores/ResultBalloon.h"
#include "services/CuePlayer.h"
#include "setup/core/Games.h"
#include "setup/GameTypeChooser.h"
#include "setup/OptionalGameChooser.h"
#include "setup/StandardGameBalloon.h"

#include <QPixmap>

#include <array>

PelikorWindows::PelikorWindows(const AppFolders& folders, std::unique_ptr<CuePlayer> player,
                               const std::function<void(int meter)>& progress,
                               const std::function<void(MainWindow&)>& mainWindowCreated)
    : settings_(folders.settings()),
      cues_(AppFolders::text(folders.shipped()), std::move(player)),
      manual_(AppFolders::text(folders.shipped())),
      protocol_(owners_, settings_),
      services_{settings_, cues_, manual_, owners_, protocol_}
{
    // The best table is open before any window exists; then the windows in
    // the order the program has always created them, the meter's value
    // after each step.
    const auto step = [&progress](int meter) {
        if (progress)
            progress(meter);
    };
    // Before the windows: what a window tells assistive technology as it is
    // made is read through the program's own interfaces.
    AccessibleNames::install();
    bestTableModule_ =
        std::make_unique<BestTableModule>(AppFolders::text(folders.table()), AppFolders::text(folders.shipped()));
    step(10);
    // The best-table module has named the table's folder as it was created.
    step(15);
    bestTableModule_->table.open();
    step(20);
    mainWindow_ = std::make_unique<MainWindow>(services_);
    owners_.setMainWindow(mainWindow_.get());
    if (mainWindowCreated)
        mainWindowCreated(*mainWindow_);
    step(25);
    createDialogs(step);
    resultHandOff_ = std::make_unique<ResultHandOff>(*mainWindow_, *resultBalloon_, *congratulationBalloon_,
                                                     *assistantFigure_, protocol_);
    connectWindows();
    connectNewGame();
    connectEndOfGame();
    step(100);
}

PelikorWindows::~PelikorWindows() = default;

void PelikorWindows::createDialogs(const std::function<void(int meter)>& step)
{
    welcomeBalloon_ = std::make_unique<WelcomeBalloon>(services_);
    step(30);
    optionalGameChooser_ = std::make_unique<OptionalGameChooser>(services_);
    step(35);
    aboutBox_ = std::make_unique<AboutBox>(services_);
    step(40);
    giveUpQuestion_ = std::make_unique<GiveUpQuestion>(services_);
    step(55);
    resultBalloon_ = std::make_unique<ResultBalloon>(services_, *bestTableModule_);
    step(60);
    assistantFigure_ =
        std::make_unique<AssistantFigure>(settings_, cues_, pictures::figurePicture, pictures::figureOutline());
    owners_.setFigure(assistantFigure_.get());
    step(65);
    bestTableView_ = std::make_unique<BestTableView>(services_, *bestTableModule_);
    step(70);
    clearTableQuestion_ = std::make_unique<ClearTableQuestion>(services_, *bestTableModule_);
    step(75);
    helpBalloon_ = std::make_unique<HelpBalloon>(services_);
    step(80);
    gameTypeChooser_ = std::make_unique<GameTypeChooser>(services_);
    step(85);
    congratulationBalloon_ = std::make_unique<CongratulationBalloon>(services_);
    step(90);
    standardGameBalloon_ = std::make_unique<StandardGameBalloon>(services_);
}

void PelikorWindows::connectWindows()
{
    MainWindow* main = mainWindow_.get();
    WelcomeBalloon* welcome = welcomeBalloon_.get();
    HelpBalloon* help = helpBalloon_.get();
    QObject::connect(main, &MainWindow::welcomeRequested, welcome, &WelcomeBalloon::openAtStart);
    QObject::connect(main, &MainWindow::manualTested, welcome, &WelcomeBalloon::setManualAvailable);
    QObject::connect(main, &MainWindow::manualTested, help, &HelpBalloon::setManualAvailable);
    QObject::connect(main, &MainWindow::helpRequested, help, &HelpBalloon::openOnTopicList);
    QObject::connect(main, &MainWindow::aboutRequested, aboutBox_.get(), &AboutBox::showDialog);
    QObject::connect(welcome, &WelcomeBalloon::helpRequested, help, &HelpBalloon::openOnTopicList);
    QObject::connect(assistantFigure_.get(), &AssistantFigure::doubleClicked, welcome, &WelcomeBalloon::openOnFigure);
}

namespace {

// Every game, standard or optional, is laid by the main window's one start procedure.
void startGame(MainWindow& main, const pelikor::GameLayout& layout)
{
    main.startGame(layout.occupied, layout.game);
}

} // namespace

void PelikorWindows::connectNewGame()
{
    MainWindow* main = mainWindow_.get();
    GameTypeChooser* chooser = gameTypeChooser_.get();
    StandardGameBalloon* standard = standardGameBalloon_.get();
    OptionalGameChooser* optional = optionalGameChooser_.get();
    QObject::connect(main, &MainWindow::newGameRequested, chooser, &GameTypeChooser::openForNewGame);
    QObject::connect(chooser, &GameTypeChooser::standardGameChosen, standard, &StandardGameBalloon::showDialog);
    QObject::connect(chooser, &GameTypeChooser::optionalGameChosen, optional, &OptionalGameChooser::showDialog);
    QObject::connect(standard, &StandardGameBalloon::allPegsRequested, &main->boardPanel(), &BoardPanel::showAllPegs);
    QObject::connect(standard, &StandardGameBalloon::startRequested, main,
                     [main](int removed) { startGame(*main, pelikor::standardLayout(removed)); });
    QObject::connect(optional, &OptionalGameChooser::startRequested, main,
                     [main](int game) { startGame(*main, pelikor::optionalLayout(game)); });
    const std::array<SetupStepDialog*, 2> steps{standard, optional};
    for (SetupStepDialog* step : steps) {
        QObject::connect(step, &SetupStepDialog::chooserEnabled, chooser, &GameTypeChooser::enableAgain);
        QObject::connect(step, &SetupStepDialog::chooserClosed, chooser, &QWidget::close);
    }
}

void PelikorWindows::connectEndOfGame()
{
    MainWindow* main = mainWindow_.get();
    ResultBalloon* resultBalloon = resultBalloon_.get();
    GiveUpQuestion* giveUpQuestion = giveUpQuestion_.get();
    QObject::connect(main, &MainWindow::gameStarted, resultBalloon, &ResultBalloon::setStartCount);
    QObject::connect(main, &MainWindow::gameFinished, resultHandOff_.get(), &ResultHandOff::handOff);
    QObject::connect(congratulationBalloon_.get(), &CongratulationBalloon::resultRequested, resultBalloon,
                     &ResultBalloon::showDialog);
    QObject::connect(resultBalloon, &ResultBalloon::returnToIdle, main, &MainWindow::returnToIdle);
    QObject::connect(resultBalloon, &ResultBalloon::resultClosed, main, &MainWindow::refillAfterResult);
    QObject::connect(main, &MainWindow::endGameRequested, giveUpQuestion, &GiveUpQuestion::open);
    QObject::connect(giveUpQuestion, &GiveUpQuestion::gameAbandoned, main, &MainWindow::abandonGame);
    QObject::connect(main, &MainWindow::tableRequested, bestTableView_.get(), &BestTableView::showDialog);
    QObject::connect(main, &MainWindow::clearTableRequested, clearTableQuestion_.get(), &ClearTableQuestion::open);
}

void PelikorWindows::show()
{
    mainWindow_->show();
}
