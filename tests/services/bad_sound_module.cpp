// A file at the sound module's path that carries the module's tag but must
// never be called: built once with the entry point's name on data, once
// with a tag of another version and an entry point that aborts.
#ifdef ENTRY_AS_DATA
// The header's declaration of the function makes way for the data.
#define pelikorCreateCuePlayer declaredEntryPoint
#endif
#include "services/SoundModule.h"
#undef pelikorCreateCuePlayer

#include <QtGlobal>

#include <cstdlib>

extern "C" Q_DECL_EXPORT const SoundModuleTag pelikorSoundModuleTag = std::to_array(kSoundModuleTagText);

#ifdef ENTRY_AS_DATA
extern "C" Q_DECL_EXPORT const char pelikorCreateCuePlayer[] = "no code";
#else
extern "C" Q_DECL_EXPORT CuePlayer* pelikorCreateCuePlayer()
{
    std::abort();
}
#endif
