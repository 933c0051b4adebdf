#include "scores/core/DbaseTable.h"
#include "scores/core/MdxReader.h"
#include "tests/scores/TestSupport.h"

#include <gtest/gtest.h>

#include <sstream>

using namespace pelikor;

using namespace testing_support;

namespace {

struct Sample {
    std::string name;
    int tahy;
    std::string hra;
    std::string date; // day.month.year, or empty
    std::string iso;  // what an independent reader gives back
};

const std::vector<Sample> samples = {
    {"Příliš žluťoučký kůň", 1, "3", "8.1.2026", "2026-01-08"},
    {"Ďábelské Ódy", 32, "10", "15.3.2026", "2026-03-15"},
    {"", 5, "4", "29.2.2024", "2024-02-29"},
    {std::string(100, 'W'), 7, "9", "31.12.1999", "1999-12-31"},
    {"Šárka Řeháková", 2, "5", "", "None"},
};

std::string expectedLines()
{
    std::ostringstream out;
    for (const Sample& s : samples)
        out << s.name << '|' << s.tahy << '|' << s.hra << '|' << s.iso << '\n';
    return out.str();
}

std::string pythonPath(const std::filesystem::path& file)
{
    return "r'" + file.string() + "'";
}

// A fresh table in dir holding every sample, stored through the engine.
void storeSamples(const std::filesystem::path& dir)
{
    createTable(dir);
    DbaseTable table;
    openIn(table, dir);
    for (const Sample& s : samples)
        addRecord(table, s.name, s.tahy, s.hra, s.date);
}

} // namespace

TEST(IndependentReaders, DbfreadReadsEveryRecordAndFieldWeStored)
{
    TempFolder dir;
    storeSamples(dir.path());

    const std::string output = runPython(
        "import sys, dbfread\n"
        "sys.stdout.reconfigure(encoding='utf-8')\n"
        "t = dbfread.DBF(" + pythonPath(dir.path() / "Pelkor.dbf") + ")\n"
        "assert t.encoding == 'cp1250', t.encoding\n"
        "assert [f.name for f in t.fields] == ['JMENO', 'TAHY', 'HRA', 'DATUM']\n"
        "assert [(f.type, f.length, f.decimal_count) for f in t.fields] == "
        "[('C', 100, 0), ('N', 3, 0), ('C', 2, 0), ('D', 8, 0)]\n"
        "for r in t:\n"
        "    d = r['DATUM'].isoformat() if r['DATUM'] else 'None'\n"
        "    print('%s|%d|%s|%s' % (r['JMENO'], r['TAHY'], r['HRA'], d))\n");
    EXPECT_EQ(output, expectedLines());
}

TEST(IndependentReaders, PythonDbfReadsEveryRecordAndFieldWeStored)
{
    TempFolder dir;
    storeSamples(dir.path());

    const std::string output = runPython(
        "import sys, dbf\n"
        "sys.stdout.reconfigure(encoding='utf-8')\n"
        "t = dbf.Table(" + pythonPath(dir.path() / "Pelkor.dbf") + ")\n"
        "t.open()\n"
        "assert t.codepage.name == 'cp1250', t.codepage\n"
        "assert t.field_names == ['jmeno', 'tahy', 'hra', 'datum'], t.field_names\n"
        "for r in t:\n"
        "    d = r.datum\n"
        "    d = 'None' if not d else d.strftime('%Y-%m-%d')\n"
        "    print('%s|%d|%s|%s' % (r.jmeno.rstrip(), r.tahy, r.hra.rstrip(), d))\n"
        "t.close()\n");
    EXPECT_EQ(output, expectedLines());
}

TEST(IndependentReaders, ATableWrittenByPythonDbfOpensAndGetsItsIndex)
{
    TempFolder dir;
    runPython(
        "import dbf, datetime\n"
        "t = dbf.Table(" + pythonPath(dir.path() / "Pelkor.dbf") + ", "
        "'JMENO C(100); TAHY N(3,0); HRA C(2); DATUM D', dbf_type='db3', codepage='cp1250')\n"
        "t.open(dbf.READ_WRITE)\n"
        "t.append(('Žofie', 4, '3', datetime.date(2026, 1, 8)))\n"
        "t.append(('Adam', 2, '3', datetime.date(2025, 12, 24)))\n"
        "t.append(('Cizí hra', 1, '10', None))\n"
        "t.close()\n");
    ASSERT_FALSE(std::filesystem::exists(dir.path() / "Pelkor.mdx"));

    DbaseTable table;
    openIn(table, dir.path());
    const auto tags = mdx::readTags(readBytes(dir.path() / "Pelkor.mdx"), "Pelkor.mdx");
    ASSERT_EQ(tags.size(), 2u);
    EXPECT_EQ(tags[1].entries.size(), 3u);
    table.setFiltered(true);
    table.setFilter("HRA = '3'");
    table.setIndexFieldNames("TAHY");
    table.first();
    EXPECT_EQ(table.fieldText("JMENO"), "Adam");
    EXPECT_EQ(table.fieldText("DATUM"), "24.12.2025");
    table.next();
    EXPECT_EQ(table.fieldText("JMENO"), "Žofie");
    EXPECT_EQ(table.fieldInt("TAHY"), 4);
    addRecord(table, "Třetí", 3, "3", "9.1.2026");

    const std::string output = runPython(
        "import sys, dbfread\n"
        "sys.stdout.reconfigure(encoding='utf-8')\n"
        "for r in dbfread.DBF(" + pythonPath(dir.path() / "Pelkor.dbf") + "):\n"
        "    print('%s|%d|%s|%s' % (r['JMENO'], r['TAHY'], r['HRA'], r['DATUM']))\n");
    EXPECT_EQ(output, "Žofie|4|3|2026-01-08\nAdam|2|3|2025-12-24\nCizí hra|1|10|None\nTřetí|3|3|2026-01-09\n");
}
