#include "PelikorWindows.h"

#include "CuePlayer.h"
#include "FigurePicture.h"
#include "Games.h"
#include "THlavniDialog.h"
#include "THraDialog.h"
#include "TNapovedaDialog.h"
#include "TOProgramuDialog.h"
#include "TPomocnikDialog.h"
#include "TStandardDialog.h"
#include "TUvitaniDialog.h"
#include "TVyberDialog.h"

#include <QPixmap>

#include <array>

PelikorWindows::PelikorWindows(const QString& applicationDir, std::unique_ptr<CuePlayer> player)
    : settings_(applicationDir),
      cues_(applicationDir, std::move(player)),
      manual_(applicationDir),
      protocol_(owners_, settings_),
      services_{applicationDir, settings_, cues_, manual_, owners_, protocol_}
{
    // The windows in the order the program has always created them.
    hlavniDialog_ = std::make_unique<THlavniDialog>(services_);
    owners_.setMainWindow(hlavniDialog_.get());
    uvitaniDialog_ = std::make_unique<TUvitaniDialog>(services_);
    hraDialog_ = std::make_unique<THraDialog>(services_);
    oProgramuDialog_ = std::make_unique<TOProgramuDialog>(services_);
    pomocnikDialog_ = std::make_unique<TPomocnikDialog>(settings_, cues_, QPixmap::fromImage(resources::figurePicture()),
                                                        resources::figureOutline());
    owners_.setFigure(pomocnikDialog_.get());
    napovedaDialog_ = std::make_unique<TNapovedaDialog>(services_);
    vyberDialog_ = std::make_unique<TVyberDialog>(services_);
    standardDialog_ = std::make_unique<TStandardDialog>(services_);
    connectWindows();
    connectNewGame();
}

PelikorWindows::~PelikorWindows() = default;

void PelikorWindows::connectWindows()
{
    THlavniDialog* main = hlavniDialog_.get();
    TUvitaniDialog* welcome = uvitaniDialog_.get();
    TNapovedaDialog* help = napovedaDialog_.get();
    QObject::connect(main, &THlavniDialog::welcomeRequested, welcome, &TUvitaniDialog::openAtStart);
    QObject::connect(main, &THlavniDialog::manualTested, welcome, &TUvitaniDialog::setManualAvailable);
    QObject::connect(main, &THlavniDialog::helpRequested, help, &TNapovedaDialog::openOnTopicList);
    QObject::connect(main, &THlavniDialog::aboutRequested, oProgramuDialog_.get(), &TOProgramuDialog::showDialog);
    QObject::connect(welcome, &TUvitaniDialog::helpRequested, help, &TNapovedaDialog::openOnTopicList);
    QObject::connect(pomocnikDialog_.get(), &TPomocnikDialog::FormClick, welcome, &TUvitaniDialog::openOnFigure);
}

namespace {

// Every game, standard or optional, is laid by the main window's one start procedure.
void startGame(THlavniDialog& main, const pelikor::GameLayout& layout)
{
    main.StartGame(layout.occupied, QString::fromStdString(layout.code));
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
    QObject::connect(standard, &TStandardDialog::allPegsRequested, main, &THlavniDialog::ShowAllPegs);
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

void PelikorWindows::show()
{
    hlavniDialog_->show();
}
