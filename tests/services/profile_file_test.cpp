#include "services/core/ProfileEdit.h"
#include "services/core/ProfileFile.h"
#include "services/core/ProfileWriteError.h"
#include "tests/support/TempFolder.h"
#include "tests/support/Unprivileged.h"

#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <random>
#include <set>
#include <thread>

#include <csignal>
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>

using namespace pelikor;

namespace {

constexpr const char* kSection = "Nastaveni";
constexpr const char* kKey = "Pomocnik";

// A hand-edited file: comments, blanks, odd case, CRLF, other sections before and after.
const std::string kHandEdited = "; Kolvex\r\n[Manual]\r\ncesta = C:\\Kolvex\r\n\r\n"
                                "  [nastaveni] \r\n\tUVITANI = 1\r\n pomocnik=  0 \r\n; konec\r\n\r\n"
                                "[Pelikor]\r\nPomocnik=9\r\n";

std::string writeError(const std::filesystem::path& file, const char* value = "1")
{
    try {
        ProfileFile(file).write(kSection, kKey, value);
    } catch (const ProfileWriteError& error) {
        return error.what();
    }
    return "written";
}

void setModified(const std::filesystem::path& file, timespec modified)
{
    const timespec times[2] = {modified, modified};
    ASSERT_EQ(::utimensat(AT_FDCWD, file.c_str(), times, 0), 0);
}

// Runs `attempt` in a child process that an alarm ends when it hangs; true
// when the attempt returned true in time.
bool inTime(const std::function<bool()>& attempt)
{
    const pid_t child = ::fork();
    if (child == 0) {
        ::alarm(5);
        ::_exit(attempt() ? 0 : 1);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

// Ends a child process that writes for ever.
void killAndReap(pid_t child)
{
    ::kill(child, SIGKILL);
    ::waitpid(child, nullptr, 0);
}

timespec modifiedOf(const std::filesystem::path& file)
{
    struct stat status {};
    ::stat(file.c_str(), &status);
    return status.st_mtim;
}

} // namespace

TEST(ProfileFile, MissingFolderReadsEmptyAndCannotBeWritten)
{
    TempFolder folder;
    const auto file = folder / "Chybi/Kolvex.ini";
    EXPECT_EQ(ProfileFile(file).read(kSection, kKey), "");
    EXPECT_EQ(writeError(file), "Unable to write to " + file.string());
    EXPECT_FALSE(std::filesystem::exists(file));
}

TEST(ProfileFile, MissingFileIsCreatedWithSectionAndKey)
{
    TempFolder folder;
    ProfileFile profile(folder / "Kolvex.ini");
    EXPECT_EQ(profile.read(kSection, kKey), "");
    profile.write(kSection, kKey, "1");
    EXPECT_EQ(readBytes(folder / "Kolvex.ini"), "[Nastaveni]\r\nPomocnik=1\r\n");
    EXPECT_EQ(profile.read(kSection, "pomocnik"), "1");
    profile.write(kSection, "Uvitani", "0");
    EXPECT_EQ(readBytes(folder / "Kolvex.ini"), "[Nastaveni]\r\nPomocnik=1\r\nUvitani=0\r\n");
}

TEST(ProfileFile, HandEditedFileChangesInTheOneLineOnly)
{
    TempFolder folder;
    const auto file = folder / "Kolvex.ini";
    writeBytes(file, kHandEdited);
    ProfileFile profile(file);
    EXPECT_EQ(profile.read(kSection, kKey), "0");
    EXPECT_EQ(profile.read(kSection, "Uvitani"), "1");

    profile.write(kSection, kKey, "1");
    std::string expected = kHandEdited;
    const std::string oldLine = " pomocnik=  0 ";
    expected.replace(expected.find(oldLine), oldLine.size(), "pomocnik=1");
    EXPECT_EQ(readBytes(file), expected);
    EXPECT_EQ(profile.read(kSection, kKey), "1");
    EXPECT_EQ(profile.read("Pelikor", kKey), "9");
}

TEST(ProfileFile, ValuesThatAreNeitherOneNorZeroReadAsTheyStand)
{
    TempFolder folder;
    const auto file = folder / "Kolvex.ini";
    // A blank that belongs to the value has to be quoted, since blanks around values are trimmed.
    const std::pair<std::string, std::string> cases[] = {{"01", "01"}, {"\"1 \"", "1 "}, {"ano", "ano"}, {" 1 ", "1"}};
    for (const auto& [written, read] : cases) {
        writeBytes(file, "[Nastaveni]\r\nPomocnik=" + written + "\r\n");
        EXPECT_EQ(ProfileFile(file).read(kSection, kKey), read) << written;
    }
}

TEST(ProfileFile, ReadOnlyFileFailsWithItsPathAndStaysAsItWas)
{
    TempFolder folder;
    const auto file = folder / "Kolvex.ini";
    writeBytes(file, kHandEdited);
    std::filesystem::permissions(file, std::filesystem::perms::owner_read | std::filesystem::perms::group_read
                                           | std::filesystem::perms::others_read);
    EXPECT_EQ(asUnprivilegedUser([&] { return writeError(file); }), "Unable to write to " + file.string());
    EXPECT_EQ(asUnprivilegedUser([&] { return ProfileFile(file).read(kSection, kKey); }), "0");
    EXPECT_EQ(readBytes(file), kHandEdited);
}

TEST(ProfileFile, ReadOnlyFolderCannotTakeANewFileButKeepsAWritableOneWritable)
{
    TempFolder folder;
    const auto missing = folder / "Kolvex.ini";
    const auto sub = folder / "Zamceno";
    std::filesystem::create_directory(sub);
    const auto present = sub / "Kolvex.ini";
    writeBytes(present, kHandEdited);
    std::filesystem::permissions(present, std::filesystem::perms::all);
    const auto readOnlyFolder = std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec
        | std::filesystem::perms::group_read | std::filesystem::perms::group_exec
        | std::filesystem::perms::others_read | std::filesystem::perms::others_exec;
    std::filesystem::permissions(folder.path(), readOnlyFolder);
    std::filesystem::permissions(sub, readOnlyFolder);

    EXPECT_EQ(asUnprivilegedUser([&] { return writeError(missing); }), "Unable to write to " + missing.string());
    EXPECT_FALSE(std::filesystem::exists(missing));
    EXPECT_EQ(asUnprivilegedUser([&] { return writeError(present); }), "written");
    EXPECT_EQ(ProfileFile(present).read(kSection, kKey), "1");
    std::filesystem::permissions(folder.path(), std::filesystem::perms::all);
}

TEST(ProfileFile, UnreadableFileReadsEmptyAndIsNotOverwritten)
{
    TempFolder folder;
    const auto file = folder / "Kolvex.ini";
    writeBytes(file, kHandEdited);
    std::filesystem::permissions(file, std::filesystem::perms::owner_write | std::filesystem::perms::others_write);
    EXPECT_EQ(asUnprivilegedUser([&] { return ProfileFile(file).read(kSection, kKey); }), "");
    EXPECT_EQ(asUnprivilegedUser([&] { return writeError(file); }), "Unable to write to " + file.string());
    EXPECT_EQ(readBytes(file), kHandEdited);
}

TEST(ProfileFile, AFolderInPlaceOfTheFileReadsEmptyAndCannotBeWritten)
{
    TempFolder folder;
    const auto file = folder / "Kolvex.ini";
    std::filesystem::create_directory(file);
    EXPECT_EQ(ProfileFile(file).read(kSection, kKey), "");
    EXPECT_EQ(writeError(file), "Unable to write to " + file.string());
}

TEST(ProfileFile, FileThatIsNotTextKeepsEveryByte)
{
    TempFolder folder;
    const auto file = folder / "Kolvex.ini";
    std::mt19937 random(7);
    std::string noise(64 * 1024, '\0');
    for (char& c : noise)
        c = char(random());
    noise.back() = '\0';
    writeBytes(file, noise);
    ProfileFile profile(file);
    EXPECT_EQ(profile.read(kSection, kKey), "");
    profile.write(kSection, kKey, "1");
    const std::string after = readBytes(file);
    ASSERT_GT(after.size(), noise.size());
    EXPECT_EQ(after.substr(0, noise.size()), noise);
    EXPECT_EQ(profile.read(kSection, kKey), "1");
}

// In memory: the sizes are tried here, not the disk.
TEST(ProfileFile, TenMegabyteFileIsReadAndWrittenWholeAndAHugeOneIsRefused)
{
    TempFolder folder(Medium::Memory);
    const auto file = folder / "Kolvex.ini";
    std::string big = "[Velka]\n";
    while (big.size() < 10 * 1024 * 1024)
        big += "klic" + std::to_string(big.size()) + "=hodnota hodnota hodnota hodnota\n";
    const std::string tail = "[Jina]\nx=1\n";
    writeBytes(file, big + "[Nastaveni]\nPomocnik=0\n" + tail);
    ProfileFile profile(file);
    EXPECT_EQ(profile.read(kSection, kKey), "0");
    profile.write(kSection, kKey, "1");
    EXPECT_EQ(readBytes(file), big + "[Nastaveni]\nPomocnik=1\n" + tail);
    EXPECT_EQ(profile.read(kSection, kKey), "1");

    // Four gigabytes are no settings: read as no file, never written.
    writeBytes(file, "[Nastaveni]\nPomocnik=1\n");
    constexpr std::uintmax_t huge = std::uintmax_t(4) << 30;
    std::filesystem::resize_file(file, huge);
    EXPECT_EQ(ProfileFile(file).read(kSection, kKey), "");
    EXPECT_EQ(writeError(file), "Unable to write to " + file.string());
    EXPECT_EQ(std::filesystem::file_size(file), huge);
}

TEST(ProfileFile, AWriteThatDoesNotFitFailsAndLeavesTheFileWhole)
{
    TempFolder folder;
    const auto file = folder / "Kolvex.ini";
    writeBytes(file, kHandEdited);
    // A child process whose files may not grow stands for a full disk.
    const pid_t child = ::fork();
    if (child == 0) {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{rlim_t(kHandEdited.size()), rlim_t(kHandEdited.size())};
        ::setrlimit(RLIMIT_FSIZE, &limit);
        const bool failedAsItShould
            = writeError(file, "a value long enough to grow the file") == "Unable to write to " + file.string();
        ::_exit(failedAsItShould ? 0 : 1);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    EXPECT_EQ(readBytes(file), kHandEdited);
}

TEST(ProfileFileCache, AFileDatedInTheFutureIsStillParsedOnce)
{
    TempFolder folder;
    const auto file = folder / "Kolvex.ini";
    writeBytes(file, "[Nastaveni]\nPomocnik=1\n");
    timespec nextYear = modifiedOf(file);
    nextYear.tv_sec += 365 * 24 * 3600;
    setModified(file, nextYear);
    std::this_thread::sleep_for(std::chrono::milliseconds(2100));
    ProfileFile profile(file);
    for (int read = 0; read < 100; ++read)
        ASSERT_EQ(profile.read(kSection, kKey), "1");
    EXPECT_EQ(profile.parses(), 1);
}

TEST(ProfileFileCache, AFreshFileIsParsedOnEveryRead)
{
    TempFolder folder;
    const auto file = folder / "Kolvex.ini";
    writeBytes(file, "[Nastaveni]\nPomocnik=1\n");
    ProfileFile profile(file);
    EXPECT_EQ(profile.read(kSection, kKey), "1");
    const timespec modified = modifiedOf(file);
    // Same size, same modification time: only the recent change betrays it.
    writeBytes(file, "[Nastaveni]\nPomocnik=0\n");
    setModified(file, modified);
    EXPECT_EQ(profile.read(kSection, kKey), "0");
    EXPECT_EQ(profile.parses(), 2);
}

TEST(ProfileFileCache, AQuietFileIsParsedOnceAndEveryChangeIsSeen)
{
    TempFolder folder;
    const auto file = folder / "Kolvex.ini";
    writeBytes(file, "[Nastaveni]\nPomocnik=1\n");
    std::this_thread::sleep_for(std::chrono::milliseconds(2100));
    ProfileFile profile(file);
    for (int read = 0; read < 100; ++read)
        ASSERT_EQ(profile.read(kSection, kKey), "1");
    EXPECT_EQ(profile.parses(), 1) << "an unchanged quiet file is parsed once";

    // A hand edit of the same size that even puts the old time back.
    const timespec modified = modifiedOf(file);
    writeBytes(file, "[Nastaveni]\nPomocnik=0\n");
    setModified(file, modified);
    EXPECT_EQ(profile.read(kSection, kKey), "0");

    // Another program replacing the file by a new one of the same size and time.
    const auto replacement = folder / "novy.ini";
    writeBytes(replacement, "[Nastaveni]\nPomocnik=2\n");
    setModified(replacement, modified);
    std::filesystem::rename(replacement, file);
    EXPECT_EQ(profile.read(kSection, kKey), "2");

    // Another writer of the same file.
    ProfileFile(file).write(kSection, kKey, "3");
    EXPECT_EQ(profile.read(kSection, kKey), "3");

    std::filesystem::remove(file);
    EXPECT_EQ(profile.read(kSection, kKey), "");
}

TEST(ProfileFile, AnEntryThatIsNoRegularFileIsRefusedWithoutWaiting)
{
    TempFolder folder;
    const auto file = folder / "Kolvex.ini";
    const auto makeFifo = [&] { ASSERT_EQ(::mkfifo(file.c_str(), 0666), 0); };
    const auto linkToZero = [&] { std::filesystem::create_symlink("/dev/zero", file); };
    for (const std::function<void()>& make : {std::function<void()>(makeFifo), std::function<void()>(linkToZero)}) {
        std::filesystem::remove(file);
        make();
        EXPECT_TRUE(inTime([&] {
            return ProfileFile(file).read(kSection, kKey).empty() && writeError(file) == "Unable to write to " + file.string();
        }));
        EXPECT_FALSE(std::filesystem::is_regular_file(file));
    }
}

// In memory: four hundred writes that would each wait for the disk.
TEST(ProfileFileWriters, TwoProcessesWritingAtOnceLoseNoKeyAndLeaveNoStrayByte)
{
    TempFolder folder(Medium::Memory);
    const auto file = folder / "Kolvex.ini";
    writeBytes(file, kHandEdited);
    constexpr int kWrites = 200;
    // Both start when the pipe closes, so that their writes interleave.
    int gate[2];
    ASSERT_EQ(::pipe(gate), 0);
    std::vector<pid_t> children;
    for (const bool ownSection : {true, false}) {
        const pid_t child = ::fork();
        if (child == 0) {
            ::close(gate[1]);
            char ignored = 0;
            [[maybe_unused]] const ssize_t end = ::read(gate[0], &ignored, 1);
            ProfileFile profile(file);
            for (int i = 0; i < kWrites; ++i) {
                if (ownSection)
                    profile.write("Vlastni", "klic" + std::to_string(i), std::to_string(i));
                else
                    profile.write(kSection, kKey, std::to_string(i % 2));
            }
            ::_exit(0);
        }
        children.push_back(child);
    }
    ::close(gate[0]);
    ::close(gate[1]);
    for (const pid_t child : children) {
        int status = 0;
        ::waitpid(child, &status, 0);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }
    const std::string bytes = readBytes(file);
    EXPECT_EQ(bytes.find('\0'), std::string::npos);
    ProfileFile profile(file);
    int kept = 0;
    for (int i = 0; i < kWrites; ++i)
        kept += profile.read("Vlastni", "klic" + std::to_string(i)) == std::to_string(i);
    EXPECT_EQ(kept, kWrites);
    EXPECT_EQ(profile.read(kSection, kKey), "1");
    EXPECT_EQ(profile.read("Pelikor", kKey), "9");
}

// In memory: on a disk nearly every kill would land in the wait for it.
TEST(ProfileFileWriters, AKillAtAnyPointLeavesTheOldFileOrTheNewOneThroughALinkWithItsMode)
{
    TempFolder folder(Medium::Memory);
    std::filesystem::create_directory(folder / "Jinde");
    const auto real = folder / "Jinde/nastaveni.ini";
    writeBytes(real, kHandEdited);
    ASSERT_EQ(::chmod(real.c_str(), 0640), 0);
    std::filesystem::create_symlink("Jinde/nastaveni.ini", folder / "Kolvex.ini");
    // A long value grows the file, a short one shrinks it again.
    const std::string values[] = {std::string(5000, 'x'), "0"};
    std::set<std::string> whole = {kHandEdited};
    for (const std::string& value : values)
        whole.insert(withProfileValue(kHandEdited, kSection, kKey, value));

    std::mt19937 random(11);
    for (int round = 0; round < 300; ++round) {
        const pid_t child = ::fork();
        if (child == 0) {
            try {
                ProfileFile profile(folder / "Kolvex.ini");
                for (int i = 0;; ++i)
                    profile.write(kSection, kKey, values[i % 2]);
            } catch (...) {
                ::_exit(1);
            }
        }
        std::this_thread::sleep_for(std::chrono::microseconds(random() % 4000));
        killAndReap(child);
        ASSERT_TRUE(std::filesystem::is_symlink(folder / "Kolvex.ini")) << "round " << round;
        ASSERT_TRUE(whole.contains(readBytes(real))) << "round " << round;
        ASSERT_EQ(std::filesystem::status(real).permissions(), std::filesystem::perms(0640)) << "round " << round;
    }
    ProfileFile(folder / "Kolvex.ini").write(kSection, kKey, "1");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder / "Jinde"), {}), 1)
        << "the temporary files of killed writers stayed";
}

TEST(ProfileFileCache, ALargeFileIsParsedOncePerChangeNotOncePerRead)
{
    TempFolder folder;
    const auto file = folder / "Kolvex.ini";
    std::string big = "[Velka]\n";
    while (big.size() < 1024 * 1024)
        big += "klic" + std::to_string(big.size()) + "=hodnota\n";
    writeBytes(file, big + "[Nastaveni]\nPomocnik=1\n");
    ProfileFile profile(file);
    for (int read = 0; read < 200; ++read)
        ASSERT_EQ(profile.read(kSection, kKey), "1");
    EXPECT_EQ(profile.parses(), 1) << "a fresh file is parsed again at every read";

    const timespec modified = modifiedOf(file);
    writeBytes(file, big + "[Nastaveni]\nPomocnik=0\n");
    setModified(file, modified);
    for (int read = 0; read < 200; ++read)
        ASSERT_EQ(profile.read(kSection, kKey), "0");
    EXPECT_EQ(profile.parses(), 2);
}
