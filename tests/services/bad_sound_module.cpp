// Files the program must never call, with the module's tag: the entry
// point's name on data, or a tag of another version (set by the build) on
// an entry point that aborts.
#ifdef ENTRY_AS_DATA
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
extern "C" Q_DECL_EXPORT CuePlayer* pelikorCreateCuePlayer() { std::abort(); }
#endif
