#include "app/PelikorWindows.h"

#include "app/ResultHandOff.h"
#include "dialogs/AccessibleNames.h"
#include "dialogs/AssistantFigure.h"
#include "frame/THlavniDialog.h"
#include "frame/TNapovedaDialog.h"
#include "frame/TOProgramuDialog.h"
#include "frame/TUvitaniDialog.h"
#include "game/BoardPanel.h"
#include "pictures/FigurePicture.h"
#include "scores/TDataModule1.h"
#include "scores/TDotazKonecDialog.h"
#include "scores/TGratulujiDialog.h"
#include "scores/TTabulkaDialog.h"
#include "scores/TVymazatDialog.h"
#include "scores/TVysledekDialog.h"
#include "services/CuePlayer.h"
#include "setup/core/Games.h"
#include "setup/THraDialog.h"
#include "setup/TStandardDialog.h"
#include "setup/TVyberDialog.h"

#include <QPixmap>

#include <array>

PelikorWindows::PelikorWindows(const AppFolders& folders, std::unique_ptr<CuePlayer> player,
                               const std::function<void(int meter)>& progress,
                               const std::function<void(THlavniDialog&)>& mainWindowCreated)
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
    dataModule1_ = std::make_unique<TDataModule1>(AppFolders::text(folders.table()), AppFolders::text(folders.shipped()));
    step(10);
    // The data module has named the table's folder as it was created.
    step(15);
    dataModule1_->Table1.open();
    step(20);
    hlavniDialog_ = std::make_unique<THlavniDialog>(services_);
    owners_.setMainWindow(hlavniDialog_.get());
    if (mainWindowCreated)
        mainWindowCreated(*hlavniDialog_);
    step(25);
    uvitaniDialog_ = std::make_unique<TUvitaniDialog>(services_);
    step(30);
    hraDialog_ = std::make_unique<THraDialog>(services_);
    step(35);
    oProgramuDialog_ = std::make_unique<TOProgramuDialog>(services_);
    step(40);
    dotazKonecDialog_ = std::make_unique<TDotazKonecDialog>(services_);
    step(55);
    vysledekDialog_ = std::make_unique<TVysledekDialog>(services_, *dataModule1_);
    step(60);
    assistantFigure_ = std::make_unique<AssistantFigure>(settings_, cues_, pictures::figurePicture,
                                                        pictures::figureOutline());
    owners_.setFigure(assistantFigure_.get());
    step(65);
    tabulkaDialog_ = std::make_unique<TTabulkaDialog>(services_, *dataModule1_);
    step(70);
    vymazatDialog_ = std::make_unique<TVymazatDialog>(services_, *dataModule1_);
    step(75);
    napovedaDialog_ = std::make_unique<TNapovedaDialog>(services_);
    step(80);
    vyberDialog_ = std::make_unique<TVyberDialog>(services_);
    step(85);
    gratulujiDialog_ = std::make_unique<TGratulujiDialog>(services_);
    step(90);
    standardDialog_ = std::make_unique<TStandardDialog>(services_);
    resultHandOff_ = std::make_unique<ResultHandOff>(*hlavniDialog_, *vysledekDialog_, *gratulujiDialog_,
                                                     *assistantFigure_, protocol_);
    connectWindows();
    connectNewGame();
    connectEndOfGame();
    step(100);
}

PelikorWindows::~PelikorWindows() = default;

void PelikorWindows::connectWindows()
{
    THlavniDialog* main = hlavniDialog_.get();
    TUvitaniDialog* welcome = uvitaniDialog_.get();
    TNapovedaDialog* help = napovedaDialog_.get();
    QObject::connect(main, &THlavniDialog::welcomeRequested, welcome, &TUvitaniDialog::openAtStart);
    QObject::connect(main, &THlavniDialog::manualTested, welcome, &TUvitaniDialog::setManualAvailable);
    QObject::connect(main, &THlavniDialog::manualTested, help, &TNapovedaDialog::setManualAvailable);
    QObject::connect(main, &THlavniDialog::helpRequested, help, &TNapovedaDialog::openOnTopicList);
    QObject::connect(main, &THlavniDialog::aboutRequested, oProgramuDialog_.get(), &TOProgramuDialog::showDialog);
    QObject::connect(welcome, &TUvitaniDialog::helpRequested, help, &TNapovedaDialog::openOnTopicList);
    QObject::connect(assistantFigure_.get(), &AssistantFigure::doubleClicked, welcome, &TUvitaniDialog::openOnFigure);
}

namespace {

// Every game, standard or optional, is laid by the main window's one start procedure.
void startGame(THlavniDialog& main, const pelikor::GameLayout& layout)
{
    main.StartGame(layout.occupied, layout.game);
}

} // namespace

void PelikorWindows::connectNewGame()
{
    THlavniDialog* main = hlavniDialog_.get();
    TVyberDialog* chooser = vyberDialog_.get();
    TStandardDialog* standard = standardDialog_.get();
    THraDialog* optional = hraDialog_.get();
    QObject::connect(main, &THlavniDialog::newGameRequested, chooser, &TVyberDialog::openForNewGame);
    QObject::connect(chooser, &TVyberDialog::standardGameChosen, standard, &TStandardDialog::showDialog);
    QObject::connect(chooser, &TVyberDialog::optionalGameChosen, optional, &THraDialog::showDialog);
    QObject::connect(standard, &TStandardDialog::allPegsRequested, &main->Plocha(), &BoardPanel::showAllPegs);
    QObject::connect(standard, &TStandardDialog::startRequested, main,
                     [main](int removed) { startGame(*main, pelikor::standardLayout(removed)); });
    QObject::connect(optional, &THraDialog::startRequested, main,
                     [main](int game) { startGame(*main, pelikor::optionalLayout(game)); });
    const std::array<SetupStepDialog*, 2> steps{standard, optional};
    for (SetupStepDialog* step : steps) {
        QObject::connect(step, &SetupStepDialog::chooserEnabled, chooser, &TVyberDialog::enableAgain);
        QObject::connect(step, &SetupStepDialog::chooserClosed, chooser, &QWidget::close);
    }
}

void PelikorWindows::connectEndOfGame()
{
    THlavniDialog* main = hlavniDialog_.get();
    TVysledekDialog* vysledek = vysledekDialog_.get();
    TDotazKonecDialog* dotazKonec = dotazKonecDialog_.get();
    QObject::connect(main, &THlavniDialog::gameStarted, vysledek, &TVysledekDialog::setStartCount);
    QObject::connect(main, &THlavniDialog::gameFinished, resultHandOff_.get(), &ResultHandOff::GameFinished);
    QObject::connect(gratulujiDialog_.get(), &TGratulujiDialog::resultRequested, vysledek, &TVysledekDialog::showDialog);
    QObject::connect(vysledek, &TVysledekDialog::returnToIdle, main, &THlavniDialog::ReturnToIdle);
    QObject::connect(vysledek, &TVysledekDialog::resultClosed, main, &THlavniDialog::ResultClosed);
    QObject::connect(main, &THlavniDialog::endGameRequested, dotazKonec, &TDotazKonecDialog::open);
    QObject::connect(dotazKonec, &TDotazKonecDialog::gameAbandoned, main, &THlavniDialog::AbandonGame);
    QObject::connect(main, &THlavniDialog::tableRequested, tabulkaDialog_.get(), &TTabulkaDialog::showDialog);
    QObject::connect(main, &THlavniDialog::clearTableRequested, vymazatDialog_.get(), &TVymazatDialog::open);
}

void PelikorWindows::show()
{
    hlavniDialog_->show();
}
