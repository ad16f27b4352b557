#include "update/engine/device_identity.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <memory>
#include <optional>
#include <span>

#include "common/management_mode.h"
#include "common/system_log.h"
#include "device/products/usb_dfu_products.h"
#include "link/hid_protocol.h"
#include "link/usb_products.h"
#include "update/engine/run.h"

namespace kivo {
namespace {

std::vector<uint32_t> widened(std::span<const uint16_t> ids) { return {ids.begin(), ids.end()}; }

bool listed(const std::vector<uint32_t>& ids, uint32_t product_id)
{
    return std::find(ids.begin(), ids.end(), product_id) != ids.end();
}

} // namespace

void PassedOver::refuse(const char* step, const char* what, uint32_t found, const std::vector<uint32_t>& expected)
{
    if (listed(traced_, found))
        return;
    traced_.push_back(found);
    system_logf("%s: passed over %04X, not the %s (%s)", step, static_cast<unsigned>(found), what,
                ids_text(expected).c_str());
}

bool SoughtDevice::accepts(uint32_t product_id) const { return listed(ids, product_id); }

SoughtDevice updated_headset(const UpdateRun& run)
{
    return {"headset", run.in.opener, {static_cast<uint32_t>(run.usbStatus())}};
}

SoughtDevice updated_headset_after_loader(const UpdateRun& run)
{
    SoughtDevice headset = updated_headset(run);
    const uint32_t file_product = run.container.productId();
    if (file_product != 0 && !headset.accepts(file_product)) {
        system_logf("update: back from its loader the headset may show %04X, the id of its firmware file",
                    static_cast<unsigned>(file_product));
        headset.ids.push_back(file_product);
    }
    return headset;
}

SoughtDevice vantor_mesh_module() { return {"mesh module", hid_open_vantor_mesh, widened(hid_vantor_mesh_products())}; }

SoughtDevice qcc_mesh_module() { return {"mesh module", hid_open_qcc_mesh, widened(hid_qcc_mesh_products())}; }

SoughtDevice airoha_mesh_module() { return {"mesh module", hid_open_airoha_mesh, widened(hid_airoha_mesh_products())}; }

bool open_sought(const SoughtDevice& sought)
{
    PassedOver passed;
    return open_sought(sought, passed);
}

bool open_sought(const SoughtDevice& sought, PassedOver& passed)
{
    if (!sought.open)
        return false;
    const ProductFilter accept = [&sought, &passed](uint32_t product_id) {
        if (sought.accepts(product_id))
            return true;
        passed.refuse("update", sought.what, product_id, sought.ids);
        return false;
    };
    uint32_t product_id = 0;
    std::array<char, 256> text{};
    if (sought.open(product_id, text, accept) != 0)
        return false;
    if (sought.accepts(product_id))
        return true;
    // An opener that took it all the same: closed before anything is sent.
    passed.refuse("update", sought.what, product_id, sought.ids);
    hid_close_devices();
    return false;
}

std::vector<uint32_t> updated_usb_ids(const UpdateRun& run)
{
    // Switched into download mode, the device shows its download-mode ids; back in its firmware,
    // it may show the id it was recognized under as well.
    if (const DfuExpectedId* expected = dfu_expected_id(run.deviceTarget()))
        return {static_cast<uint32_t>(expected->normal), static_cast<uint32_t>(expected->management),
                static_cast<uint32_t>(expected->product)};
    const auto status = static_cast<uint32_t>(run.usbStatus());
    if (const std::optional<UsbProductPair> pair = usb_product_pair(status))
        return {pair->normal, pair->management};
    return {status & ~MANAGEMENT_MODE_BIT, status | MANAGEMENT_MODE_BIT};
}

ProductFilter updated_usb_filter(const UpdateRun& run, const char* step)
{
    // Shared by the filter's copies: the walks copy the filter they are given.
    return [ids = updated_usb_ids(run), step, passed = std::make_shared<PassedOver>()](uint32_t product_id) {
        if (listed(ids, product_id))
            return true;
        passed->refuse(step, "device being updated", product_id, ids);
        return false;
    };
}

std::string ids_text(const std::vector<uint32_t>& ids)
{
    std::string text;
    for (const uint32_t id : ids) {
        char one[16];
        std::snprintf(one, sizeof one, "%s%04X", text.empty() ? "" : "/", static_cast<unsigned>(id));
        text += one;
    }
    return text;
}

} // namespace kivo
