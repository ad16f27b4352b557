// The firmware update engine: a 1 MiB image written into a simulated headset with the HID image
// sequence (erase, 1019-byte blocks, verify, run loader, reconnect, result), a 1 MiB Airoha block
// in 58-byte chunks through the answer-length table, a 1 MiB QCC mesh module in 61-byte chunks over
// 65-byte reports, a whole update of the OEM mesh headset (a 1 MiB module and two 1 MiB Bluetooth
// blocks) and one of a voice-prompt headset with an Airoha module (a 1 MiB module block, Bluetooth
// image and voice-prompt image), a whole USB DFU update of a 1 MiB image into a plain-USB headset in
// its loader and into the two devices of the two-device product, under the virtual clock so that
// only the host's own work is measured; and the CRC-16 of the mesh and Airoha writes over 64 MiB.

#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <functional>

#include "link/hid_discovery.h"
#include "link/hid_protocol.h"
#include "tests/link/firmware_file_builder.h"
#include "tests/sim/bus.h"
#include "tests/sim/hid_headsets.h"
#include "tests/sim/usb_headsets.h"
#include "update/engine/hid/hid_image.h"
#include "update/engine/mesh/airoha_block.h"
#include "update/engine/mesh/crc16.h"
#include "update/engine/mesh/qcc_mesh_module.h"
#include "update/engine/run.h"
#include "update/engine/usb_dfu/usb_dfu_preparation.h"

namespace {

constexpr size_t kMiB = 1 << 20;

// The link's trace lines would be most of the work measured: standard output goes to /dev/null
// while the loop runs, and comes back for the report.
class QuietStandardOutput {
public:
    QuietStandardOutput()
        : saved_(dup(STDOUT_FILENO))
    {
        std::fflush(stdout);
        const int null = open("/dev/null", O_WRONLY);
        dup2(null, STDOUT_FILENO);
        close(null);
    }
    ~QuietStandardOutput()
    {
        std::fflush(stdout);
        dup2(saved_, STDOUT_FILENO);
        close(saved_);
    }

private:
    int saved_;
};

class NoBoxes : public kivo::UpdateHost {
public:
    int openMessageBoxWithMessage_warning_buttonCancel_buttonOK_withSize_forWhat(const std::string&, bool,
                                                                                 const std::optional<std::string>&,
                                                                                 const std::optional<std::string>&, int,
                                                                                 int) override
    {
        return 0;
    }
    int closeMessageBox(int) override { return 0; }
    void setOpenedMessageBox(bool) override { }
    bool openedMessageBox() const override { return false; }
    void waitUntilAnswered() override { }
    void startProcessingAnimation() override { }
    void stopProcessingAnimation() override { }
    bool skipRestoreBackupFile() const override { return false; }
    void setSkipRestoreBackupFile(bool) override { }
};

void BM_HidImageWrite(benchmark::State& state)
{
    std::vector<uint8_t> image(static_cast<size_t>(state.range(0)));
    for (size_t i = 0; i < image.size(); ++i)
        image[i] = static_cast<uint8_t>(i * 31 + 7);
    sim::Session session;
    sim::HeadsetPersona persona;
    persona.product_id = 0x5590;
    sim::PluggedHeadset headset = sim::plug_headset(persona);
    kivo::UpdateShared shared;
    NoBoxes host;
    kivo::UpdateInputs inputs;
    inputs.opener = hid_open_device;
    const QuietStandardOutput quiet;
    for (auto _ : state) {
        kivo::UpdateRun run(inputs, shared, host);
        uint32_t product = 0;
        std::array<char, 64> text{};
        if (hid_open_device(product, text) != 0 || !kivo::write_hid_image(run, {0, image}, kivo::kQccBtOnlyTags)) {
            state.SkipWithError("the image write failed");
            break;
        }
        hid_close_devices();
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * state.range(0));
}
BENCHMARK(BM_HidImageWrite)->Arg(kMiB)->Unit(benchmark::kMillisecond);

// One Airoha block of range(0) bytes through the table exchange: 18,079 chunks of 58 bytes a MiB,
// each answered with its CRC before the next goes. The physical link carries one 64-byte packet a
// millisecond each way, so about 36 s a MiB; the host's share should stay at 1 % of that or less.
void BM_Airoha68Block(benchmark::State& state)
{
    std::vector<uint8_t> data(static_cast<size_t>(state.range(0)));
    for (size_t i = 0; i < data.size(); ++i)
        data[i] = static_cast<uint8_t>(i * 29 + 3);
    kivo::ContainerEntry block;
    block.number = 1;
    block.type = 2;
    block.data = data;
    sim::Session session;
    NoBoxes host;
    kivo::UpdateInputs inputs;
    inputs.opener = hid_open_device;
    const QuietStandardOutput quiet;
    for (auto _ : state) {
        // A fresh headset each time: its transcript and its blocks would grow from run to run.
        state.PauseTiming();
        sim::bus().reset();
        sim::plug_headset(sim::airoha_68_headset());
        kivo::UpdateShared shared;
        state.ResumeTiming();
        kivo::UpdateRun run(inputs, shared, host);
        uint32_t product = 0;
        std::array<char, 64> text{};
        if (hid_open_device(product, text) != 0 || !kivo::write_airoha_block(run, block, {})) {
            state.SkipWithError("the block write failed");
            break;
        }
        hid_close_devices();
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * state.range(0));
}
BENCHMARK(BM_Airoha68Block)->Arg(kMiB)->Unit(benchmark::kMillisecond);

// One QCC mesh module of range(0) bytes over 65-byte reports: 17,190 chunks of 61 bytes a MiB, each
// a 65-byte report out (two 64-byte packets) and a 65-byte status back (two more) before the next
// goes. At one 64-byte packet a millisecond that is 4 ms a chunk, about 69 s a MiB on the physical
// link; the host's share should stay at 1 % of that or less.
void BM_MeshQcc65Module(benchmark::State& state)
{
    std::vector<uint8_t> module(static_cast<size_t>(state.range(0)));
    for (size_t i = 0; i < module.size(); ++i)
        module[i] = static_cast<uint8_t>(i * 37 + 11);
    sim::Session session;
    NoBoxes host;
    kivo::UpdateInputs inputs;
    const QuietStandardOutput quiet;
    for (auto _ : state) {
        // A fresh module each time: its transcript and its image would grow from run to run.
        state.PauseTiming();
        sim::bus().reset();
        sim::bus().plug(sim::make_module(sim::qcc_mesh_module()).device);
        kivo::UpdateShared shared;
        state.ResumeTiming();
        kivo::UpdateRun run(inputs, shared, host);
        uint32_t product = 0;
        std::array<char, 64> text{};
        if (hid_open_qcc_mesh(product, text) != 0 || !kivo::write_qcc_mesh_module(run, module)) {
            state.SkipWithError("the module write failed");
            break;
        }
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * state.range(0));
}
BENCHMARK(BM_MeshQcc65Module)->Arg(kMiB)->Unit(benchmark::kMillisecond);

// Whole updates on a fresh simulated bus each time (its transcripts would grow from run to run):
// `plug` puts the devices on it, and each run writes `copies` x range(0) bytes.
void time_whole_updates(benchmark::State& state, const kivo::UpdateInputs& inputs, const std::function<void()>& plug,
                        int copies)
{
    sim::Session session;
    NoBoxes host;
    const QuietStandardOutput quiet;
    for (auto _ : state) {
        state.PauseTiming();
        sim::bus().reset();
        plug();
        kivo::UpdateShared shared;
        state.ResumeTiming();
        kivo::threadMethodUpdate(inputs, shared, host);
        if (shared.progress().updateProcessed != 100) {
            state.SkipWithError("the update failed");
            break;
        }
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * copies * state.range(0));
}

// A whole update of the OEM mesh headset: its module (CRC-checked, in 58-byte chunks) and two
// Bluetooth blocks, each of range(0) bytes, from the firmware file to the success ending.
void BM_MeshBt31Update(benchmark::State& state)
{
    const auto size = static_cast<size_t>(state.range(0));
    const fwfile::TempFolder folder;
    std::vector<fwfile::Bytes> blocks = {fwfile::pattern(size, 1), fwfile::pattern(size, 2), fwfile::pattern(size, 3)};
    const std::vector<fwfile::BlockFields> fields = {{0, 6, {}}, {1, 7, {}}, {2, 8, {}}};
    kivo::UpdateInputs inputs;
    inputs.firmwareFile =
        folder.put("VARGO_Zeltra.img", fwfile::make_container({"v2.2", 0x3142, true, std::move(blocks), fields}));
    inputs.archiveFolder = folder.path() / "archive";
    inputs.opener = hid_open_device;
    inputs.session.deviceTarget = 0x3142;
    inputs.session.usbStatus = 0x3142;
    inputs.data.setDeviceRecognized(0x3142);
    inputs.data.setDeviceVersion01({2, 1, 0, 0});
    time_whole_updates(
        state, inputs, [] { sim::plug_headset(sim::oem_headset()); }, 3);
}
BENCHMARK(BM_MeshBt31Update)->Arg(kMiB)->Unit(benchmark::kMillisecond);

// A whole update of a voice-prompt headset with an Airoha module: its module's block in 58-byte
// chunks through the answer-length table, then the Bluetooth image and the voice-prompt image in
// 1019-byte blocks, each of range(0) bytes, the firmware file loaded once per stage (three times).
// The physical link: about 36 s a MiB for the module's chunks and about 16.5 s a MiB for the blocks
// (one 64-byte packet a millisecond), so about 69 s for the three.
void BM_MeshAirohaQccVpUpdate(benchmark::State& state)
{
    const auto size = static_cast<size_t>(state.range(0));
    const fwfile::TempFolder folder;
    std::vector<fwfile::Bytes> blocks = {fwfile::pattern(size, 4), fwfile::pattern(size, 5), fwfile::pattern(size, 6)};
    // The voice prompts 1.3, which the headset (12) does not hold; the module's block of type 1.
    const std::vector<fwfile::BlockFields> fields = {{0, 2, {}}, {1, 2, {1, 3}}, {2, 1, {}}};
    const sim::HeadsetPersona persona = sim::mesh_airoha_qcc_vp_headset();
    kivo::UpdateInputs inputs;
    inputs.firmwareFile = folder.put(
        "Pintra_Ossel.img", fwfile::make_container({"v1.7", persona.product_id, true, std::move(blocks), fields}));
    inputs.archiveFolder = folder.path() / "archive";
    inputs.opener = hid_open_device;
    inputs.session.deviceTarget = persona.product_id;
    inputs.session.usbStatus = persona.product_id;
    inputs.data.setDeviceRecognized(persona.product_id);
    inputs.data.setDeviceVersion01(
        {persona.version.major, persona.version.minor, persona.version.secondaryType, persona.version.secondary});
    time_whole_updates(
        state, inputs, [&persona] { sim::plug_headset(persona); }, 3);
}
BENCHMARK(BM_MeshAirohaQccVpUpdate)->Arg(kMiB)->Unit(benchmark::kMillisecond);

// A whole USB DFU update of an image of range(0) bytes into the devices of product range(1), found
// in their loader, strict to USB DFU 1.1 or (range(2) = 1) the maker's lenient loader: the DFU file
// loaded and its CRC checked, 1,025 DNLOAD blocks of 1023 bytes a MiB into each device, each with
// its status reads, the manifest wait, the final block, the manifest's status reads, and the end
// that waits for the devices to run their firmware again (the waits are virtual and cost nothing). The
// physical link is USB full speed: a MiB needs at least 0.70 s on the wire, more with the 10 ms
// after each block; the host's share should stay at 1 % of that, about 7 ms a MiB written.
void BM_UsbDfuUpdate(benchmark::State& state)
{
    const auto size = static_cast<size_t>(state.range(0));
    const auto product = static_cast<uint16_t>(state.range(1));
    const sim::DfuModeScope mode(state.range(2) != 0 ? sim::DfuMode::Lenient : sim::DfuMode::Strict);
    const bool two_devices = product == sim::kTwoDeviceProduct;
    const std::string model = kivo::dfu_model_text(product, product);
    const fwfile::TempFolder folder;
    kivo::UpdateInputs inputs;
    inputs.firmwareFile = folder.put("firmware.dfu", fwfile::make_dfu_image(model, size - 16 - model.size(), product));
    inputs.archiveFolder = folder.path() / "archive";
    inputs.session.deviceTarget = product;
    inputs.session.usbStatus = product | sim::kManagementModeBit;
    inputs.data.setDeviceRecognized(product);
    sim::UsbHeadsetPersona persona = sim::usb_headset(product, "Headset");
    persona.in_loader = true;
    time_whole_updates(
        state, inputs,
        [&] {
            if (two_devices)
                sim::plug_usb_pair(persona);
            else
                sim::bus().plug(sim::make_usb_headset(persona));
        },
        two_devices ? 2 : 1);
}
BENCHMARK(BM_UsbDfuUpdate)
    ->ArgNames({"bytes", "product", "lenient"})
    ->Args({kMiB, 0x4D10, 0})
    ->Args({kMiB, 0x5310, 0})
    ->Args({kMiB, 0x4D10, 1})
    ->MeasureProcessCPUTime()
    ->Unit(benchmark::kMillisecond);

void BM_Crc16Xmodem(benchmark::State& state)
{
    std::vector<uint8_t> bytes(static_cast<size_t>(state.range(0)));
    for (size_t i = 0; i < bytes.size(); ++i)
        bytes[i] = static_cast<uint8_t>(i * 131 + 17);
    for (auto _ : state)
        benchmark::DoNotOptimize(kivo::crc16_xmodem(bytes));
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * state.range(0));
}
BENCHMARK(BM_Crc16Xmodem)->Arg(64 * kMiB)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
