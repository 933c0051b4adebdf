#include "tests/scores/TestSupport.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <sys/wait.h>

using namespace pelikor;

namespace testing_support {

void createTable(const std::filesystem::path& dir)
{
    DbaseTable::createEmpty(dir, DbaseTable::tableName, DbaseTable::liveIndexName);
}

InstalledFolder::InstalledFolder() : data(app.path() / "Data"), zaloha(data / "Zaloha")
{
    std::filesystem::create_directories(zaloha);
    DbaseTable::createEmpty(zaloha, DbaseTable::tableName, DbaseTable::templateIndexName);
    createTable(data);
}

void openIn(DbaseTable& table, const std::filesystem::path& dir)
{
    table.setDatabaseName(dir);
    table.open();
}

void addRecord(DbaseTable& table, std::string_view name, long long tahy, std::string_view hra, std::string_view date)
{
    table.insert();
    table.setFieldText("JMENO", name);
    table.setFieldText("TAHY", std::to_string(tahy));
    table.setFieldText("HRA", hra);
    table.setFieldText("DATUM", date);
    table.post();
}

std::string runPython(const std::string& script)
{
    TempFolder dir;
    const auto file = dir.path() / "script.py";
    writeBytes(file, script);
    const std::string command = std::string(PELIKOR_PYTHON) + " " + file.string() + " 2>&1";
    FILE* pipe = ::popen(command.c_str(), "r");
    if (!pipe)
        throw std::runtime_error("cannot run python");
    std::string output;
    std::array<char, 4096> buffer{};
    while (const std::size_t n = std::fread(buffer.data(), 1, buffer.size(), pipe))
        output.append(buffer.data(), n);
    const int status = ::pclose(pipe);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "python failed:\n" << output;
    return output;
}

} // namespace testing_support
