#include "settings/panel_visibility.h"

#include <array>
#include <initializer_list>
#include <span>

#include "device/products/classic_panel.h"
#include "settings/table/firmware_range.h"

namespace kivo::settings {
namespace {

using R = ClassicRow;

constexpr unsigned long rows(std::initializer_list<ClassicRow> list)
{
    unsigned long mask = 0;
    for (ClassicRow row : list)
        mask |= 1ul << row_bit(row);
    return mask;
}

using namespace range_parts;

struct VisibilityRow {
    std::span<const int> products;
    FirmwareRange firmware;
    unsigned long shown;
};

// clang-format off
constexpr unsigned long kEdrNoteRows = rows({R::IntercomVOX, R::HandsfreeVOX, R::EDR, R::EDRNote});
constexpr unsigned long kPlcRows = kEdrNoteRows | rows({R::PLC});
constexpr unsigned long kA2dpNoteRows = kPlcRows | rows({R::BitpoolRate});
constexpr unsigned long kFourRows = rows({R::IntercomVOX, R::HandsfreeVOX, R::EDR, R::BitpoolRate});
constexpr unsigned long kFiveRows = kFourRows | rows({R::Sidetone});

constexpr std::array kNoiseControlLater = {kPanelNoiseControlLaterProduct};
constexpr std::array kGainControl = {kPanelGainControlProduct};
constexpr std::array kRadioProduct = {kPanelRadioProduct};

// The sets are disjoint, and disjoint from the all-settings table families.
constexpr std::array<VisibilityRow, 29> kVisibility = {{
    {kPanelC1Products, below(4, 0), kEdrNoteRows},
    {kPanelC1Products, between(4, 0, 4, 1), kPlcRows},
    {kPanelC1Products, between(4, 1, 4, 2), kA2dpNoteRows | rows({R::MicrophoneBoost})},
    {kPanelC1Products, between(4, 2, 5, 0), kFourRows | rows({R::MicrophoneBoost})},
    {kPanelC1Products, from(5, 0), kFiveRows | rows({R::MicrophoneBoost})},
    {kPanelC3Products, below(4, 0), kEdrNoteRows},
    {kPanelC3Products, between(4, 0, 4, 1), kPlcRows},
    {kPanelC3Products, between(4, 1, 4, 2), kA2dpNoteRows},
    {kPanelC3Products, between(4, 2, 5, 0), kFourRows},
    {kPanelC3Products, from(5, 0), kFiveRows},
    {kPanelC2Products, below(4, 0), kEdrNoteRows},
    {kPanelC2Products, between(4, 0, 4, 1), kPlcRows},
    {kPanelC2Products, between(4, 1, 4, 2), kA2dpNoteRows},
    {kPanelC2Products, from(4, 2), kFourRows},
    {kPanelEarlyEdrNoteProducts, below(1, 2), rows({R::HandsfreeVOX, R::EDR, R::EDRNote, R::PLC})},
    {kPanelEarlyEdrNoteProducts, between(1, 2, 2, 0), rows({R::HandsfreeVOX, R::EDR, R::BitpoolRate})},
    {kPanelEarlyEdrNoteProducts, from(2, 0), rows({R::HandsfreeVOX, R::EDR, R::BitpoolRate, R::Sidetone})},
    {kNoiseControlLater, below(1, 1), kFiveRows},
    {kNoiseControlLater, from(1, 1), kFiveRows | rows({R::AdvancedNoiseControl})},
    {kPanelFiveRowShownProducts, kAnyFirmware, kFiveRows},
    {kPanelFourRowShownProducts, kAnyFirmware, rows({R::HandsfreeVOX, R::EDR, R::BitpoolRate, R::Sidetone})},
    {kPanelThreeRowProducts, kAnyFirmware, rows({R::HandsfreeVOX, R::EDR, R::BitpoolRate})},
    {kPanelPhoneVoxEdrProducts, kAnyFirmware, rows({R::HandsfreeVOX, R::EDR})},
    {kPanelEdrA2dpProducts, kAnyFirmware, rows({R::EDR, R::BitpoolRate})},
    {kGainControl, kAnyFirmware, rows({R::EDR, R::BitpoolRate, R::Sidetone, R::AdvancedNoiseControl, R::AutoGainControl})},
    {kPanelNoiseControlProducts, kAnyFirmware, rows({R::EDR, R::BitpoolRate, R::Sidetone, R::AdvancedNoiseControl})},
    {kPanelPhoneVoxShownProducts, kAnyFirmware, rows({R::HandsfreeVOX})},
    {kPanelSidetoneShownProducts, kAnyFirmware, rows({R::Sidetone})},
    {kRadioProduct, kAnyFirmware, rows({R::RadioTransmitGain, R::AudioChannelTimeout})},
}};
// clang-format on

} // namespace

ClassicRows classic_visibility(int product, const KIVOBluetoothDeviceData& recognized)
{
    for (const VisibilityRow& row : kVisibility)
        if (product_in(row.products, product) && in_range(recognized.deviceVersion(), row.firmware))
            return ClassicRows(row.shown);
    if (shows_all_settings_table(product))
        return {};
    return ClassicRows().set();
}

std::vector<ClassicRow> rows_of(const ClassicRows& rows)
{
    std::vector<ClassicRow> out;
    for (int i = 0; i < kClassicRowCount; ++i)
        if (rows.test(static_cast<std::size_t>(i)))
            out.push_back(static_cast<ClassicRow>(i));
    return out;
}

} // namespace kivo::settings
