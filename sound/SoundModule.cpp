#include "services/SoundModule.h"

#include "sound/MultimediaCuePlayer.h"

#include <QtGlobal>

extern "C" Q_DECL_EXPORT const SoundModuleTag pelikorSoundModuleTag = std::to_array(kSoundModuleTagText);

extern "C" Q_DECL_EXPORT CuePlayer* pelikorCreateCuePlayer()
{
    return new MultimediaCuePlayer;
}
