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

std::string writeForeignIndex(const fs::path& file, std::size_t blockPages, const std::vector<ForeignTag>& tags)
{
    using namespace pelikor::bytetext;
    const std::size_t block = blockPages * mdx::pageSize;
    std::string index(mdx::headerPages * mdx::pageSize + (2 * tags.size() + 1) * block, '\x5A'); // one block free
    std::fill_n(index.begin() + mdx::tagTableOffset, tags.size() * mdx::tagEntrySize, '\0');
    index.replace(0, 48, std::string("\x02\x5F\x0A\x0DPELKOR", 10) + std::string(38, '\0'));
    putU16(index, 20, std::uint16_t(blockPages));
    putU16(index, 22, std::uint16_t(block));
    index.replace(24, 3, "\x01\x30\x20"); // production index, 48 entries of 32 bytes
    putU16(index, 28, std::uint16_t(tags.size()));
    putU32(index, 32, std::uint32_t(index.size() / mdx::pageSize));
    putU32(index, 36, std::uint32_t((index.size() - block) / mdx::pageSize));
    for (std::size_t t = 0; t < tags.size(); ++t) {
        const ForeignTag& tag = tags[t];
        const std::size_t item = (tag.keyLength + 7) / 4 * 4, e = mdx::tagTableOffset + t * mdx::tagEntrySize;
        const std::size_t h = (mdx::headerPages + 2 * t * blockPages) * mdx::pageSize, leaf = h + block;
        putU32(index, e, std::uint32_t(h / mdx::pageSize));
        std::ranges::copy(tag.name, index.begin() + long(e + 4));
        putU32(index, h, std::uint32_t(leaf / mdx::pageSize));
        // Ours keep the filler where the format, the expression and the FOR
        // flag lie, which must not matter for them.
        if (std::ranges::none_of(mdx::tags, [&](mdx::Tag own) { return tag.name == mdx::tagName(own); })) {
            index[h + 8] = char(0x10 | tag.format);
            index[h + 23] = tag.format & 0x40 ? 1 : 0;
            index.replace(h + 24, tag.expression.size() + 1, tag.expression + '\0');
            index[h + 245] = tag.condition ? 1 : 0;
        }
        index[h + 9] = tag.keyType;
        putU16(index, h + 12, std::uint16_t(tag.keyLength));
        putU16(index, h + 14, std::uint16_t((block - 12) / item));
        putU16(index, h + 18, std::uint16_t(item));
        putU32(index, leaf, std::uint32_t(tag.keys.size()));
        putU32(index, leaf + 8 + tag.keys.size() * item, 0); // no pointer after the last key: a leaf
        for (std::size_t i = 0; i < tag.keys.size(); ++i) {
            putU32(index, leaf + 8 + i * item, tag.keys[i].second);
            index.replace(leaf + 12 + i * item, item - 4, tag.keys[i].first + std::string(item - 4 - tag.keyLength, '\0'));
        }
    }
    writeBytes(file, index);
    return index;
}

std::string writeForeignTable(const fs::path& dir, std::string_view indexName, std::size_t blockPages)
{
    DbfTable table;
    for (std::size_t i = 0; i < (blockPages * mdx::pageSize - 12) / 104; ++i)
        table.records.push_back({i == 1, "hrac " + std::to_string(i % 2), long(i % 3 * 10), "3", {}});
    std::vector<ForeignTag> tags;
    for (const mdx::Tag tag : mdx::tags) {
        const bool name = tag == mdx::Tag::Jmeno;
        ForeignTag& foreign = tags.emplace_back();
        foreign.name = foreign.expression = std::string(mdx::tagName(tag));
        foreign.keyType = mdx::tagKeyType(tag);
        foreign.keyLength = name ? 100 : mdx::numericKeyLength;
        for (auto number = std::uint32_t(table.records.size()); number > 0; --number) {
            const BestRecord& record = table.records[number - 1];
            foreign.keys.emplace_back(name ? mdx::characterKey(record.jmeno, 100) : mdx::numericKey(record.tahy), number);
        }
        std::ranges::stable_sort(foreign.keys, {}, &std::pair<std::string, std::uint32_t>::first);
    }
    writeBytes(dir / "Pelkor.dbf", dbf::serialize(table));
    return writeForeignIndex(dir / indexName, blockPages, tags);
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
