#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <optional>
#include <string>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>
#include <utility>
#include <vector>

#include "link/firmware_container.h"
#include "link/md5.h"
#include "tests/link/firmware_file_builder.h"

namespace {

using fwfile::Bytes;
using fwfile::Loaded;
using Layout = FirmwareContainer;

constexpr char kUntouched[] = "untouched";

class ContainerTest : public ::testing::Test {
protected:
    Loaded load(const Bytes& file, uint32_t product_id)
    {
        return load_path(folder_.put("image.bin", file), product_id);
    }
    static Loaded load_path(const std::string& path, uint32_t product_id)
    {
        Loaded loaded;
        char text[64];
        std::strcpy(text, kUntouched);
        loaded.size = fw_image_load(path.c_str(), loaded.buffer, text, product_id);
        loaded.text = text;
        return loaded;
    }
    static void expect_accepted(const Loaded& loaded, const Bytes& file)
    {
        EXPECT_EQ(loaded.size, file.size());
        EXPECT_EQ(loaded.text, kUntouched) << "no text on success";
        ASSERT_TRUE(loaded.buffer);
        EXPECT_EQ(std::memcmp(loaded.buffer.get(), file.data(), file.size()), 0);
    }
    static void expect_corrupted(const Loaded& loaded)
    {
        EXPECT_EQ(loaded.size, 0u);
        EXPECT_EQ(loaded.text, kFirmwareCorrupted);
        EXPECT_FALSE(loaded.buffer);
    }

    fwfile::TempFolder folder_;
};

Bytes two_section_container(uint32_t container_product, bool extended, std::string header = "FW-IMAGE")
{
    return fwfile::make_container(
        {std::move(header), container_product, extended, {fwfile::pattern(300, 1), fwfile::pattern(77, 2)}});
}

size_t digest_offset(bool extended)
{
    return extended ? Layout::kExtendedEntryDigestOffset : Layout::kEntryDigestOffset;
}

// Changes one byte of the digest of the second section in the standard or the extended table.
void spoil_second_digest(Bytes& file, bool extended)
{
    file[fwfile::entry_position(2, extended, 1) + digest_offset(extended) + 5] ^= 0x40;
}

// Every container carries both tables here, so spoiling the one the product must not read proves
// which one it reads.
struct TableCase {
    uint32_t product;
    uint32_t container_product;
    bool reads_extended;
    std::string header;
};

TEST_F(ContainerTest, EachProductRuleReadsItsTable)
{
    const TableCase cases[] = {
        {0x6806, 0x6806, false, "FW-IMAGE"}, // between two listed ranges: standard
        {0x6805, 0x6805, true, "FW-IMAGE"},
        {0x6800, 0x6800, true, "FW-IMAGE"},
        {0x3142, 0x3142, true, "FW-IMAGE"},
        {0x1234, 0x1234, false, "FW-IMAGE"},
        {0x4210, 0x4220, false, "FW-IMAGE"},
        {0x4220, 0x0000, false, "FW-IMAGE"},
        {0x4210, 0x1111, false, std::string("FW\0junk", 7)}, // bytes after the NUL: product id not held
        {0x5451, 0x9999, true, "FW-IMAGE"},
        {0x3143, 0x3142, true, "FW-IMAGE"},
        {0x3233, 0x3233, true, "FW-IMAGE"},
        {0x3233, 0x3232, true, "Ro v1.2.3.1"},
    };
    for (const TableCase& c : cases) {
        SCOPED_TRACE(testing::Message() << std::hex << "product " << c.product << " container " << c.container_product);
        const Bytes file = two_section_container(c.container_product, true, c.header);

        Bytes unused_spoiled = file;
        spoil_second_digest(unused_spoiled, !c.reads_extended);
        expect_accepted(load(unused_spoiled, c.product), unused_spoiled);

        Bytes used_spoiled = file;
        spoil_second_digest(used_spoiled, c.reads_extended);
        expect_corrupted(load(used_spoiled, c.product));
    }
}

TEST_F(ContainerTest, ContainerOfAnotherProductIsRejected)
{
    const struct {
        uint32_t product;
        uint32_t container_product;
        std::string header;
    } cases[] = {
        {0x6806, 0x6805, "FW-IMAGE"},
        {0x3143, 0x3143, "FW-IMAGE"}, // only a 0x3142 container will do
        {0x4210, 0x1111, "FW-IMAGE"}, // zero-padded header: product id held
        {0x4220, 0x4230, "FW-IMAGE-WITH-24-CHARS!!"}, // full-length header: held too
        {0x3232, 0x3233, "FW-IMAGE"}, // the exception runs one way only
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << std::hex << "product " << c.product << " container " << c.container_product);
        const Bytes file = two_section_container(c.container_product, fw_uses_extended_table(c.product), c.header);
        expect_corrupted(load(file, c.product));
    }
}

TEST_F(ContainerTest, OlderContainerOfTheSisterProductNeedsTheVersionFloor)
{
    const struct {
        std::string header;
        bool accepted;
    } cases[] = {
        {"Ro v1.2.3.1", true}, // exactly the floor
        {"Ro v1.2.3.0", false},
        {"Ro v1.10.0.0", true},
        {"Rod1.2.4", true}, // "d" introduces a component; the fourth one missing counts 0
        {"Ro v1.2", false}, // 1.2.0.0
        {"v2", true},
        {"Rov.1.2.3.1", true}, // a marker not followed by a digit introduces nothing
        {"ABCDEFGHIJKLM.9", true}, // a marker at position 13 counts
        {"ABCDEFGHIJKLMN.9", false}, // one at position 14 does not
        {std::string("Ro v1\0.9.9.9", 12), false}, // the text ends at its NUL
        {"v99999999999999999999", true}, // long digit runs cannot overflow
        {"no version", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.header);
        const Bytes file = two_section_container(0x3232, true, c.header);
        const Loaded loaded = load(file, 0x3233);
        if (c.accepted)
            expect_accepted(loaded, file);
        else
            expect_corrupted(loaded);
    }
}

struct Damage {
    const char* what;
    uint32_t product;
    void (*apply)(Bytes& file);
    bool accepted;
};

void set_second_section(Bytes& file, uint32_t offset, uint32_t length, bool extended)
{
    const size_t entry = fwfile::entry_position(2, extended, 1);
    fwfile::put_le32(file, entry + Layout::kEntryOffsetField, offset);
    fwfile::put_le32(file, entry + Layout::kEntryLengthField, length);
}

// Points the first section at the header text so that it checks out before the file ends, then
// cuts the file inside the second entry's fields.
void cut_inside_second_entry(Bytes& file, bool extended)
{
    const size_t first = fwfile::entry_position(2, extended, 0);
    fwfile::put_le32(file, first + Layout::kEntryOffsetField, 0);
    fwfile::put_le32(file, first + Layout::kEntryLengthField, Layout::kHeaderTextSize);
    const Md5Digest header = md5_digest({file.data(), Layout::kHeaderTextSize});
    std::copy(header.begin(), header.end(), &file[first + digest_offset(extended)]);
    file.resize(fwfile::entry_position(2, extended, 1) + Layout::kEntryOffsetField + 2);
}

uint32_t second_section_length(const Bytes& file)
{
    const size_t field = fwfile::entry_position(2, false, 1) + Layout::kEntryLengthField;
    return uint32_t{file[field]} | uint32_t{file[field + 1]} << 8;
}

TEST_F(ContainerTest, DamagedOrHostileContainersAreCorruptedAndNeverReadOutside)
{
    const Damage cases[] = {
        {"intact", 0x6806, [](Bytes&) {}, true},
        {"second digest wrong", 0x6806, [](Bytes& f) { spoil_second_digest(f, false); }, false},
        {"second section one byte past the end", 0x6806,
         [](Bytes& f) {
             const uint32_t length = second_section_length(f);
             set_second_section(f, static_cast<uint32_t>(f.size() - length + 1), length, false);
         },
         false},
        {"offset plus length wraps", 0x6806, [](Bytes& f) { set_second_section(f, 0xFFFFFFFF, 2, false); }, false},
        {"offset far past the end", 0x6806, [](Bytes& f) { set_second_section(f, 0x7FFFFFF0, 0, false); }, false},
        {"huge count", 0x6806, [](Bytes& f) { fwfile::put_le32(f, Layout::kSectionCountOffset, 0x7FFFFFFF); }, false},
        {"huge count, extended table", 0x6800,
         [](Bytes& f) { fwfile::put_le32(f, Layout::kSectionCountOffset, 0x7FFFFFFF); }, false},
        {"standard table cut", 0x6806, [](Bytes& f) { cut_inside_second_entry(f, false); }, false},
        {"extended table cut", 0x6800, [](Bytes& f) { cut_inside_second_entry(f, true); }, false},
        {"shorter than the header", 0x6806, [](Bytes& f) { f.resize(Layout::kTableOffset - 1); }, false},
        {"empty file", 0x6806, [](Bytes& f) { f.clear(); }, false},
        {"count 0: no section checked", 0x6800,
         [](Bytes& f) {
             fwfile::put_le32(f, Layout::kSectionCountOffset, 0);
             spoil_second_digest(f, true);
         },
         true},
        {"negative count: no section checked", 0x6806,
         [](Bytes& f) {
             fwfile::put_le32(f, Layout::kSectionCountOffset, 0xFFFFFFFF);
             set_second_section(f, 0xFFFFFFFF, 2, false);
         },
         true},
        {"header only, count 0", 0x6806,
         [](Bytes& f) {
             f.resize(Layout::kTableOffset);
             fwfile::put_le32(f, Layout::kSectionCountOffset, 0);
         },
         true},
    };
    for (const Damage& c : cases) {
        SCOPED_TRACE(c.what);
        Bytes file = two_section_container(c.product, fw_uses_extended_table(c.product));
        c.apply(file);
        const Loaded loaded = load(file, c.product);
        if (c.accepted)
            expect_accepted(loaded, file);
        else
            expect_corrupted(loaded);
    }
}

// A container of product 0x6806 over these bytes whose standard table names each section with its
// correct digest.
struct Section {
    uint32_t offset, length;
};
Bytes container_naming(Bytes file, const std::vector<Section>& sections)
{
    fwfile::put_le32(file, Layout::kProductIdOffset, 0x6806);
    fwfile::put_le32(file, Layout::kSectionCountOffset, static_cast<uint32_t>(sections.size()));
    std::optional<std::pair<Section, Md5Digest>> last; // hashing each entry anew would take long
    for (size_t i = 0; i < sections.size(); ++i) {
        const Section& s = sections[i];
        if (!last || last->first.offset != s.offset || last->first.length != s.length)
            last.emplace(s, md5_digest({file.data() + s.offset, s.length}));
        const size_t entry = fwfile::entry_position(sections.size(), false, i);
        fwfile::put_le32(file, entry + Layout::kEntryOffsetField, s.offset);
        fwfile::put_le32(file, entry + Layout::kEntryLengthField, s.length);
        std::copy(last->second.begin(), last->second.end(), &file[entry + Layout::kEntryDigestOffset]);
    }
    return file;
}

TEST_F(ContainerTest, LargestLayoutsAreAcceptedAndARepeatedSectionIsNotHashedOverAndOver)
{
    // Many sections that fill the file after the table, in both table forms.
    for (const uint32_t product : {0x6806u, 0x6800u}) {
        std::vector<Bytes> sections;
        for (uint32_t i = 0; i < 4096; ++i)
            sections.push_back(fwfile::pattern(4096, i));
        const Bytes file = fwfile::make_container({"FW-IMAGE", product, fw_uses_extended_table(product), sections});
        expect_accepted(load(file, product), file);
    }

    // Sections may overlap as long as together they do not exceed the file: exactly its size is
    // accepted, one byte more is not.
    const Bytes bytes = fwfile::pattern(400, 3);
    const Bytes exactly = container_naming(bytes, {{200, 200}, {200, 200}});
    expect_accepted(load(exactly, 0x6806), exactly);
    expect_corrupted(load(container_naming(bytes, {{200, 200}, {200, 200}, {0, 1}}), 0x6806));

    // 8 MiB whose table names its upper 4 MiB some 130000 times, each time with the right digest:
    // checked entry by entry this hashes half a terabyte; it is refused before any hashing.
    constexpr uint32_t kHalf = 4u << 20;
    const size_t entries = (kHalf - Layout::kTableOffset) / Layout::kEntrySize;
    expect_corrupted(
        load(container_naming(fwfile::pattern(2 * size_t{kHalf}, 9), std::vector<Section>(entries, {kHalf, kHalf})),
             0x6806));
}

TEST_F(ContainerTest, FileThatCannotBeReadIsReportedByStep)
{
    // A path that cannot be examined leaves the caller's buffer alone.
    FirmwareBuffer kept(static_cast<uint8_t*>(std::malloc(4)));
    uint8_t* const before = kept.get();
    char text[64] = {};
    EXPECT_EQ(fw_image_load((folder_.path() / "missing.bin").c_str(), kept, text, 0x6806), 0u);
    EXPECT_STREQ(text, kFirmwareCannotAccess);
    EXPECT_EQ(kept.get(), before);

    // A folder can be examined and opened but not read.
    const Loaded folder = load_path(folder_.path().string(), 0x6806);
    EXPECT_EQ(folder.size, 0u);
    EXPECT_EQ(folder.text, kFirmwareCannotLoad);
    EXPECT_FALSE(folder.buffer);
}

TEST_F(ContainerTest, FileThatCannotBeOpenedIsReported)
{
    // A socket can be examined but not opened, whoever runs the test.
    const std::string path = (folder_.path() / "socket").string();
    const int listener = socket(AF_UNIX, SOCK_STREAM, 0);
    ASSERT_GE(listener, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    ASSERT_LT(path.size(), sizeof address.sun_path);
    std::strcpy(address.sun_path, path.c_str());
    ASSERT_EQ(bind(listener, reinterpret_cast<const sockaddr*>(&address), sizeof address), 0);

    const Loaded unopened = load_path(path, 0x6806);
    close(listener);
    EXPECT_EQ(unopened.size, 0u);
    EXPECT_EQ(unopened.text, kFirmwareCannotOpen);
    EXPECT_FALSE(unopened.buffer);
}

TEST(ExtendedTableProducts, ListHoldsItsTwoHundredElevenIds)
{
    int count = 0;
    for (uint32_t id = 0; id <= 0xFFFF; ++id)
        count += fw_uses_extended_table(id) ? 1 : 0;
    EXPECT_EQ(count, 211);
    for (uint32_t id : {0x3210u, 0x321Bu, 0x5597u, 0x6848u, 0x6A04u})
        EXPECT_TRUE(fw_uses_extended_table(id)) << std::hex << id;
    for (uint32_t id : {0x321Cu, 0x6806u, 0x6807u, 0x4210u, 0x4220u, 0x6A05u, 0x3142u | 0x8000u})
        EXPECT_FALSE(fw_uses_extended_table(id)) << std::hex << id;
}

} // namespace
