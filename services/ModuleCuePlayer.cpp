#include "services/ModuleCuePlayer.h"

#include "services/SoundModule.h"

#include <dlfcn.h>

namespace {

// Both are given by the build, which lays the install out.
constexpr const char* kModuleName = PELIKOR_SOUND_MODULE;
constexpr const char* kModuleFromProgram = PELIKOR_SOUND_MODULE_FROM_PROGRAM;

} // namespace

ModuleCuePlayer::ModuleCuePlayer(std::filesystem::path programFolder) : programFolder_(std::move(programFolder))
{
}

ModuleCuePlayer::~ModuleCuePlayer() = default;

void ModuleCuePlayer::play(const QString& fileName)
{
    if (!lookedFor_) {
        lookedFor_ = true;
        player_ = loadModule();
    }
    if (player_)
        player_->play(fileName);
}

std::unique_ptr<CuePlayer> ModuleCuePlayer::loadModule() const
{
    for (const std::filesystem::path& folder : {programFolder_, programFolder_ / kModuleFromProgram}) {
        // Opened by its bytes, which a folder named in another encoding
        // keeps; never closed, since the player's code lies in it. All its
        // symbols are bound now, so that a library missing under it fails
        // here rather than at some later cue.
        void* module = ::dlopen((folder / kModuleName).lexically_normal().c_str(), RTLD_NOW | RTLD_LOCAL);
        if (!module)
            continue;
        if (const auto create = reinterpret_cast<CreateCuePlayer>(::dlsym(module, kCreateCuePlayer)))
            return std::unique_ptr<CuePlayer>(create());
        ::dlclose(module);
    }
    return nullptr;
}
