#pragma once
// Reading the firmware version of a headset's separate module: the headset switches the module
// into its update mode, where the module shows itself as a HID device of its own; its version goes
// to the record's module quad 02, and the headset is opened again.

#include <cstdint>
#include <span>

#include "device/device_data.h"
#include "link/product_filter.h"
#include "recognition/recognition_run.h"

namespace kivo {

inline constexpr int kModuleSwitchPauseMs = 2000;
inline constexpr int kModuleOpenTries = 20;
inline constexpr int kModuleOpenPauseMs = 1000;

// How one family reaches its module.
struct ModuleRoute {
    const char* token; // names the family in the log
    uint8_t switchCommand; // sent to the headset: module into update mode
    int (*open)(uint32_t& product_id, std::span<char> text, const ProductFilter& accept);
    bool versionOver65; // the module answers 65-byte reports, else 1023/67-byte ones
    bool backToNormalMode; // the headset is told to leave module-update mode afterwards
    const char* notFoundLog;
};

// The mesh-intercom headsets' module.
extern const ModuleRoute kMeshModuleRoute;
// The OEM headsets' module.
extern const ModuleRoute kOemModuleRoute;

// Reads the module's version into quad 02 (left as it was when the module never shows up; 1.0.0.0
// when it does not answer) and opens the headset again into slot 0, replacing `headset`'s product
// id and text. false: the headset did not come back, and nothing is left open.
bool read_module_version(const ModuleRoute& route, OpenedDevice& headset, KIVOBluetoothDeviceData& data);

} // namespace kivo
