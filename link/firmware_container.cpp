#include "link/firmware_container.h"

#include <algorithm>
#include <cstring>
#include <string_view>

#include "common/bounded_text.h"
#include "link/md5.h"

namespace {

using Layout = FirmwareContainer;

// A single id, or an inclusive range when last is given.
struct ProductRange {
    uint32_t first;
    uint32_t last = 0;
    bool holds(uint32_t id) const { return id == first || (first <= id && id <= last); }
};

constexpr ProductRange kExtendedTableProducts[] = {
    {0x3030}, {0x3032},         {0x3040}, {0x3050}, {0x3052}, {0x3060},         {0x3070},
    {0x3072}, {0x3080},         {0x3082}, {0x3085}, {0x3110}, {0x3112},         {0x3114},
    {0x3116}, {0x3118},         {0x3124}, {0x3126}, {0x3128}, {0x3132},         {0x3134},
    {0x3136}, {0x3140},         {0x3142}, {0x3143}, {0x3144}, {0x3146},         {0x3148},
    {0x3150}, {0x3152},         {0x3154}, {0x3156}, {0x3161}, {0x3170},         {0x3210, 0x321B},
    {0x321D}, {0x3223},         {0x3232}, {0x3233}, {0x3240}, {0x3260},         {0x3264},
    {0x3300}, {0x3310},         {0x3320}, {0x3330}, {0x3340}, {0x3341},         {0x3342},
    {0x3343}, {0x3350},         {0x3360}, {0x3370}, {0x3380}, {0x3400},         {0x3410},
    {0x3420}, {0x3430},         {0x3500}, {0x3540}, {0x3550}, {0x3560},         {0x3570},
    {0x3701}, {0x3800},         {0x4023}, {0x4050}, {0x4D06}, {0x4D16},         {0x4D76},
    {0x4D86}, {0x5320},         {0x5330}, {0x5410}, {0x5412}, {0x5414},         {0x5416},
    {0x5418}, {0x5420},         {0x5424}, {0x5426}, {0x5428}, {0x5430},         {0x5432},
    {0x5434}, {0x5440, 0x5445}, {0x5451}, {0x5510}, {0x5520}, {0x5522},         {0x5524},
    {0x5526}, {0x5530},         {0x5532}, {0x5534}, {0x5536}, {0x5538},         {0x5550},
    {0x5552}, {0x5553},         {0x5560}, {0x5562}, {0x5564}, {0x5570},         {0x5576},
    {0x5580}, {0x5590, 0x5597}, {0x5610}, {0x5611}, {0x5612}, {0x5620, 0x5624}, {0x5630},
    {0x5632}, {0x5710},         {0x5720}, {0x5910}, {0x5920}, {0x6010},         {0x6012},
    {0x6014}, {0x6016},         {0x6018}, {0x6026}, {0x6028}, {0x6030},         {0x6032},
    {0x6034}, {0x6036},         {0x6038}, {0x6039}, {0x6042}, {0x6112},         {0x6114},
    {0x6210}, {0x6310},         {0x6320}, {0x6330}, {0x6335}, {0x6400},         {0x6461},
    {0x6481}, {0x6491},         {0x6500}, {0x6510}, {0x6600}, {0x6610},         {0x6620},
    {0x6700}, {0x6800, 0x6805}, {0x6808}, {0x6810}, {0x6811}, {0x6812},         {0x6814, 0x6817},
    {0x6821}, {0x6822},         {0x6824}, {0x6825}, {0x6828}, {0x6829},         {0x6831},
    {0x6838}, {0x6839},         {0x683A}, {0x6840}, {0x6841}, {0x6845, 0x6848}, {0x6900},
    {0x6910}, {0x6A01, 0x6A04},
};

enum class SectionTable { standard, extended, rejected };

uint32_t read_le32(std::span<const uint8_t> bytes, size_t offset)
{
    return uint32_t{bytes[offset]} | uint32_t{bytes[offset + 1]} << 8 | uint32_t{bytes[offset + 2]} << 16 |
        uint32_t{bytes[offset + 3]} << 24;
}

std::string_view header_text(std::span<const uint8_t> file)
{
    const char* text = reinterpret_cast<const char*>(file.data());
    return {text, strnlen(text, Layout::kHeaderTextSize)};
}

// True when the header text fills all 24 bytes or only zeros follow its NUL.
bool header_zero_padded(std::span<const uint8_t> file)
{
    const size_t length = header_text(file).size();
    if (length == Layout::kHeaderTextSize)
        return true;
    const auto padding = file.subspan(length + 1, Layout::kHeaderTextSize - length - 1);
    return std::all_of(padding.begin(), padding.end(), [](uint8_t b) { return b == 0; });
}

bool is_digit(char c) { return c >= '0' && c <= '9'; }

// The firmware version in the first bytes of the header text: each ".", "v" or "d" at positions 0
// to 13 directly followed by digits introduces a component; the first four give
// a * 1000000 + b * 10000 + c * 100 + d, missing ones counting 0.
uint64_t header_version(std::string_view text)
{
    constexpr size_t kLastMarker = 13;
    constexpr size_t kMaxDigits = 9;
    uint64_t components[4] = {};
    size_t found = 0;
    for (size_t i = 0; i <= kLastMarker && i + 1 < text.size() && found < 4; ++i) {
        const char marker = text[i];
        if ((marker != '.' && marker != 'v' && marker != 'd') || !is_digit(text[i + 1]))
            continue;
        uint64_t value = 0;
        for (size_t j = i + 1, digits = 0; j < text.size() && is_digit(text[j]) && digits < kMaxDigits; ++j, ++digits)
            value = value * 10 + static_cast<uint64_t>(text[j] - '0');
        components[found++] = value;
    }
    return components[0] * 1'000'000 + components[1] * 10'000 + components[2] * 100 + components[3];
}

SectionTable table_for(uint32_t product, std::span<const uint8_t> file)
{
    const uint32_t container_product = read_le32(file, Layout::kProductIdOffset);
    const SectionTable by_product = fw_uses_extended_table(product) ? SectionTable::extended : SectionTable::standard;

    if (product == 0x4210 || product == 0x4220) {
        // Only a cleanly padded header is held to the product id.
        const bool product_fits = container_product == 0 || container_product == 0x4210 || container_product == 0x4220;
        return !header_zero_padded(file) || product_fits ? by_product : SectionTable::rejected;
    }
    if (product == 0x3233 && container_product == 0x3232)
        return header_version(header_text(file)) >= Layout::kVersionFloor ? by_product : SectionTable::rejected;
    if (product == 0x5451)
        return SectionTable::extended;
    if (product == 0x3143)
        return container_product == 0x3142 ? SectionTable::extended : SectionTable::rejected;
    return container_product == product ? by_product : SectionTable::rejected;
}

bool sections_intact(std::span<const uint8_t> file, SectionTable table)
{
    const auto count = static_cast<int32_t>(read_le32(file, Layout::kSectionCountOffset));
    if (count < 1)
        return true;

    const uint64_t entries = static_cast<uint64_t>(count);
    const uint64_t standard_end = Layout::kTableOffset + Layout::kEntrySize * entries;
    uint64_t table_start = Layout::kTableOffset;
    uint64_t entry_size = Layout::kEntrySize;
    uint64_t digest_offset = Layout::kEntryDigestOffset;
    if (table == SectionTable::extended) {
        table_start = standard_end;
        entry_size = Layout::kExtendedEntrySize;
        digest_offset = Layout::kExtendedEntryDigestOffset;
    }
    if (table_start + entry_size * entries > file.size())
        return false;

    auto entry_at = [&](uint64_t i) { return static_cast<size_t>(table_start + entry_size * i); };
    // Sections of a real container lie apart, so together they never exceed the file. A table that
    // names one large section again and again would have the file hashed once per entry: refuse it
    // before hashing anything.
    uint64_t checked_bytes = 0;
    for (uint64_t i = 0; i < entries; ++i) {
        const uint64_t offset = read_le32(file, entry_at(i) + Layout::kEntryOffsetField);
        const uint64_t length = read_le32(file, entry_at(i) + Layout::kEntryLengthField);
        checked_bytes += length;
        if (offset + length > file.size() || checked_bytes > file.size())
            return false;
    }
    for (uint64_t i = 0; i < entries; ++i) {
        const size_t entry = entry_at(i);
        const uint32_t offset = read_le32(file, entry + Layout::kEntryOffsetField);
        const uint32_t length = read_le32(file, entry + Layout::kEntryLengthField);
        const Md5Digest digest = md5_digest(file.subspan(offset, length));
        if (std::memcmp(digest.data(), file.data() + entry + digest_offset, digest.size()) != 0)
            return false;
    }
    return true;
}

} // namespace

bool fw_image_intact(std::span<const uint8_t> file, uint32_t product_id)
{
    if (file.size() < Layout::kTableOffset)
        return false;
    const SectionTable table = table_for(product_id, file);
    return table != SectionTable::rejected && sections_intact(file, table);
}

bool fw_uses_extended_table(uint32_t product_id)
{
    return std::any_of(std::begin(kExtendedTableProducts), std::end(kExtendedTableProducts),
                       [product_id](const ProductRange& range) { return range.holds(product_id); });
}

size_t fw_image_load(const char* path, FirmwareBuffer& buffer, std::span<char> text, uint32_t product_id)
{
    size_t size = 0;
    if (!firmware_file_read(path, buffer, size, text))
        return 0;
    if (!fw_image_intact({buffer.get(), size}, product_id)) {
        buffer.reset();
        kivo::copy_text(text, kFirmwareCorrupted);
        return 0;
    }
    return size;
}
