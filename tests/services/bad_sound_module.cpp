// Files the program must never call, with the module's tag: the entry point's
// name on data, or another version's tag (from the build) on a trap.
#ifdef ENTRY_AS_DATA
#define pelikorCreateCuePlayer declaredEntryPoint
#endif
#include "services/SoundModule.h"
#undef pelikorCreateCuePlayer

#include <QtGlobal>

extern "C" Q_DECL_EXPORT const SoundModuleTag pelikorSoundModuleTag = std::to_array(kSoundModuleTagText);

#ifdef ENTRY_AS_DATA
extern "C" Q_DECL_EXPORT const char pelikorCreateCuePlayer[] = "no code";
#else
extern "C" Q_DECL_EXPORT CuePlayer* pelikorCreateCuePlayer() { __builtin_trap(); }
#endif
