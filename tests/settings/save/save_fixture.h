#pragma once
// The settings save driven directly on the simulated bus under the virtual clock: every save must
// leave no HID or USB handle open. Reports the device must receive are written out here byte by
// byte, from the report layouts, never through the code under test.

#include <gtest/gtest.h>

#include <array>
#include <chrono>
#include <cstdint>
#include <functional>
#include <set>
#include <utility>
#include <vector>

#include "link/usb_link.h"
#include "settings/save/save_run.h"
#include "tests/link/test_opener.h"
#include "tests/sim/bus.h"
#include "tests/sim/hid_headsets.h"
#include "tests/sim/ps_store.h"
#include "tests/sim/usb_headsets.h"

using Words = std::vector<uint16_t>;
using kivo::settings::SettingsSaveInput;

// What a case changes in the headset or in the save's input before the headset is plugged in.
using Arrange = std::function<void(sim::HeadsetPersona&, SettingsSaveInput&)>;
inline void as_recognized(sim::HeadsetPersona&, SettingsSaveInput&) { }

// A headset of the product at the version that answers everything and is ready.
inline sim::HeadsetPersona save_headset(uint16_t product, sim::VersionQuad version = {1, 0, 0, 0})
{
    sim::HeadsetPersona persona;
    persona.product_id = product;
    persona.name = "Trail Rider";
    persona.version = version;
    return persona;
}

class SaveTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_EQ(usb_link_start(), 0); }
    void TearDown() override { expect_nothing_left_open(); }

    void expect_nothing_left_open()
    {
        EXPECT_EQ(bus().open_hid_handles(), 0);
        EXPECT_EQ(bus().open_usb_handles(), 0);
    }

    // A fresh bus for the next case of a table.
    void start_over()
    {
        expect_nothing_left_open();
        bus().reset();
    }

    int save(const SettingsSaveInput& input) { return kivo::settings::threadMethodSave(input).result; }

    long long virtual_seconds() const
    {
        return std::chrono::duration_cast<std::chrono::seconds>(sim::bus().clock().now()).count();
    }

    sim::Bus& bus() { return session_.bus(); }

    // A fresh bus with a headset of the product at 2.1 plugged in, after the case has arranged it
    // and the input make_input gives for it.
    std::pair<sim::PluggedHeadset, SettingsSaveInput>
    plug_arranged(uint16_t product, const std::function<SettingsSaveInput(const sim::HeadsetPersona&)>& make_input,
                  const Arrange& arrange)
    {
        start_over();
        sim::HeadsetPersona persona = save_headset(product, {2, 1, 0, 0});
        SettingsSaveInput input = make_input(persona);
        arrange(persona, input);
        return {sim::plug_headset(persona), std::move(input)};
    }

    sim::Session session_;
};

inline FirmwareQuad quad_of(const sim::VersionQuad& v) { return {v.major, v.minor, v.secondaryType, v.secondary}; }

// The working copy the tests save: distinct settings words (word i is 0x1234 + 0x0101 * i), VOX,
// smart volume and camera words, a few named settings, a background volume and both OEM flags.
inline KIVOBluetoothDeviceData edited(KIVOBluetoothDeviceData record)
{
    for (int i = 0; i < KIVOBluetoothDeviceData::kBriskoWordCount; ++i)
        record.setBasicSettingBriskoAt_with(i, 0x1234 + 0x0101 * i);
    record.setBasicSettingPintraVOXSensitivity_with(0, 0x0A0B);
    record.setBasicSettingTavelSmartVolumeControl_with(0, 0x0C0D);
    for (int i = 0; i < KIVOBluetoothDeviceData::kCameraWordCount; ++i)
        record.setBasicSettingWispenCamera_with(i, 0x2100 + i);
    record.setHandsfreeVOX(1);
    record.setEdr(1);
    record.setSidetone(1);
    record.setBackgroundVolume(7);
    record.setVARGOFMRadio(1);
    record.setVARGOSmartphoneConnet(1);
    return record;
}

// The input of a save to that headset as recognition left it: the device and its first module at
// the headset's version, the edited working copy, the tests' opener.
inline SettingsSaveInput hid_input(const sim::HeadsetPersona& persona)
{
    SettingsSaveInput input;
    input.deviceTarget = persona.product_id;
    input.usbStatus = persona.product_id;
    input.data.setDeviceRecognized(persona.product_id);
    input.data.setDeviceVersion(quad_of(persona.version));
    input.data.setDeviceVersion01(quad_of(persona.version));
    input.dataCurrent = edited(input.data);
    input.opener = open_product(persona.product_id);
    return input;
}

// The input of a save to a plain-USB headset as recognition left it: its chip's product and
// firmware in the record, the working copy unchanged until a case edits it.
inline SettingsSaveInput usb_input_as_recognized(const sim::UsbHeadsetPersona& persona)
{
    SettingsSaveInput input;
    input.deviceTarget = persona.product_id;
    input.usbStatus = persona.product_id;
    input.data.setDeviceRecognized(persona.chip_id);
    input.data.setDeviceVersion(
        {persona.version_tenths / 10, persona.version_tenths % 10, persona.secondary_type, persona.secondary});
    input.dataCurrent = input.data;
    return input;
}

// A persistent-store key as a device received it.
struct KeyWrite {
    uint16_t key;
    Words words;
    bool operator==(const KeyWrite&) const = default;
};

// The two ways a store fails a key write: it refuses it, or answers as if done and keeps nothing.
inline constexpr std::array<std::pair<const char*, std::set<uint16_t> sim::PsStore::Faults::*>, 2> kKeyWriteFaults = {{
    {"refused", &sim::PsStore::Faults::read_only},
    {"not kept", &sim::PsStore::Faults::unkept},
}};

inline std::vector<KeyWrite> key_writes(const sim::Device& device)
{
    std::vector<KeyWrite> writes;
    for (const sim::PsWrite& write : sim::ps_writes(device))
        writes.push_back({write.key, write.words});
    return writes;
}

// ---- Reports as the device must receive them ----------------------------------------------

inline sim::Bytes long_report(uint8_t command, uint8_t record, uint8_t count)
{
    sim::Bytes report(1023, 0);
    report[0] = 0x01;
    report[1] = command;
    report[2] = record;
    report[3] = count;
    return report;
}

inline void put_words(sim::Bytes& report, size_t at, const Words& words, bool most_significant_first)
{
    for (size_t i = 0; i < words.size(); ++i) {
        const uint8_t high = static_cast<uint8_t>(words[i] >> 8), low = static_cast<uint8_t>(words[i] & 0xFF);
        report[at + 2 * i] = most_significant_first ? high : low;
        report[at + 2 * i + 1] = most_significant_first ? low : high;
    }
}

// A record write: count, words most significant byte first.
inline sim::Bytes write_report(uint8_t record, const Words& words)
{
    sim::Bytes report = long_report(0x04, record, static_cast<uint8_t>(words.size()));
    put_words(report, 4, words, true);
    return report;
}

// A write that carries more words than it counts: the counted ones most significant byte first,
// the rest least significant byte first.
inline sim::Bytes write_report_carrying(uint8_t record, const Words& words, size_t counted)
{
    sim::Bytes report = long_report(0x04, record, static_cast<uint8_t>(counted));
    put_words(report, 4, Words(words.begin(), words.begin() + static_cast<long>(counted)), true);
    put_words(report, 4 + 2 * counted, Words(words.begin() + static_cast<long>(counted), words.end()), false);
    return report;
}

// A record write whose words go least significant byte first (record 9).
inline sim::Bytes unswapped_write_report(uint8_t record, const Words& words)
{
    sim::Bytes report = long_report(0x04, record, static_cast<uint8_t>(words.size()));
    put_words(report, 4, words, false);
    return report;
}

// The commit of a written record: command 0x11, the committed record, the write's count and words
// least significant byte first.
inline sim::Bytes commit_report(uint8_t record, const Words& written)
{
    sim::Bytes report = long_report(0x11, record, static_cast<uint8_t>(written.size()));
    put_words(report, 4, written, false);
    return report;
}

inline sim::Bytes read_request(uint8_t record, uint8_t count) { return long_report(0x03, record, count); }

// A 62-byte write: 01, 60, write, then what it writes (a count or a sub-record) and zeros.
inline sim::Bytes short_write_report(uint8_t what)
{
    sim::Bytes report(62, 0);
    report[0] = 0x01;
    report[1] = 60;
    report[2] = 0x04;
    report[3] = what;
    return report;
}

// The 62-byte settings write: 3 words, least significant byte first.
inline sim::Bytes airoha_report(const Words& words)
{
    sim::Bytes report = short_write_report(3);
    put_words(report, 4, words, false);
    return report;
}

// The record reads, writes and commits an interface received, in order (the identity questions
// left out).
inline std::vector<sim::Bytes> record_reports(const sim::HidInterface& iface)
{
    std::vector<sim::Bytes> reports;
    for (const sim::Bytes& out : iface.outputs()) {
        const uint8_t command = out.size() == 62 ? out[2] : out[1];
        if (command == 0x03 || command == 0x04 || command == 0x11)
            reports.push_back(out);
    }
    return reports;
}
