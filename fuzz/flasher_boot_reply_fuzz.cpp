// libFuzzer entry point: the bootloader client reading arbitrary device replies through the fake
// port under the virtual clock. The first input byte picks the port's flags and the init byte; the
// rest is every byte the "device" sends, after which it stays silent. Beyond not crashing: an open
// connection names the chip of its product id and holds only codes its slots accept, and no input
// keeps the client waiting longer than its limits allow.

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "flasher/boot_protocol.h"
#include "tests/flasher/fake_port.h"

namespace {

sim::VirtualClock fuzz_clock;

bool slot_accepts(uint8_t slot_value, std::initializer_list<uint8_t> codes)
{
    if (slot_value == STM32_CMD_NONE)
        return true;
    for (const uint8_t code : codes)
        if (code == slot_value)
            return true;
    return false;
}

bool command_set_sound(const BootCommandSet& s)
{
    return slot_accepts(s.get, {0x00}) && slot_accepts(s.gvr, {0x01}) && slot_accepts(s.gid, {0x02}) &&
        slot_accepts(s.read, {0x11}) && slot_accepts(s.go, {0x21}) && slot_accepts(s.write, {0x31, 0x32}) &&
        slot_accepts(s.erase, {0x43, 0x44, 0x45}) && slot_accepts(s.write_protect, {0x63, 0x64}) &&
        slot_accepts(s.write_unprotect, {0x73, 0x74}) && slot_accepts(s.readout_protect, {0x82, 0x83}) &&
        slot_accepts(s.readout_unprotect, {0x92, 0x93}) && slot_accepts(s.checksum, {0xA1});
}

} // namespace

// Run with -close_fd_mask=2: the client's messages would drown the fuzzer's own output.
extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    kivo::install_clock(&fuzz_clock);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0)
        return 0;
    const uint32_t flags = (data[0] & 1) != 0 ? 0x0F : 0x0E;
    flasher_test::FakePort port(fuzz_clock, flags);
    port.reply(std::vector<uint8_t>(data + 1, data + size));
    const auto start = fuzz_clock.now();

    BootConnection* connection = stm32_connect(port.port(), (data[0] & 2) != 0);
    if (connection != nullptr) {
        if (connection->chip == nullptr || connection->chip->product_id != connection->product_id ||
            !command_set_sound(connection->commands))
            std::abort();
        std::vector<uint8_t> block(256);
        stm32_mem_read(connection, connection->chip->flash_start, block.data(), block.size());
        stm32_mem_write(connection, connection->chip->ram_start, block.data(), 5);
        stm32_flash_erase(connection, 1, 3);
        stm32_flash_erase(connection, 0, ERASE_MASS);
        uint32_t crc = 0;
        stm32_flash_crc(connection, connection->chip->flash_start, 1024, crc);
        stm32_flash_readout_unprotect(connection);
        stm32_resynchronise(connection);
        stm32_reboot_target(connection);
    }
    stm32_disconnect(connection);

    // Every wait is bounded: nothing here may take the client an hour of (virtual) time.
    if (fuzz_clock.now() - start > std::chrono::hours(1))
        std::abort();
    return 0;
}
