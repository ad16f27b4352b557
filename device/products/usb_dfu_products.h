#pragma once
// The products of the USB DFU update paths and their rules: the model ids a DFU file may name, the
// products that have their persistent store cleared before a transfer, the ids the download-mode
// products come back under, the products whose detach shows no re-plug box, how the wait for DFU
// mode reads a normal-firmware id on the bus, the products not asked to switch off and on after the
// download (and whose run fails when their devices do not come back), and the progress scale of a
// transfer.

#include "common/management_mode.h"
#include "device/products/helmet_camera.h"
#include "device/products/product_set.h"

namespace kivo {

// The product made of two devices, updated together.
inline constexpr int kDfuTwoDeviceProduct = 0x5310;

// Products whose first expected model text names the selected product, not the recognized one.
inline constexpr std::array kDfuTargetModelProducts = {0x4D45, 0x4D65, 0x5050};

// A recognized product whose firmware file may also name another model: the second model tried,
// and for some a third.
struct DfuOtherModel {
    int recognized;
    int model;
};
inline constexpr std::array<DfuOtherModel, 12> kDfuSecondModels{{
    {0x4D05, 0x4D35},
    {0x4D55, 0x4D35},
    {0x4D10, 0x4D30},
    {0x4D40, 0x4D30},
    {0x4D45, 0x4D15},
    {0x4D65, 0x4D15},
    {0x4D50, 0x4D20},
    {0x5010, 0x5061},
    {0x5060, 0x5061},
    {0x5020, 0x5070},
    {0x5030, 0x5080},
    {0x5050, 0x5040},
}};
inline constexpr std::array<DfuOtherModel, 2> kDfuThirdModels{{{0x5060, 0x5060}, {0x5010, 0x5060}}};

// Products whose persistent store is cleared before the transfer while they run their normal
// firmware (the version key only below 3.2).
inline constexpr std::array kDfuPsClearProducts = {0x4D10, 0x4D30, 0x4D40, 0x5010, 0x5060, 0x5061, 0x5020, 0x5070};

// The download-mode products: the id the device is expected under once it has switched, in the
// firmware-management loader and still in its normal firmware.
struct DfuExpectedId {
    int product;
    int management;
    int normal;
};
inline constexpr std::array<DfuExpectedId, 3> kDfuExpectedIds{{
    {0x6020, 0xE020, 0x6021},
    {0x6022, 0xE022, 0x6023},
    {0x6024, 0xE024, 0x6025},
}};

// Products whose detach shows no re-plug box (the run behaves as if one were up).
inline constexpr std::array kDfuNoReplugBoxProducts = {0x3020, 0x6420, 0x6470, 0x6460, 0x6480, 0x6490, 0x6440,
                                                       0x6450, 0x6430, 0x6000, 0x6020, 0x6022, 0x6024};

// Products that get no box asking to switch the device off and on once the image is written.
inline constexpr std::array kDfuNoPowerCycleBoxProducts = {0x5310, 0x3010, 0x6020, 0x6022, 0x6024, 0x3020,
                                                           0x6420, 0x6470, 0x6460, 0x6480, 0x6490, 0x6440,
                                                           0x6450, 0x6430, 0x6000, 0x4120};

// Whether a run whose devices are not back in their normal firmware at the end of the wait fails:
// nobody has asked the user to switch them off and on, so the run cannot say it succeeded. The
// two-device product asks for that during the wait itself, and the camera has an ending of its own.
constexpr bool dfu_fails_when_not_back(int product_id)
{
    return product_in(kDfuNoPowerCycleBoxProducts, product_id) && product_id != kDfuTwoDeviceProduct &&
        product_id != kCameraProductId;
}

// The one product whose devices are opened again at once after a failed claim in the wait.
inline constexpr int kDfuClaimReopenProduct = 0x6440;

// Normal-firmware ids of the maker seen on the bus while the run waits for DFU mode: a device that
// came back running its firmware (detach again), ids that are no concern of the wait, and the
// camera, whose return either way means the manager must restart to recover.
inline constexpr std::array kDfuWaitRestartIds = {
    0x2010, 0x2011, 0x2020, 0x2110, 0x2120, 0x2210, 0x2310, 0x4010, 0x4020, 0x4021, 0x4030, 0x4040,
    0x4110, 0x4111, 0x4112, 0x4113, 0x4D05, 0x4D10, 0x4D15, 0x4D20, 0x4D21, 0x4D30, 0x4D35, 0x4D40,
    0x4D45, 0x4D50, 0x4D55, 0x4D65, 0x4D75, 0x4D85, 0x5010, 0x5011, 0x5020, 0x5030, 0x5040, 0x5050,
    0x5060, 0x5061, 0x5070, 0x5080, 0x5210, 0x6110, 0x6111, 0x6120, 0x6121};
inline constexpr std::array kDfuWaitIgnoredIds = {0x3010, 0x4120, 0x5310, 0x6000, 0x6021, 0x6023, 0x6025, 0x6420,
                                                  0x6430, 0x6440, 0x6450, 0x6460, 0x6470, 0x6480, 0x6490};
// Seen with or without the management-mode bit.
inline constexpr int kDfuWaitRecoveryProduct = 0x3020;

enum class DfuWaitId { Other, Restart, Ignored, Recovery };

constexpr DfuWaitId dfu_wait_id(int product_id)
{
    constexpr int bit = static_cast<int>(MANAGEMENT_MODE_BIT);
    if ((product_id | bit) == (kDfuWaitRecoveryProduct | bit))
        return DfuWaitId::Recovery;
    if (product_in(kDfuWaitRestartIds, product_id))
        return DfuWaitId::Restart;
    if (product_in(kDfuWaitIgnoredIds, product_id))
        return DfuWaitId::Ignored;
    return DfuWaitId::Other;
}

// How the percentage moves through a DFU transfer: the start, the span of the download, the value
// after it, the span of the manifest wait, and the value the timer paces towards at the end.
struct DfuProgressScale {
    int start;
    int downloadSpan;
    int afterDownload;
    int manifestSpan;
    int timerTarget;
};

constexpr DfuProgressScale dfu_progress_scale(int product_id)
{
    return product_id == kDfuTwoDeviceProduct ? DfuProgressScale{8, 16, 24, 76, 90}
                                              : DfuProgressScale{5, 11, 16, 84, 99};
}

constexpr int dfu_second_model(int recognized)
{
    for (const DfuOtherModel& m : kDfuSecondModels)
        if (m.recognized == recognized)
            return m.model;
    return 0;
}

constexpr int dfu_third_model(int recognized)
{
    for (const DfuOtherModel& m : kDfuThirdModels)
        if (m.recognized == recognized)
            return m.model;
    return 0;
}

constexpr const DfuExpectedId* dfu_expected_id(int product_id)
{
    for (const DfuExpectedId& e : kDfuExpectedIds)
        if (e.product == product_id)
            return &e;
    return nullptr;
}

} // namespace kivo
