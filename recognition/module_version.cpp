#include "recognition/module_version.h"

#include "common/clock.h"
#include "common/system_log.h"
#include "link/hid_discovery.h"
#include "link/hid_protocol.h"
#include "recognition/hid_queries.h"
#include "recognition/hid_requests.h"

namespace kivo {

const ModuleRoute kMeshModuleRoute{"QCC", MESH_DFU_COMMAND_QCC,          hid_open_qcc_mesh, true,
                                   true,  "-----Mesh handle open fail\n"};
const ModuleRoute kOemModuleRoute{"VARGO", MESH_DFU_COMMAND_VANTOR, hid_open_vantor_mesh, false,
                                  false,   "-----Mesh Error\n"};

namespace {

bool open_module(const ModuleRoute& route)
{
    uint32_t product_id = 0;
    std::array<char, 256> text{};
    for (int attempt = 0; attempt < kModuleOpenTries; ++attempt) {
        if (route.open(product_id, text, {}) == 0) {
            system_log("-----Mesh handle open success\n");
            return true;
        }
        hid_close_devices();
        sleep_ms(kModuleOpenPauseMs);
    }
    system_log(route.notFoundLog);
    return false;
}

// The module's version from bytes 3 to 6 of its answer; 1.0.0.0 when it does not answer.
FirmwareQuad ask_module_version(const ModuleRoute& route)
{
    if (route.versionOver65) {
        HidCommandReport65 answer{};
        if (hid_command65(0, hid_request65(COMMAND_GET_VERSION), answer) != 0)
            return {answer[3], answer[4], answer[5], answer[6]};
        return {1, 0, 0, 0};
    }
    return query_version().value_or(FirmwareQuad{1, 0, 0, 0});
}

} // namespace

bool read_module_version(const ModuleRoute& route, OpenedDevice& headset, KIVOBluetoothDeviceData& data)
{
    HidStatusReport answer{};
    if (hid_command(0, hid_request(route.switchCommand), answer) == 0)
        system_logf("%s MESH_DFU_COMMAND_FAILED", route.token);
    sleep_ms(kModuleSwitchPauseMs);
    hid_close_devices();

    if (open_module(route)) {
        data.setDeviceVersion02(ask_module_version(route));
    }

    hid_close_devices();
    // Without its headset the run cannot go on over HID: the caller treats it as not opened.
    if (hid_open_device(headset.productId, headset.text()) != 0) {
        system_logf("%s headset not reopened after its module", route.token);
        hid_close_devices();
        return false;
    }
    if (route.backToNormalMode && hid_command(0, hid_request(COMMAND_MESH_NORMAL_MODE), answer) == 0)
        system_logf("%s COMMAND_MESH_NORMAL_MODE", route.token);

    system_logf("%s version %d.%d.%d.%d, module %d.%d.%d.%d", route.token, data.deviceVersionMajor(),
                data.deviceVersionMinor(), data.deviceSecondaryVersionType(), data.deviceSecondaryVersion(),
                data.deviceVersionMajor02(), data.deviceVersionMinor02(), data.deviceSecondaryVersionType02(),
                data.deviceSecondaryVersion02());
    return true;
}

} // namespace kivo
