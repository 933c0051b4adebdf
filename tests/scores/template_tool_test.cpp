#include "scores/core/DbaseTable.h"
#include "scores/core/MdxFormat.h"
#include "tests/scores/TestSupport.h"

#include <gtest/gtest.h>

#include <cstdlib>

using namespace pelikor;

using namespace testing_support;
namespace fs = std::filesystem;

namespace {

int runTool(const fs::path& zaloha, const fs::path& data, const std::string& extra = {})
{
    const std::string command = std::string(PELIKOR_TEMPLATE_TOOL) + " '" + zaloha.string() + "' '" + data.string()
        + "' " + extra + " 2>/dev/null";
    return std::system(command.c_str());
}

} // namespace

TEST(TemplateTool, WritesAnEmptyTemplateAndGivesAFreshFolderItsCopy)
{
    TempFolder app;
    const fs::path data = app.path() / "Data";
    const fs::path zaloha = data / "Zaloha";
    ASSERT_EQ(runTool(zaloha, data), 0);
    const std::string table = readBytes(zaloha / "Pelkor.dbf");
    const std::string index = readBytes(zaloha / "Pelkor.Mdx");
    EXPECT_EQ(readBytes(data / "Pelkor.dbf"), table);
    EXPECT_EQ(readBytes(data / "Pelkor.mdx"), index);
    EXPECT_EQ(dbf::parse(table, "t").records.size(), 0u);
    EXPECT_EQ(index, mdx::build(dbf::parse(table, "t"), "Pelkor"));

    // The reset accepts what the tool wrote.
    DbaseTable live;
    openIn(live, data);
    addRecord(live, "hráč", 3, "3", "1.1.2026");
    live.resetFromTemplate(zaloha);
    EXPECT_EQ(live.recordCount(), 0u);
}

TEST(TemplateTool, ARebuildNeverOverwritesAPlayersTable)
{
    TempFolder app;
    const fs::path data = app.path() / "Data";
    const fs::path zaloha = data / "Zaloha";
    fs::create_directories(data);
    DbaseTable::createEmpty(data, "PELKOR.DBF", "pelkor.MDX");
    DbaseTable live;
    openIn(live, data);
    addRecord(live, "hráč", 3, "3", "1.1.2026");
    const std::string table = readBytes(data / "PELKOR.DBF");
    const std::string index = readBytes(data / "pelkor.MDX");

    ASSERT_EQ(runTool(zaloha, data), 0);
    EXPECT_EQ(readBytes(data / "PELKOR.DBF"), table);
    EXPECT_EQ(readBytes(data / "pelkor.MDX"), index);
    EXPECT_FALSE(fs::exists(data / "Pelkor.dbf")) << "a second spelling of the table appeared";
    EXPECT_TRUE(fs::exists(zaloha / "Pelkor.Mdx"));
}

TEST(TemplateTool, ReportsAFolderItCannotUse)
{
    TempFolder app;
    writeBytes(app.path() / "file", "x");
    EXPECT_NE(runTool(app.path() / "file" / "Zaloha", app.path() / "Data"), 0);
    EXPECT_NE(runTool(app.path() / "Zaloha", app.path() / "Data", "extra"), 0);
}
