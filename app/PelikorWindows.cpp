#include "PelikorWindows.h"

#include "CuePlayer.h"
#include "FigurePicture.h"
#include "THlavniDialog.h"
#include "TNapovedaDialog.h"
#include "TOProgramuDialog.h"
#include "TPomocnikDialog.h"
#include "TUvitaniDialog.h"

#include <QPixmap>

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
    oProgramuDialog_ = std::make_unique<TOProgramuDialog>(services_);
    pomocnikDialog_ = std::make_unique<TPomocnikDialog>(settings_, cues_, QPixmap::fromImage(resources::figurePicture()),
                                                        resources::figureOutline());
    owners_.setFigure(pomocnikDialog_.get());
    napovedaDialog_ = std::make_unique<TNapovedaDialog>(services_);
    connectWindows();
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

void PelikorWindows::show()
{
    hlavniDialog_->show();
}
