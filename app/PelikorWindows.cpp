#include "PelikorWindows.h"

#include "CuePlayer.h"
#include "Settings.h"
#include "SoundCues.h"
#include "THlavniDialog.h"

PelikorWindows::PelikorWindows(const QString& applicationDir, std::unique_ptr<CuePlayer> player)
    : settings_(std::make_unique<Settings>(applicationDir)),
      cues_(std::make_unique<SoundCues>(applicationDir, std::move(player))),
      hlavniDialog_(std::make_unique<THlavniDialog>(*settings_, *cues_))
{
}

PelikorWindows::~PelikorWindows() = default;

void PelikorWindows::show()
{
    hlavniDialog_->show();
}
