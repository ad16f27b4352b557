// Reading memory to a file, erasing pages, and the CRC of a range.

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

#include "flasher/image_reader.h"
#include "flasher/main/actions.h"
#include "flasher/main/block_transfer.h"
#include "flasher/main/progress.h"
#include "flasher/main/ranges.h"
#include "flasher/stop_request.h"

namespace {

// The file a read goes to: for a named file a temporary file beside it, renamed over it only once
// the whole range is in, so that an older file of that name is never lost.
class ReadOutput {
public:
    explicit ReadOutput(const std::string& target)
        : target_(target)
        , to_stdout_(target == "-")
    { }
    ~ReadOutput()
    {
        if (state_ != nullptr)
            raw_binary_reader.close(state_);
        if (!temporary_.empty())
            ::unlink(temporary_.c_str());
    }

    bool open()
    {
        std::string path = target_;
        if (!to_stdout_) {
            temporary_ = target_ + ".XXXXXX";
            const int fd = ::mkstemp(temporary_.data());
            if (fd < 0) {
                temporary_.clear();
                return fail();
            }
            ::close(fd);
            path = temporary_;
        }
        state_ = raw_binary_reader.init();
        return state_ != nullptr && (raw_binary_reader.open(state_, path.c_str(), true) == IMG_OK || fail());
    }

    bool write(const uint8_t* data, uint32_t length)
    {
        return raw_binary_reader.write(state_, data, length) == IMG_OK || fail();
    }

    bool commit()
    {
        raw_binary_reader.close(state_);
        state_ = nullptr;
        if (to_stdout_)
            return true;
        ::chmod(temporary_.c_str(), 0644);
        if (::rename(temporary_.c_str(), target_.c_str()) != 0)
            return fail();
        temporary_.clear();
        return true;
    }

private:
    bool fail()
    {
        if (!flasher_stop_requested())
            std::fprintf(stderr, "Error: cannot write \"%s\": %s\n", to_stdout_ ? "(standard output)" : target_.c_str(),
                         std::strerror(errno));
        return false;
    }

    std::string target_;
    bool to_stdout_;
    std::string temporary_;
    void* state_ = nullptr;
};

// count may be ERASE_MASS: the whole flash.
bool erase_pages(const RunSession& s, uint32_t first, uint32_t count)
{
    const bool mass = count == ERASE_MASS;
    const uint32_t pages = mass ? stm_flash_page_count(s.chip) : count;
    Progress progress("Erasing", "Erased", ProgressUnit::Pages, first, pages);
    const bool ok = stm32_flash_erase(s.connection, first, count) == BOOT_OK;
    progress.update(first + pages, pages);
    progress.finish(ok);
    if (!ok && !flasher_stop_requested()) {
        if (mass)
            std::fputs("Error: the erase of the whole flash failed\n", stderr);
        else
            std::fprintf(stderr, "Error: erasing pages %u to %u failed\n", first, first + count - 1);
    }
    return ok;
}

} // namespace

bool read_memory(const RunSession& s)
{
    MemoryRange range;
    if (!range_to_read(s.options, s.chip, range))
        return false;
    ReadOutput output(s.options.file_name);
    if (!output.open())
        return false;
    Progress progress("Reading", "Read", ProgressUnit::Bytes, range.address, range.length);
    BlockTransfer transfer(s.connection, s.options.retry_count);
    uint8_t block[kBootBlockSize];
    for (uint64_t address = range.address; address < range.end(); address += kBootBlockSize) {
        const uint32_t length = static_cast<uint32_t>(std::min<uint64_t>(kBootBlockSize, range.end() - address));
        progress.update(static_cast<uint32_t>(address), address - range.address);
        if (!transfer.read(static_cast<uint32_t>(address), block, length) || !output.write(block, length)) {
            progress.finish(false);
            return false;
        }
    }
    progress.update(static_cast<uint32_t>(range.end()), range.length);
    progress.finish(true);
    return output.commit();
}

bool erase_only(const RunSession& s)
{
    const FlasherOptions& o = s.options;
    const uint32_t page_count = stm_flash_page_count(s.chip);
    if (o.no_erase) {
        std::fputs("Error: -e 0 with -o erases nothing\n", stderr);
        return false;
    }
    if (o.start_address != 0 || o.length != 0) {
        const MemoryRange range{
            o.start_address,
            o.length != 0 ? o.length : (o.start_address < s.chip.flash_end ? s.chip.flash_end - o.start_address : 0)};
        if (range.length == 0 || !range_in_flash(s.chip, range)) {
            std::fprintf(stderr, "Error: %u bytes at 0x%08x lie outside the flash (0x%08x-0x%08x)\n", range.length,
                         range.address, s.chip.flash_start, s.chip.flash_end);
            return false;
        }
        const PageSpan span = pages_holding(s.chip, range);
        return erase_pages(s, span.first, span.count);
    }
    if (o.start_page == 0 && o.pages_to_erase == 0)
        return erase_pages(s, 0, ERASE_MASS);
    const uint32_t count = o.pages_to_erase != 0 ? o.pages_to_erase : page_count - std::min(o.start_page, page_count);
    if (o.start_page >= page_count || uint64_t{o.start_page} + count > page_count) {
        std::fprintf(stderr, "Error: pages %u to %llu run past the last page of flash (%u)\n", o.start_page,
                     static_cast<unsigned long long>(uint64_t{o.start_page} + std::max(count, 1u) - 1), page_count - 1);
        return false;
    }
    return erase_pages(s, o.start_page, count);
}

bool crc_of_memory(const RunSession& s)
{
    MemoryRange range;
    if (!range_to_read(s.options, s.chip, range))
        return false;
    uint32_t crc = 0;
    if (stm32_flash_crc(s.connection, range.address, range.length, crc) != BOOT_OK) {
        if (!flasher_stop_requested())
            std::fprintf(stderr, "Error: the CRC of %u bytes at 0x%08x failed\n", range.length, range.address);
        return false;
    }
    std::printf("CRC(0x%08x, %u) = 0x%08x\n", range.address, range.length, crc);
    std::fflush(stdout);
    return true;
}
