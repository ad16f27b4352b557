// The checked view of a firmware container: the entries it hands a transfer path lie inside the
// file and match their digests, in either table, whatever the loader checked.

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "link/firmware_container.h"
#include "link/md5.h"
#include "tests/link/firmware_file_builder.h"
#include "update/engine/container_view.h"

namespace {

using kivo::ContainerTable;
using Layout = FirmwareContainer;

const fwfile::Bytes kFirst = fwfile::pattern(700, 1);
const fwfile::Bytes kSecond = fwfile::pattern(300, 2);

fwfile::Bytes two_sections() { return fwfile::make_container({"v1.0", 0x5590, true, {kFirst, kSecond}}); }

size_t digest_of(ContainerTable table, size_t index)
{
    const bool block = table == ContainerTable::Block;
    return fwfile::entry_position(2, block, index) +
        (block ? Layout::kExtendedEntryDigestOffset : Layout::kEntryDigestOffset);
}

// Points an entry at other bytes of the file, with their digest.
void aim(fwfile::Bytes& file, ContainerTable table, size_t index, uint32_t offset, uint32_t length)
{
    const size_t entry = fwfile::entry_position(2, table == ContainerTable::Block, index);
    fwfile::put_le32(file, entry + Layout::kEntryOffsetField, offset);
    fwfile::put_le32(file, entry + Layout::kEntryLengthField, length);
    const Md5Digest digest = md5_digest({file.data() + offset, length});
    std::copy(digest.begin(), digest.end(), file.begin() + static_cast<std::ptrdiff_t>(digest_of(table, index)));
}

bool check(kivo::ContainerView& view, const fwfile::Bytes& file, std::vector<kivo::EntryNeed> needs)
{
    return view.check(fwfile::buffer_of(file), file.size(), needs);
}

} // namespace

TEST(ContainerView, HandsOutOnlyEntriesWhoseDataMatchesTheirDigest)
{
    struct Case {
        std::string name;
        ContainerTable table;
        std::function<void(fwfile::Bytes&)> change;
        bool accepted;
    };
    const std::vector<Case> cases = {
        {"sections intact", ContainerTable::Section, [](fwfile::Bytes&) {}, true},
        {"blocks intact", ContainerTable::Block, [](fwfile::Bytes&) {}, true},
        {"section digest wrong", ContainerTable::Section,
         [](fwfile::Bytes& f) { f[digest_of(ContainerTable::Section, 1)] ^= 1; }, false},
        {"block digest wrong", ContainerTable::Block,
         [](fwfile::Bytes& f) { f[digest_of(ContainerTable::Block, 1)] ^= 1; }, false},
        {"section digest missing", ContainerTable::Section,
         [](fwfile::Bytes& f) { std::fill_n(f.begin() + digest_of(ContainerTable::Section, 1), 16, 0); }, false},
        {"section data changed", ContainerTable::Section, [](fwfile::Bytes& f) { f.back() ^= 0x80; }, false},
        {"section moved onto the header", ContainerTable::Section,
         [](fwfile::Bytes& f) {
             fwfile::put_le32(f, fwfile::entry_position(2, false, 1) + Layout::kEntryOffsetField, 0);
             fwfile::put_le32(f, fwfile::entry_position(2, false, 1) + Layout::kEntryLengthField, Layout::kTableOffset);
         },
         false},
        // Each entry matches, but together they hash the file's sections twice over.
        {"blocks naming all sections each", ContainerTable::Block,
         [](fwfile::Bytes& f) {
             const auto data_start = static_cast<uint32_t>(fwfile::entry_position(2, true, 2));
             aim(f, ContainerTable::Block, 0, data_start, static_cast<uint32_t>(f.size()) - data_start);
             aim(f, ContainerTable::Block, 1, data_start, static_cast<uint32_t>(f.size()) - data_start);
         },
         false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        fwfile::Bytes file = two_sections();
        c.change(file);
        kivo::ContainerView view;
        EXPECT_EQ(check(view, file, {{c.table, kivo::kEveryEntry}}), c.accepted);
        const auto entry = [&](int i) { return c.table == ContainerTable::Block ? view.block(i) : view.section(i); };
        if (!c.accepted) {
            EXPECT_EQ(entry(0), nullptr) << "a view that failed holds nothing";
            EXPECT_EQ(view.count(), 0);
            continue;
        }
        ASSERT_NE(entry(1), nullptr);
        EXPECT_TRUE(std::equal(entry(0)->data.begin(), entry(0)->data.end(), kFirst.begin(), kFirst.end()));
        EXPECT_TRUE(std::equal(entry(1)->data.begin(), entry(1)->data.end(), kSecond.begin(), kSecond.end()));
    }
}

TEST(ContainerView, ChecksOnlyTheEntriesAskedFor)
{
    fwfile::Bytes file = two_sections();
    file[digest_of(ContainerTable::Block, 1)] ^= 1;
    file[digest_of(ContainerTable::Section, 0)] ^= 1;
    kivo::ContainerView view;
    // The broken entries are never handed out, so they do not stop the run ...
    ASSERT_TRUE(check(view, file, {{ContainerTable::Block, 0}, {ContainerTable::Section, 1}}));
    EXPECT_NE(view.block(0), nullptr);
    EXPECT_NE(view.section(1), nullptr);
    EXPECT_EQ(view.block(1), nullptr);
    EXPECT_EQ(view.section(0), nullptr);
    // ... an optional entry that is present must be intact all the same.
    EXPECT_FALSE(check(view, file, {{ContainerTable::Block, 1, false}}));
    EXPECT_TRUE(check(view, file, {{ContainerTable::Block, 2, false}}));
}

// A path that writes every entry of a table has nothing to write in a file without entries: no
// firmware, whatever else the file holds. A path that reads a table only where it has entries
// takes such a file.
TEST(ContainerView, EveryEntryOfATableWithoutEntriesIsRefused)
{
    fwfile::Bytes empty = fwfile::make_container({"v1.0", 0x5590, true, {}});
    for (const uint32_t count : {0u, 0xFFFFFFFFu}) {
        SCOPED_TRACE(static_cast<int32_t>(count));
        fwfile::put_le32(empty, Layout::kSectionCountOffset, count);
        kivo::ContainerView view;
        EXPECT_FALSE(check(view, empty, {{ContainerTable::Block, kivo::kEveryEntry}}));
        EXPECT_FALSE(check(view, empty, {{ContainerTable::Section, kivo::kEveryEntry}}));
        ASSERT_TRUE(check(view, empty, {{ContainerTable::Block, kivo::kEveryEntry, false}}));
        EXPECT_EQ(view.count(), 0);
    }
}
