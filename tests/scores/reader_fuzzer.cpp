// libFuzzer entry: every input is read both as a table and as an index.

#include "scores/core/DbaseError.h"
#include "scores/core/DbfFormat.h"
#include "scores/core/MdxFormat.h"
#include "scores/core/MdxReader.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

using namespace pelikor;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    try {
        const DbfTable table = dbf::parse(bytes, "fuzz.dbf");
        mdx::readTags(mdx::build(table, "fuzz"), "built.mdx");
    } catch (const DbaseError&) {
    }
    try {
        mdx::readTags(bytes, "fuzz.mdx");
    } catch (const DbaseError&) {
    }
    return 0;
}
