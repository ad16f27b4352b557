// What the run tells about the chip: one identity line always, the full report without an action.

#include <cstdio>
#include <string>

#include "flasher/main/actions.h"

namespace {

std::string size_text(uint64_t bytes)
{
    char text[32];
    if (bytes % 1024 == 0)
        std::snprintf(text, sizeof text, "%llu KiB", static_cast<unsigned long long>(bytes / 1024));
    else
        std::snprintf(text, sizeof text, "%llu bytes", static_cast<unsigned long long>(bytes));
    return text;
}

// The flash pages as runs of equal sizes: "4 x 16 KiB, 1 x 64 KiB, 7 x 128 KiB".
std::string page_layout(const ChipDescriptor& chip)
{
    std::string text;
    const uint32_t pages = stm_flash_page_count(chip);
    uint32_t run_size = 0;
    uint32_t run_count = 0;
    auto flush = [&] {
        if (run_count == 0)
            return;
        if (!text.empty())
            text += ", ";
        text += std::to_string(run_count) + " x " + size_text(run_size);
    };
    for (uint32_t page = 0; page < pages; ++page) {
        const uint32_t size = stm_flash_page_start(chip, page + 1) - stm_flash_page_start(chip, page);
        if (size != run_size) {
            flush();
            run_size = size;
            run_count = 0;
        }
        ++run_count;
    }
    flush();
    return text;
}

void print_command(const char* name, uint8_t code)
{
    if (code != STM32_CMD_NONE)
        std::printf(" %s=0x%02x", name, code);
}

} // namespace

void print_identity(const BootConnection& c)
{
    std::fprintf(stderr, "Chip 0x%03x (%s), bootloader %u.%u\n", c.product_id, c.chip->name, c.bootloader_version >> 4,
                 c.bootloader_version & 0x0F);
}

void print_device_report(const BootConnection& c)
{
    const ChipDescriptor& chip = *c.chip;
    std::printf("Chip id:            0x%03x\n", c.product_id);
    std::printf("Chip:               %s\n", chip.name);
    std::printf("Bootloader version: %u.%u\n", c.bootloader_version >> 4, c.bootloader_version & 0x0F);
    std::printf("GVR version:        %u.%u\n", c.version >> 4, c.version & 0x0F);
    std::printf("Option bytes:       0x%02x 0x%02x\n", c.option_byte_1, c.option_byte_2);
    std::printf("Commands:          ");
    const BootCommandSet& s = c.commands;
    print_command("get", s.get);
    print_command("gvr", s.gvr);
    print_command("gid", s.gid);
    print_command("read", s.read);
    print_command("go", s.go);
    print_command("write", s.write);
    print_command("erase", s.erase);
    print_command("write-protect", s.write_protect);
    print_command("write-unprotect", s.write_unprotect);
    print_command("readout-protect", s.readout_protect);
    print_command("readout-unprotect", s.readout_unprotect);
    print_command("checksum", s.checksum);
    std::printf("\n");
    std::printf("RAM:                0x%08x-0x%08x (%s)\n", chip.ram_start, chip.ram_end,
                size_text(chip.ram_end - chip.ram_start).c_str());
    std::printf("Flash:              0x%08x-0x%08x (%s, %u pages: %s)\n", chip.flash_start, chip.flash_end,
                size_text(chip.flash_end - chip.flash_start).c_str(), stm_flash_page_count(chip),
                page_layout(chip).c_str());
    std::printf("Option bytes range: 0x%08x-0x%08x\n", chip.option_bytes_start, chip.option_bytes_end);
    std::printf("System memory:      0x%08x-0x%08x\n", chip.system_memory_start, chip.system_memory_end);
    std::fflush(stdout);
}
