// Round trips through the settings page, offscreen in the whole application on the simulated bus:
// for every fixed-panel product the simulator can recognize, at one firmware of each band that
// changes the panel's rows, every row shown is set through its control to each of its columns,
// items or gain cells, saved, and read again from the device; the page must show what was set and
// the device must hold it.

#include <algorithm>
#include <cstdio>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "device/products/classic_panel.h"
#include "link/usb_products.h"
#include "recognition/usb_ps_keys.h"
#include "settings/page/stepper.h"
#include "settings/panel_visibility.h"
#include "tests/settings/page/settings_page_fixture.h"
#include "tests/sim/hid_headsets.h"
#include "tests/sim/usb_headsets.h"

using namespace kivo::settings;
using Record = KIVOBluetoothDeviceData;

namespace {

struct Firmware {
    int major;
    int minor;
};

// One firmware inside each band of the panel's rows.
const std::vector<Firmware> kEdrNoteBands = {{3, 9}, {4, 0}, {4, 1}, {4, 5}, {5, 1}};
const std::vector<Firmware> kEdrNoteBandsWithoutSidetone = {{3, 9}, {4, 0}, {4, 1}, {4, 5}};
const std::vector<Firmware> kEarlyEdrNoteBands = {{1, 1}, {1, 5}, {2, 1}};
const std::vector<Firmware> kNoiseControlLaterBands = {{1, 0}, {1, 1}};
const std::vector<Firmware> kAnyFirmware = {{1, 1}};

struct ProductBands {
    std::vector<int> products;
    std::vector<Firmware> firmware;
};

template <std::size_t N> std::vector<int> ids(const std::array<int, N>& set) { return {set.begin(), set.end()}; }

// Every product of the fixed panel with its bands; those the plain-USB link opens are plugged as
// plain-USB headsets, the others (the four that speak HID) as HID headsets.
std::vector<ProductBands> panel_products()
{
    return {
        {ids(kivo::kPanelC1Products), kEdrNoteBands},
        {ids(kivo::kPanelC3Products), kEdrNoteBands},
        {ids(kivo::kPanelC2Products), kEdrNoteBandsWithoutSidetone},
        {ids(kivo::kPanelEarlyEdrNoteProducts), kEarlyEdrNoteBands},
        {{kivo::kPanelNoiseControlLaterProduct}, kNoiseControlLaterBands},
        {ids(kivo::kPanelFiveRowShownProducts), kAnyFirmware},
        {ids(kivo::kPanelFourRowShownProducts), kAnyFirmware},
        {ids(kivo::kPanelThreeRowProducts), kAnyFirmware},
        {ids(kivo::kPanelPhoneVoxEdrProducts), kAnyFirmware},
        {ids(kivo::kPanelEdrA2dpProducts), kAnyFirmware},
        {{kivo::kPanelGainControlProduct}, kAnyFirmware},
        {ids(kivo::kPanelNoiseControlProducts), kAnyFirmware},
        {ids(kivo::kPanelPhoneVoxShownProducts), kAnyFirmware},
        {ids(kivo::kPanelSidetoneShownProducts), kAnyFirmware},
        {{kivo::kPanelRadioProduct}, kAnyFirmware},
    };
}

// Rows the device cannot keep, with the reason.
struct Unsavable {
    std::vector<int> products;
    Firmware below;
    ClassicRow row;
    const char* reason;
};
const Unsavable kUnsavable[] = {
    {{0x4D06, 0x4D16, 0x4D86},
     {1, 2},
     ClassicRow::PLC,
     "the handler keeps it in the named PLC setting, which their save (the two settings words) never "
     "writes, and the panel reads these products through getters that have no PLC"},
};

bool unsavable(int product, const Record& data, ClassicRow row)
{
    for (const Unsavable& u : kUnsavable)
        if (u.row == row && std::find(u.products.begin(), u.products.end(), product) != u.products.end() &&
            data.compareVersionUpToMinorWithMajor_Minor(u.below.major, u.below.minor) < 0)
            return true;
    return false;
}

// The bit of the basic settings word (key 654) behind a row, and the named setting read from it.
struct BasicWordBit {
    ClassicRow row;
    int bit;
    int (Record::*named)() const;
};
const BasicWordBit kBasicWordBits[] = {
    {ClassicRow::HandsfreeVOX, 0, &Record::handsfreeVOX},
    {ClassicRow::IntercomVOX, 1, &Record::intercomVOX},
    {ClassicRow::EDR, 2, &Record::edr},
    {ClassicRow::PLC, 4, &Record::plc},
    {ClassicRow::BitpoolRate, 5, &Record::bitpoolRate},
    {ClassicRow::MicrophoneBoost, 6, &Record::microphoneBoost},
    {ClassicRow::Sidetone, 8, &Record::sidetone},
    {ClassicRow::AdvancedNoiseControl, 9, &Record::advancedNoiseControl},
    {ClassicRow::AutoGainControl, 10, &Record::autoGainControl},
};

// The seconds the timeout field is given, pass by pass.
constexpr int kTimeouts[] = {3, 60, 17};
constexpr int kSecondsCleared = 42;

std::string name_of(int product, Firmware f)
{
    char text[32];
    std::snprintf(text, sizeof text, "0x%04X at %d.%d", product, f.major, f.minor);
    return text;
}

} // namespace

class SettingsRoundTrip : public SettingsPageTest {
protected:
    int choices(const PanelRowWidgets& row) const
    {
        switch (row.outlets->kind) {
        case ControlKind::Radio: return 2;
        case ControlKind::GainCells: return 3;
        case ControlKind::PopUp: return row.popUp->count();
        case ControlKind::Seconds: return static_cast<int>(std::size(kTimeouts));
        case ControlKind::None: return 0;
        }
        return 0;
    }

    // Sets the row through its control to its choice (clamped to what it has); returns what the
    // control must show afterwards.
    int act(PanelRowWidgets& row, int choice)
    {
        choice = std::min(choice, choices(row) - 1);
        switch (row.outlets->kind) {
        case ControlKind::Radio:
        case ControlKind::GainCells: row.group->button(choice)->click(); return choice;
        case ControlKind::PopUp:
            row.popUp->setCurrentIndex(choice);
            emit row.popUp->activated(choice);
            return choice;
        case ControlKind::Seconds:
            row.field->setText(QString::number(kTimeouts[choice]));
            emit row.field->returnPressed();
            return kTimeouts[choice];
        case ControlKind::None: break;
        }
        return -1;
    }

    void clearControl(PanelRowWidgets& row)
    {
        switch (row.outlets->kind) {
        case ControlKind::Radio:
        case ControlKind::GainCells:
            row.group->setExclusive(false);
            for (QAbstractButton* cell : row.group->buttons())
                cell->setChecked(false);
            row.group->setExclusive(true);
            break;
        case ControlKind::PopUp: row.popUp->setCurrentIndex(-1); break;
        // The field is the page's own check before every move; the stepper beside it is refilled
        // with it.
        case ControlKind::Seconds: row.stepper->setValue(kSecondsCleared); break;
        case ControlKind::None: break;
        }
    }

    int shown(const PanelRowWidgets& row) const
    {
        switch (row.outlets->kind) {
        case ControlKind::Radio:
        case ControlKind::GainCells: return row.group->checkedId();
        case ControlKind::PopUp: return row.popUp->currentIndex();
        case ControlKind::Seconds: return static_cast<int>(row.stepper->value());
        case ControlKind::None: break;
        }
        return -1;
    }

    // What the device's persistent store holds agrees with the record read from it.
    void expectStoreHolds(const sim::Device& device, const std::vector<ClassicRow>& rows)
    {
        const Record& data = app().data();
        const auto& keys = device.usb.ps_store->keys;
        auto word = [&](uint16_t key) -> std::optional<uint16_t> {
            const auto it = keys.find(key);
            return it == keys.end() || it->second.empty() ? std::nullopt : std::optional(it->second[0]);
        };
        const bool vox_keys = (kivo::product_in(kivo::kPanelC1Products, data.deviceRecognized()) ||
                               kivo::product_in(kivo::kPanelC2Products, data.deviceRecognized()) ||
                               kivo::product_in(kivo::kPanelC3Products, data.deviceRecognized())) &&
            data.compareVersionUpToMinorWithMajor_Minor(4, 0) < 0;
        for (ClassicRow row : rows) {
            SCOPED_TRACE(classic_row(row).name);
            if (row == ClassicRow::RadioTransmitGain) {
                EXPECT_EQ(word(kivo::ps_key::kRadioTransmitGain), data.radioTransmitGain());
            }
            if (row == ClassicRow::AudioChannelTimeout) {
                EXPECT_EQ(word(kivo::ps_key::kAudioChannelTimeout), data.audioChannelTimeout() * 1000);
            }
            if (vox_keys && row == ClassicRow::IntercomVOX) {
                EXPECT_EQ(word(kivo::ps_key::kIntercomVox), data.intercomVOX());
            }
            if (vox_keys && row == ClassicRow::HandsfreeVOX) {
                EXPECT_EQ(word(kivo::ps_key::kPhoneVox), data.handsfreeVOX());
            }
            if (vox_keys)
                continue;
            for (const BasicWordBit& b : kBasicWordBits) {
                if (b.row != row)
                    continue;
                ASSERT_TRUE(word(kivo::ps_key::kBasicSettings).has_value());
                EXPECT_EQ((*word(kivo::ps_key::kBasicSettings) >> b.bit) & 1, (data.*b.named)());
            }
        }
    }

    // Every row shown goes through each of its choices: set, saved, read again, shown and held.
    void roundTrip(int product, const std::function<void()>& expectDeviceHolds)
    {
        readAndEnter(product);
        if (HasFatalFailure())
            return;
        std::vector<ClassicRow> rows;
        for (ClassicRow row : rows_of(classic_visibility(product, app().data())))
            if (classic_row(row).kind != ControlKind::None)
                rows.push_back(row);
        ASSERT_FALSE(rows.empty());
        int passes = 0;
        for (ClassicRow row : rows)
            passes = std::max(passes, choices(page().outlets().row(row)));

        for (int pass = 0; pass < passes; ++pass) {
            SCOPED_TRACE("choice " + std::to_string(pass));
            std::map<ClassicRow, int> set;
            for (ClassicRow row : rows)
                set[row] = act(page().outlets().row(row), pass);
            // Each control must be filled again from what the device is read to hold.
            auto clear = [&] {
                for (ClassicRow row : rows)
                    clearControl(page().outlets().row(row));
            };
            if (ui().btnSave->isEnabled()) {
                ui().btnSave->click();
                clear();
                run_events_until([&] { return page().rcThreadSave() != kSaveRunning; });
                ASSERT_EQ(page().rcThreadSave(), kSaveSucceeded);
                waitUntilIdle();
                ASSERT_EQ(app().mode(), kModeSettings);
            } else {
                // Nothing the page counts as changed: the device is read again all the same.
                app().setDeviceSelection();
                ASSERT_EQ(app().mode(), kModeHome);
                clear();
                readAndEnter(product);
                if (HasFatalFailure())
                    return;
            }
            for (ClassicRow row : rows) {
                if (!unsavable(product, app().data(), row)) {
                    EXPECT_EQ(shown(page().outlets().row(row)), set[row]) << classic_row(row).name;
                }
            }
            EXPECT_FALSE(ui().btnSave->isEnabled());
            expectDeviceHolds();
            if (!device_)
                continue;
            expectStoreHolds(*device_, rows);
        }
    }

    std::shared_ptr<sim::Device> device_;
};

TEST_F(SettingsRoundTrip, EveryPanelRowOfEveryPlainUsbHeadsetIsSavedAndReadBack)
{
    int plugged = 0;
    for (const ProductBands& bands : panel_products()) {
        for (const int product : bands.products) {
            if (!usb_product_table_contains(DEVICE_VENDOR_ID, static_cast<uint16_t>(product)))
                continue;
            for (const Firmware f : bands.firmware) {
                SCOPED_TRACE(name_of(product, f));
                sim::UsbHeadsetPersona persona = sim::usb_headset(static_cast<uint16_t>(product), "Aldero");
                persona.version_tenths = static_cast<uint16_t>(f.major * 10 + f.minor);
                persona.intercom_vox = 0;
                persona.phone_vox = 0;
                persona.edr_off = false;
                device_ = sim::bus().plug(sim::make_usb_headset(persona));
                roundTrip(product, [] {});
                sim::bus().unplug(*device_);
                ++plugged;
                if (HasFatalFailure())
                    return;
            }
        }
    }
    EXPECT_GE(plugged, 100);
}

TEST_F(SettingsRoundTrip, EveryPanelRowOfTheHidHeadsetsIsSavedAndReadBack)
{
    struct Case {
        int product;
        std::vector<Firmware> firmware;
    };
    const Case cases[] = {{0x4D06, kEarlyEdrNoteBands},
                          {0x4D16, kEarlyEdrNoteBands},
                          {0x4D86, kEarlyEdrNoteBands},
                          {0x4D76, kAnyFirmware}};
    for (const Case& c : cases) {
        ASSERT_FALSE(usb_product_table_contains(DEVICE_VENDOR_ID, static_cast<uint16_t>(c.product)));
        for (const Firmware f : c.firmware) {
            SCOPED_TRACE(name_of(c.product, f));
            sim::HeadsetPersona persona;
            persona.product_id = static_cast<uint16_t>(c.product);
            persona.name = "Trail Rider";
            persona.version = {static_cast<uint8_t>(f.major), static_cast<uint8_t>(f.minor), 0, 0};
            // Recognition asks these to say "ready".
            persona.readiness = 1;
            const sim::PluggedHeadset headset = sim::plug_headset(persona);
            device_.reset();
            roundTrip(c.product, [&] {
                // The settings record holds the two settings words the page read back.
                const std::vector<uint16_t> record = headset.record(0x36);
                ASSERT_GE(record.size(), 2u);
                for (int i = 0; i < 2; ++i)
                    EXPECT_EQ(record[static_cast<size_t>(i)], app().data().basicSettingBrisko(i)) << i;
            });
            sim::bus().unplug(*headset.headset);
            if (HasFatalFailure())
                return;
        }
    }
}
