#pragma once
// One device as the all-settings table sees it, for the table's tests: the session with its show
// and hide codes, the recognized record and a working copy (its version included), all zero unless
// set, and where a kind's row stands in the device's layout.

#include <cstdio>
#include <optional>
#include <string>

#include "settings/table/row_actions.h"
#include "settings/table/row_model.h"

// A product id as the traces name it.
inline std::string hex(int product)
{
    char text[8];
    std::snprintf(text, sizeof text, "0x%04X", product);
    return text;
}

struct TableDevice {
    kivo::DeviceSession session;
    KIVOBluetoothDeviceData data;
    KIVOBluetoothDeviceData current;
    kivo::ManagerLanguage language = kivo::kEnglish;

    explicit TableDevice(int product, FirmwareQuad version = {1, 0, 0, 0}, kivo::settings::FlagCodes codes = {})
    {
        session.deviceTarget = product;
        session.fmRadioShowAndHide = codes.fm;
        session.motionSensorShowAndHide = codes.motion;
        session.deviceEgranoSpeakerType = codes.speaker;
        session.deviceInfoStatus = codes.info;
        data.setDeviceVersion(version);
        current.setDeviceVersion(version);
    }

    kivo::settings::TableContext context() const { return {session, data, current, language}; }
    kivo::settings::ChangeContext change() { return {session, data, current}; }
    // The row of the kind in the device's layout, or -1.
    int row_of(kivo::settings::TableKind kind) const
    {
        for (int row = 0;; ++row) {
            const std::optional<kivo::settings::ResolvedRow> resolved = kivo::settings::resolve_row(context(), row);
            if (!resolved)
                return -1;
            if (resolved->kind == kind)
                return row;
        }
    }
};
