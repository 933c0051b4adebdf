#include "tests/scores/TestSupport.h"

#include "scores/core/ByteText.h"
#include "scores/core/MdxFormat.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <sys/wait.h>

using namespace pelikor;

namespace fs = std::filesystem;

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

std::string writeForeignTable(const fs::path& dir, std::string_view indexName, std::size_t blockPages)
{
    using namespace pelikor::bytetext;
    const std::size_t block = blockPages * mdx::pageSize, items[] = {104, 16};
    DbfTable table;
    for (std::size_t i = 0; i < (block - 12) / items[0]; ++i)
        table.records.push_back({i == 1, "hrac " + std::to_string(i % 2), long(i % 3 * 10), "3", {}});
    std::string file(mdx::headerPages * mdx::pageSize + 5 * block, '\x5A'); // two tags of two blocks, one free
    std::fill_n(file.begin() + mdx::tagTableOffset, 2 * mdx::tagEntrySize, '\0');
    file.replace(0, 48, std::string("\x02\x5F\x0A\x0DPELKOR", 10) + std::string(38, '\0'));
    putU16(file, 20, std::uint16_t(blockPages));
    putU16(file, 22, std::uint16_t(block));
    file.replace(24, 5, std::string("\x01\x30\x20\x00\x02", 5)); // production index, 48 entries of 32 bytes, 2 tags
    putU32(file, 32, std::uint32_t(file.size() / mdx::pageSize));
    putU32(file, 36, std::uint32_t((file.size() - block) / mdx::pageSize));
    for (const mdx::Tag tag : mdx::tags) {
        const std::size_t t = std::size_t(tag), item = items[t], e = mdx::tagTableOffset + t * mdx::tagEntrySize;
        const std::size_t h = (mdx::headerPages + 2 * t * blockPages) * mdx::pageSize, leaf = h + block;
        putU32(file, e, std::uint32_t(h / mdx::pageSize));
        std::ranges::copy(mdx::tagName(tag), file.begin() + long(e + 4));
        putU32(file, h, std::uint32_t(leaf / mdx::pageSize));
        file[h + 9] = mdx::tagKeyType(tag);
        putU16(file, h + 12, std::uint16_t(item - 4));
        putU16(file, h + 14, std::uint16_t((block - 12) / item));
        putU16(file, h + 18, std::uint16_t(item));
        std::vector<std::pair<std::string, std::uint32_t>> keys;
        for (auto number = std::uint32_t(table.records.size()); number > 0; --number) {
            const BestRecord& record = table.records[number - 1];
            keys.emplace_back(t == 0 ? mdx::characterKey(record.jmeno, 100) : mdx::numericKey(record.tahy), number);
        }
        std::ranges::stable_sort(keys, {}, &std::pair<std::string, std::uint32_t>::first);
        putU32(file, leaf, std::uint32_t(keys.size()));
        putU32(file, leaf + 8 + keys.size() * item, 0); // no pointer after the last key: a leaf
        for (std::size_t i = 0; i < keys.size(); ++i) {
            putU32(file, leaf + 8 + i * item, keys[i].second);
            file.replace(leaf + 12 + i * item, item - 4, keys[i].first);
        }
    }
    writeBytes(dir / "Pelkor.dbf", dbf::serialize(table));
    writeBytes(dir / indexName, file);
    return file;
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
