#include "services/ModuleCuePlayer.h"

#include "services/SoundModule.h"

#include <cstring>
#include <string>

#include <dlfcn.h>
#include <fcntl.h>
#include <link.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Both are given by the build, which lays the install out.
constexpr const char* kModuleName = PELIKOR_SOUND_MODULE;
constexpr const char* kModuleFromProgram = PELIKOR_SOUND_MODULE_FROM_PROGRAM;

// Loads the file at `path` when it is a regular file. It is opened without
// waiting (the loader's own open of a FIFO would wait for a writer for
// ever) and loaded through its descriptor, so the file loaded is the one
// checked, whatever takes its name meanwhile. All its symbols are bound
// now, so that a library missing under it fails here rather than at some
// later cue.
void* loadRegularFile(const std::filesystem::path& path)
{
    const int file = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (file < 0)
        return nullptr;
    struct stat status {};
    void* module = nullptr;
    if (::fstat(file, &status) == 0 && S_ISREG(status.st_mode))
        module = ::dlopen(("/proc/self/fd/" + std::to_string(file)).c_str(), RTLD_NOW | RTLD_LOCAL);
    // The loader knows a module by the name it was opened under and hands
    // out the loaded one for the same name again: the descriptor stays open
    // for as long as the module may stay loaded, so that no later file gets
    // its number.
    if (!module)
        ::close(file);
    return module;
}

// The module's own symbol of that name, when it is of that kind and, for
// data, that size; null otherwise.
const void* moduleSymbol(void* module, const char* name, unsigned char kind, std::size_t size = 0)
{
    const void* address = ::dlsym(module, name);
    Dl_info place{};
    void* entry = nullptr;
    if (!address || !::dladdr1(address, &place, &entry, RTLD_DL_SYMENT) || !entry || place.dli_saddr != address)
        return nullptr;
    const auto* symbol = static_cast<const ElfW(Sym)*>(entry);
    if (ELF64_ST_TYPE(symbol->st_info) != kind || (kind == STT_OBJECT && symbol->st_size != size))
        return nullptr;
    return address;
}

// The module's cue player, when the module says it is the sound module of
// this program and version and its entry point is a function.
CuePlayer* createPlayer(void* module)
{
    const auto* tag = static_cast<const char*>(moduleSymbol(module, kSoundModuleTag, STT_OBJECT, sizeof(SoundModuleTag)));
    if (!tag || std::memcmp(tag, kSoundModuleTagText, sizeof kSoundModuleTagText) != 0)
        return nullptr;
    const void* entry = moduleSymbol(module, kCreateCuePlayer, STT_FUNC);
    return entry ? reinterpret_cast<CreateCuePlayer>(const_cast<void*>(entry))() : nullptr;
}

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
        // keeps; never closed once it plays, since the player's code lies in it.
        void* module = loadRegularFile((folder / kModuleName).lexically_normal());
        if (!module)
            continue;
        if (CuePlayer* player = createPlayer(module))
            return std::unique_ptr<CuePlayer>(player);
        ::dlclose(module);
    }
    return nullptr;
}
