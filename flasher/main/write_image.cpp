// Writing an image: where it goes, which pages are erased, and which blocks are written.

#include <algorithm>
#include <cstdio>
#include <vector>

#include "flasher/main/actions.h"
#include "flasher/main/block_transfer.h"
#include "flasher/main/progress.h"
#include "flasher/main/ranges.h"
#include "flasher/stop_request.h"

namespace {

// A run of consecutive pages.
struct PageRun {
    uint32_t first;
    uint32_t count;
};

std::vector<PageRun> runs_of(const std::vector<bool>& pages)
{
    std::vector<PageRun> runs;
    for (uint32_t page = 0; page < pages.size(); ++page) {
        if (!pages[page])
            continue;
        if (!runs.empty() && runs.back().first + runs.back().count == page)
            ++runs.back().count;
        else
            runs.push_back({page, 1});
    }
    return runs;
}

// Where the image goes: -S, else page N (-s), else a HEX image's own base, else flash start.
bool write_address(const RunSession& s, const LoadedImage& image, uint32_t& address)
{
    const FlasherOptions& o = s.options;
    if (o.start_address != 0 || o.length != 0) {
        address = o.start_address;
        return true;
    }
    if (o.start_page != 0)
        return page_address(s.chip, o.start_page, address);
    address = image.hex && image.base != 0 ? image.base : s.chip.flash_start;
    return true;
}

// The erase plan of a flash write. False after a message.
bool plan_erase(const RunSession& s, const MemoryRange& range, std::vector<bool>& data_pages, std::vector<bool>& erase,
                bool& mass)
{
    const FlasherOptions& o = s.options;
    const uint32_t page_count = stm_flash_page_count(s.chip);
    erase.assign(page_count, false);
    mass = false;
    if (o.no_erase)
        return true;
    if (o.pages_to_erase != 0) {
        const uint32_t first = stm_flash_page_index(s.chip, range.address);
        if (uint64_t{first} + o.pages_to_erase > page_count) {
            std::fprintf(stderr, "Error: -e %u from page %u runs past the last page of flash (%u)\n", o.pages_to_erase,
                         first, page_count - 1);
            return false;
        }
        std::fill(erase.begin() + first, erase.begin() + first + o.pages_to_erase, true);
        const auto beyond = std::find(data_pages.begin() + first + o.pages_to_erase, data_pages.end(), true);
        if (beyond != data_pages.end()) {
            const auto last = std::find(data_pages.rbegin(), data_pages.rend(), true);
            std::fprintf(stderr,
                         "Warning: the image runs past the %u erased pages: pages %u to %u are written "
                         "without an erase\n",
                         o.pages_to_erase, static_cast<uint32_t>(beyond - data_pages.begin()),
                         static_cast<uint32_t>(data_pages.rend() - last - 1));
        }
    } else {
        erase = data_pages;
        mass = std::all_of(erase.begin(), erase.end(), [](bool b) { return b; });
        const uint32_t first = stm_flash_page_index(s.chip, range.address);
        const uint32_t page_start = stm_flash_page_start(s.chip, first);
        if (page_start != range.address)
            std::fprintf(stderr,
                         "Warning: 0x%08x is not at a page start: the bytes 0x%08x to 0x%08x of page %u are "
                         "erased too\n",
                         range.address, page_start, range.address - 1, first);
    }

    // The standard erase command names pages in one byte.
    const bool page_by_page = !mass || (s.chip.flags & CHIP_NO_MASS_ERASE) != 0;
    const auto last = std::find(erase.rbegin(), erase.rend(), true);
    const uint32_t last_page = static_cast<uint32_t>(erase.rend() - last - 1);
    if (s.connection->commands.erase == 0x43 && page_by_page && last != erase.rend() && last_page > 255) {
        std::fprintf(stderr, "Error: this bootloader's erase command (0x43) cannot name page %u (pages above 255)",
                     last_page);
        if ((s.chip.flags & CHIP_NO_MASS_ERASE) == 0)
            std::fputs("; erase the whole flash first with -o, then write with -w FILE -e 0", stderr);
        if ((s.chip.flags & CHIP_NO_MASS_ERASE) == 0 && (o.start_address != 0 || o.length != 0))
            std::fputs(" (-e 0 before -S)", stderr);
        std::fputs("\n", stderr);
        return false;
    }
    return true;
}

bool run_erase(const RunSession& s, const std::vector<bool>& erase, bool mass)
{
    const std::vector<PageRun> runs = runs_of(erase);
    if (runs.empty())
        return true;
    const uint32_t total = static_cast<uint32_t>(std::count(erase.begin(), erase.end(), true));
    Progress progress("Erasing", "Erased", ProgressUnit::Pages, runs.front().first, total);
    if (mass) {
        const bool ok = stm32_flash_erase(s.connection, 0, ERASE_MASS) == BOOT_OK;
        progress.update(total, total);
        progress.finish(ok);
        if (!ok && !flasher_stop_requested())
            std::fputs("Error: the mass erase failed\n", stderr);
        return ok;
    }
    uint32_t done = 0;
    for (const PageRun& run : runs) {
        progress.update(run.first, done);
        if (flasher_stop_requested() || stm32_flash_erase(s.connection, run.first, run.count) != BOOT_OK) {
            progress.finish(false);
            if (!flasher_stop_requested())
                std::fprintf(stderr, "Error: erasing pages %u to %u failed\n", run.first, run.first + run.count - 1);
            return false;
        }
        done += run.count;
    }
    progress.update(runs.back().first + runs.back().count, done);
    progress.finish(true);
    return true;
}

// The address spans to write: in flash every page that holds data from the file, whole (within
// the image), so that a page lying wholly in a gap is never written; in RAM the data extents.
std::vector<MemoryRange> write_spans(const RunSession& s, const MemoryRange& range, bool flash,
                                     const std::vector<ImageExtent>& extents, const std::vector<bool>& data_pages)
{
    std::vector<MemoryRange> spans;
    if (flash) {
        for (const PageRun& run : runs_of(data_pages)) {
            const uint32_t from = std::max(stm_flash_page_start(s.chip, run.first), range.address);
            const uint64_t to = std::min<uint64_t>(stm_flash_page_start(s.chip, run.first + run.count), range.end());
            spans.push_back({from, static_cast<uint32_t>(to - from)});
        }
        return spans;
    }
    for (const ImageExtent& e : extents) {
        const uint32_t from = range.address + (e.offset & ~3u);
        const uint32_t to = range.address + e.offset + e.length;
        if (!spans.empty() && spans.back().end() >= from)
            spans.back().length = std::max(to, static_cast<uint32_t>(spans.back().end())) - spans.back().address;
        else
            spans.push_back({from, to - from});
    }
    return spans;
}

bool run_write(const RunSession& s, const LoadedImage& image, const MemoryRange& range,
               const std::vector<MemoryRange>& spans)
{
    uint64_t total = 0;
    for (const MemoryRange& span : spans)
        total += span.length;
    const bool verify = s.options.verify;
    Progress progress(verify ? "Writing and verifying" : "Writing", verify ? "Wrote and verified" : "Wrote",
                      ProgressUnit::Bytes, range.address, total);
    BlockTransfer transfer(s.connection, s.options.retry_count);
    uint64_t done = 0;
    for (const MemoryRange& span : spans) {
        for (uint64_t address = span.address; address < span.end(); address += kBootBlockSize) {
            const uint32_t block = static_cast<uint32_t>(address);
            const size_t length = static_cast<size_t>(std::min<uint64_t>(kBootBlockSize, span.end() - address));
            const uint8_t* data = image.bytes.data() + (block - range.address);
            progress.update(block, done);
            if (!transfer.write(block, data, length) || (verify && !transfer.verify(block, data, length))) {
                progress.finish(false);
                return false;
            }
            done += length;
        }
    }
    progress.update(static_cast<uint32_t>(spans.back().end()), done);
    progress.finish(true);
    return true;
}

} // namespace

bool write_image(const RunSession& s, const LoadedImage& image)
{
    const FlasherOptions& o = s.options;
    const ChipDescriptor& chip = s.chip;
    uint32_t address = 0;
    if (!write_address(s, image, address))
        return false;

    // -S's length limits how much of the image is written.
    const uint32_t image_length = static_cast<uint32_t>(image.bytes.size());
    const uint32_t length = o.length != 0 ? std::min(o.length, image_length) : image_length;
    std::vector<ImageExtent> extents;
    for (const ImageExtent& e : image.extents)
        if (e.offset < length)
            extents.push_back({e.offset, std::min(e.length, length - e.offset)});
    if (extents.empty()) {
        std::fprintf(stderr, "Error: the image \"%s\" holds no data\n", o.file_name.c_str());
        return false;
    }

    const MemoryRange range{address, length};
    const bool flash = range_in_flash(chip, range);
    if (!flash && !range_in_ram(chip, range)) {
        const bool own_base = image.hex && address == image.base;
        std::fprintf(stderr,
                     "Error: %u bytes at 0x%08x lie outside the flash (0x%08x-0x%08x) and RAM (0x%08x-0x%08x) "
                     "of %s%s\n",
                     length, address, chip.flash_start, chip.flash_end, chip.ram_start, chip.ram_end, chip.name,
                     own_base ? "; give -S or -s to say where to write the image" : "");
        return false;
    }
    if (address % 4 != 0) {
        std::fprintf(stderr, "Error: the write address 0x%08x is not a multiple of 4\n", address);
        return false;
    }

    std::vector<bool> data_pages(flash ? stm_flash_page_count(chip) : 0, false);
    if (flash) {
        for (const ImageExtent& e : extents) {
            const PageSpan span = pages_holding(chip, {address + e.offset, e.length});
            std::fill(data_pages.begin() + span.first, data_pages.begin() + span.first + span.count, true);
        }
        std::vector<bool> erase;
        bool mass = false;
        if (!plan_erase(s, range, data_pages, erase, mass) || !run_erase(s, erase, mass))
            return false;
    }
    return run_write(s, image, range, write_spans(s, range, flash, extents, data_pages));
}
