#pragma once
// Virtual headsets on the HID link: they answer the readiness and FM questions, tell their name,
// version and Bluetooth address (over 1023/67-byte reports, or over 62-byte reports for the
// families that speak those), keep every settings record written to them and answer reads from
// what they keep, and switch a separate module into its update mode, where the module shows up on
// the bus as a HID device of its own until it is sent back or its time is up. A headset made of two
// modules shows one HID interface per module; a headset whose update needs the user to act says
// when the user has.

#include <array>
#include <chrono>
#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "tests/sim/airoha_face.h"
#include "tests/sim/bus.h"
#include "tests/sim/headset_camera.h"
#include "tests/sim/hid_persona_parts.h"
#include "tests/sim/mesh_module.h"
#include "tests/sim/usb_headsets.h"

namespace sim {

// The second module of a headset made of two: a second HID interface of the same device, after
// the headset's own, with a loader face and a version of its own (it answers its version, the
// loader commands and, with success, anything else).
struct SecondModulePersona {
    VersionQuad version;
    std::vector<uint8_t> failingCommands;
    std::vector<CommandFault> commandFaults;
};

// A headset that takes its loader commands only in download mode: while it runs its normal
// firmware, 0x0E with no data (length 0 in bytes 2-3) is answered and makes it leave the bus and
// come back `away` later (never when empty), under `backAs` when set, in download mode; its loader
// commands (erase, blocks, verify, run loader) fail until then. Its run loader ends download mode.
struct DownloadModePersona {
    std::optional<kivo::Duration> away = std::chrono::seconds(2);
    std::optional<uint16_t> backAs;
};

// A headset whose download mode is on plain USB: 0x0E with no data is answered, and the headset
// leaves the HID bus and comes back `away` later (inside the path's 10-second pause) as `headset`:
// its HID interfaces gone, a plain-USB headset running its firmware, its DFU loader behind it.
struct PlainUsbDownloadMode {
    kivo::Duration away = std::chrono::seconds(2);
    UsbHeadsetPersona headset;
};

struct HeadsetPersona {
    uint16_t product_id = 0x3142;
    // Answered to every name read; empty: the name record has no words.
    std::string name;
    VersionQuad version;
    uint8_t languagePackType = 0;
    uint8_t languagePackMajor = 0;
    uint8_t languagePackMinor = 0;
    uint8_t readiness = 0; // byte 3 of the ready-state answer
    bool fmRadioShown = true; // byte 3 of the FM query answer
    // Overrides the word count the name answer claims (the words sent stay what fits).
    std::optional<int> nameWordCount;
    // Commands (byte 1, or byte 2 of 62-byte reports) answered with a failure status.
    std::vector<uint8_t> failingCommands;
    // Speaks the 62-byte report protocol (its settings records may still be the 1023/67-byte
    // ones: a headset answers both forms).
    bool shortReports = false;
    // The Bluetooth address, answered to the information command over either protocol.
    std::array<uint8_t, 6> bdAddress{0x00, 0x1B, 0x2C, 0x3D, 0x4E, 0x5F};
    // Settings records by record id, words in host order: a write (command 0x04) replaces the
    // record with its words, a read (0x03) answers them; a record never written has no words. The
    // OEM flags record (9) arrives least significant byte first, every other most significant
    // first; answers are always most significant byte first. A commit (0x11) is answered and
    // changes nothing.
    std::map<uint8_t, std::vector<uint16_t>> records;
    // The same over 62-byte reports: the data bytes by sub-record (a write keeps all 58).
    std::map<uint8_t, Bytes> shortRecords;
    // Records (and 62-byte sub-records) whose reads and writes fail (62-byte ones go unanswered).
    std::vector<uint8_t> failingRecords;
    // Overrides the word count every settings answer claims (the words sent stay what fits).
    std::optional<int> recordWordCount;
    // Switch commands: 0x0F (mesh module) and 0x50 (the OEM headset's module).
    std::optional<ModulePersona> module;
    // The headset itself leaves the bus when it switches its module over, and stays away.
    bool leavesForModule = false;

    // ---- The loader face (see tests/sim/README.md) ----
    // The value answered to the result command (0x0A).
    uint8_t dfuResult = 0;
    // After a loader restart (0x13) or a run loader (0x08) the headset leaves the bus leaveAfter
    // later and comes back when it has been away this long (never when empty).
    kivo::Duration leaveAfter = std::chrono::milliseconds(100);
    std::optional<kivo::Duration> awayAfterRestart = std::chrono::seconds(1);
    std::optional<kivo::Duration> awayAfterRunLoader = std::chrono::seconds(3);
    // Comes back from its run loader under this product id, when set: the id of the firmware it
    // now runs, which may be another product's.
    std::optional<uint16_t> backAsAfterRunLoader;
    // After a run loader its settings records become these, when set.
    std::optional<std::map<uint8_t, std::vector<uint16_t>>> factoryRecords;
    // Single occurrences of commands that go wrong, beside failingCommands (every occurrence).
    std::vector<CommandFault> commandFaults;

    // ---- The Airoha face (see tests/sim/README.md) ----
    // What a shortReports headset answers to the loader commands of its 62-byte reports. Its
    // restart after a run loader, its single-occurrence faults and its version marker are the
    // headset's (leaveAfter, awayAfterRunLoader, commandFaults, version).
    AirohaPersona airoha;

    // ---- Settings saves (see tests/sim/README.md) ----
    // Records (and 62-byte sub-records) whose writes fail while their reads still answer.
    std::vector<uint8_t> failingWrites;

    // ---- The user's steps (see tests/sim/README.md) ----
    // The instruction poll (0x0D) answers byte 3 = 0 until its n-th occurrence and 1 from then on
    // (never when empty).
    std::optional<int> instructionDoneAt;
    // After a run loader the ready-state answer does the same, counting from the run loader; when
    // empty it stays `readiness`, as before the run loader.
    std::optional<int> readyAfterRunLoaderAt;

    // ---- Two modules (see tests/sim/README.md) ----
    std::optional<SecondModulePersona> secondModule;

    // ---- Download mode (see tests/sim/README.md) ----
    std::optional<DownloadModePersona> downloadMode;
    std::optional<PlainUsbDownloadMode> plainUsbDownloadMode;

    // ---- A camera (see tests/sim/README.md) ----
    // Answers the camera commands 0x20 to 0x22 and shows its card while on.
    std::optional<CameraPersona> camera;

    // ---- Voice prompts (see tests/sim/README.md) ----
    // The mount status (0x80): its first mountStatusFailures answers fail with byte 3 =
    // mountStatusByte, the later ones succeed with byte 3 = 0.
    int mountStatusFailures = 0;
    uint8_t mountStatusByte = 1;
};

// The FM block the OEM headset keeps in record 0x15: written magic, 95.1 MHz on preset 2, presets
// 87.5, 95.1 and 101.7 MHz, RDS on, region 0.
inline const std::vector<uint16_t> kOemFmBlock = {0x66E9, 9510, 2, 8750, 9510, 10170, 0, 0, 0, 0, 0, 0, 0, 1, 0};

// The named personas (headset_personas.cpp) follow.
//
// The OEM headset: "VARGO Zeltra" 2.1, language pack 1 v1.0, its module 1.3 (product 0x3120), its
// FM block.
HeadsetPersona oem_headset();
// The same headset with settings of its own (its basic settings record 0x04, its FM record 0x15 as
// a write-back writes it, its flags record 0x09) beside other factory settings, which an update
// brings in: what a restore writes back shows, and then compares equal to what it had.
HeadsetPersona oem_headset_with_settings();

// The Airoha headsets: 62-byte reports, the Airoha face. 0x6800 ("Halvern Sarda" 1.2), which
// hid_open_device finds; 0x6A01 ("Halvern Nessel" 1.4), which it does not, and whose block 3 is
// read from its Qualcomm part (product 0x33F0, a plain headset of its own, plugged apart).
HeadsetPersona airoha_68_headset();
HeadsetPersona airoha_6a_headset();

// The Airoha mesh module: 0x3220 2.0 on the vendor interface, which a 0x0F switch brings up and
// which takes its block over 62-byte reports (the version read of every block number answered
// 2.0.0.0.0); after its run loader it leaves and comes back by itself 2 s later.
ModulePersona airoha_mesh_module();
// The headsets that carry it beside their Qualcomm part, which takes its images on the loader face:
// 0x5552 ("Branwick Vallo Q" 2.3), and 0x5630 ("Pintra Ossel" 1.6), which keeps its voice-prompt
// version 0.0.0.12 in record 0x3E (answer bytes 13 to 16: the record's fifth and sixth words).
HeadsetPersona mesh_airoha_qcc_headset();
HeadsetPersona mesh_airoha_qcc_vp_headset();
inline constexpr uint8_t kVoicePromptVersionRecord = 0x3E;
// The same module carried by 0x3210 ("Egrano" 1.5), whose 0x50 switch brings it up and whose
// Qualcomm part takes its Bluetooth blocks on the loader face.
HeadsetPersona mesh_then_bt32_headset();

// The QCC mesh module: 0x6511 1.2, which takes its image over 65-byte reports; after its run loader
// it leaves and comes back by itself 2 s later, until its headset's 0x10 sends it away.
ModulePersona qcc_mesh_module();
// The headsets that carry it, whose 0x0F switch brings it up: 0x6510 ("Morvik Kesso Duo" 1.4),
// asked for its ready state (`readiness`), and 0x3161 ("Tressel" 1.1), never asked, whose module
// shows up as 0x3160.
HeadsetPersona mesh_qcc65_headset();
HeadsetPersona mesh_qcc65_headset_3161();

// A camera-mesh headset without a camera: 0x3148 ("Ostrel Vane" 1.2) with the OEM headset's module
// (0x3120, 1.3, behind which it keeps its iM501 voice chip) and a unit-language record 0x04 of four
// words.
HeadsetPersona camera_mesh_headset();
// The same headset as 0x3232 ("Ostrel Tarsk"), with its camera and this card in the camera's slot.
HeadsetPersona camera_mesh_camera_headset(CameraCard& card);

// A headset whose older firmware takes an intermediate image before a newer one (0x3340), at 1.2;
// and one whose files carry a Bluetooth and a voice-prompt image (0x3342), at 1.0. Their loader
// faces are every headset's.
HeadsetPersona intermediate_image_headset();
HeadsetPersona voice_prompt_image_headset();

// Gives the headset three speed-dial numbers in every place a family keeps them: records 0x37 to
// 0x39 and 0x5A to 0x5C (one character a word) and 62-byte sub-records 5 to 7 (the text).
void keep_speed_dials(HeadsetPersona& persona, const std::array<std::string, 3>& numbers);

struct HeadsetState;

struct PluggedHeadset {
    std::shared_ptr<Device> headset;
    // Made at once, on the bus only while the headset has it switched over; null without a module.
    std::shared_ptr<Device> module;
    std::shared_ptr<HeadsetState> state;
    // Its HID interfaces as plugged, kept when the headset leaves the HID bus for plain USB.
    std::vector<std::shared_ptr<HidInterface>> interfaces;
    // The interface of the headset (0), or of its second module (1).
    HidInterface& hid(size_t interface_index = 0) const { return *interfaces.at(interface_index); }
    // What the headset holds now under a record id (empty: nothing) ...
    std::vector<uint16_t> record(uint8_t id) const;
    // ... and under a 62-byte sub-record.
    Bytes shortRecord(uint8_t sub_record) const;
    // The image the headset (or its second module) assembled from the blocks written since that
    // image id was erased.
    Bytes image(uint8_t image_id, size_t interface_index = 0) const;
    // The version it (or its second module) reports now.
    VersionQuad version(size_t interface_index = 0) const;
    // From now on the instruction poll answers "done" and the ready-state answer "ready": the
    // user's action at a virtual time, when a test schedules it with bus().schedule.
    void setInstructionDone() const;
    void setReady() const;
    // The module's image as it assembled it from the chunks it accepted since its erase, and the
    // version it reports now (its module persona's, or the marker of the image it last ran).
    Bytes moduleImage() const;
    // The iM501 image the module holds for its voice chip.
    Bytes im501Image() const;
    VersionQuad moduleVersion() const;
    // The blocks the Airoha face assembled, in the order erased (none without the face) ...
    std::vector<AirohaFace::Block> airohaBlocks() const;
    // ... and those of an Airoha module.
    std::vector<AirohaFace::Block> moduleAirohaBlocks() const;
    // Whether its camera is on (false without one), and the images it took from its card.
    bool cameraOn() const;
    std::vector<Bytes> cameraImages() const;
};

PluggedHeadset plug_headset(const HeadsetPersona& persona);

// The settings writes (command 0x04) written to an interface, in order: 1023-byte reports and
// 62-byte ones alike, as written.
std::vector<Bytes> settings_writes(const HidInterface& iface);

// The command of every output report written to an interface (byte 2 of 62-byte reports, else
// byte 1), in order.
std::vector<uint8_t> commands_sent(const HidInterface& iface);

// The output reports of one command (byte 1) written to an interface, in order, with their times.
std::vector<HidWrite> writes_of(const HidInterface& iface, uint8_t command);

} // namespace sim
