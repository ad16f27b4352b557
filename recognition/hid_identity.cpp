#include "recognition/hid_identity.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <optional>
#include <string_view>

#include "common/system_log.h"
#include "common/utf8_text.h"
#include "link/hid_protocol.h"
#include "recognition/device_info_probes.h"
#include "recognition/hid_reads.h"
#include "recognition/hid_requests.h"
#include "recognition/module_version.h"
#include "text/product_names.h"

namespace kivo {
namespace {

constexpr uint8_t kNameRecord = 0x3C;
constexpr uint8_t kOemNameRecord = 0x1D;
constexpr uint8_t kShortNameRecord = 0x02;
constexpr uint8_t kShortMainVersion = 0x00;
constexpr uint8_t kShortLanguagePack = 0x01;
// The 62-byte answers carry their data from byte 4: a name of up to 58 bytes.
constexpr size_t kShortDataAt = 4;
constexpr size_t kShortNameBytes = kHidShortReportSize - kShortDataAt;
// The words a 67-byte status report holds after its count byte.
constexpr int kStatusReportWords = static_cast<int>((kHidStatusReportSize - 5) / 2);
// Recognition over HID asks no motion sensor; this value says so to the settings pages.
constexpr int kMotionSensorNotAsked = 6;

// Bytes a device sent as its name: up to the first NUL; bytes that are not well-formed UTF-8
// give no name.
std::string device_text(std::string_view bytes)
{
    bytes = bytes.substr(0, bytes.find('\0'));
    return is_utf8(bytes) ? std::string(bytes) : std::string();
}

// A name record: word count n in byte 4, big-endian words from byte 5; the name is the low-order
// bytes of words 1 to n-1. None when the read fails or has no words.
std::optional<std::string> read_name(HidCommandReport& request, uint8_t record)
{
    request = hid_request(COMMAND_READ_SETTINGS, record);
    HidStatusReport answer{};
    if (hid_command(0, request, answer) == 0 || answer[4] == 0)
        return std::nullopt;
    // The count is the device's: only the words the report holds are read.
    const int count = std::min<int>(answer[4], kStatusReportWords);
    std::string bytes;
    for (int word = 1; word < count; ++word)
        bytes.push_back(static_cast<char>(answer[6 + 2 * word]));
    return device_text(bytes);
}

void store_language_pack(KIVOBluetoothDeviceData& data, int type, int major, int minor)
{
    data.setDevicelanguagePackType(type);
    data.setDevicelanguagePackTypeVerMajor(major);
    data.setDevicelanguagePackTypeVerMinor(minor);
}

constexpr FirmwareQuad kUnreadVersion{1, 0, 0, 0};

// Command 0x01 sent on the name request, whose record byte stays: the version from bytes 3 to 6,
// the language pack (where the family has one) from bytes 8 to 10.
void read_version(HidCommandReport& request, KIVOBluetoothDeviceData& data, bool with_language_pack)
{
    request[1] = COMMAND_GET_VERSION;
    HidStatusReport answer{};
    const bool read = hid_command(0, request, answer) != 0;
    data.setDeviceVersion(read ? FirmwareQuad{answer[3], answer[4], answer[5], answer[6]} : kUnreadVersion);
    if (!with_language_pack)
        return;
    if (read)
        store_language_pack(data, answer[8], answer[9], answer[10]);
    else
        store_language_pack(data, 0, 0, 0);
    system_logf("languagePack version = %d.%d.%d", data.devicelanguagePackType(), data.devicelanguagePackTypeVerMajor(),
                data.devicelanguagePackTypeVerMinor());
}

// The families of 62-byte reports: name, version and language pack, each its own exchange.
void read_identity_over_short_reports(int product_id, KIVOBluetoothDeviceData& data)
{
    std::array<uint8_t, 256> answer{};
    HidShortCommandReport request = hid_short_request(COMMAND_READ_SETTINGS, kShortNameRecord);
    if (hid_command_by_table(0, request, answer) != 0 && answer[kShortDataAt] != 0) {
        std::array<char, 256> name{};
        std::memcpy(name.data(), &answer[kShortDataAt], kShortNameBytes);
        data.setDeviceName(device_text(name.data()));
    } else {
        data.setDeviceName(default_device_name(product_id));
    }

    request = hid_short_request(COMMAND_GET_VERSION, kShortMainVersion);
    if (hid_command_by_table(0, request, answer) != 0)
        data.setDeviceVersion({answer[4], answer[5], answer[6], answer[7]});
    else
        data.setDeviceVersion(kUnreadVersion);

    request = hid_short_request(COMMAND_GET_VERSION, kShortLanguagePack);
    const bool read = hid_command_by_table(0, request, answer) != 0;
    if (read)
        store_language_pack(data, answer[8], answer[4], answer[5]);
    else
        store_language_pack(data, 0, 0, 0);
    system_logf("languagePack version = %d.%d.%d / ver %d.%d.%d", data.devicelanguagePackType(),
                data.devicelanguagePackTypeVerMajor(), data.devicelanguagePackTypeVerMinor(), answer[9], answer[10],
                answer[11]);
}

// Whether the FM radio page shows: the device's answer in byte 3; a failed query shows it.
int query_fm_radio()
{
    HidStatusReport answer{};
    if (hid_command(0, hid_request(COMMAND_FM_RADIO_QUERY), answer) == 0) {
        system_log("FM radio query failed");
        return kFmRadioShown;
    }
    const int shown = answer[3] != 0 ? kFmRadioShown : kFmRadioHidden;
    system_logf("FM radio show/hide [%d]", shown);
    return shown;
}

} // namespace

std::string default_device_name(int product_id)
{
    if (product_in(kNoDefaultNameProducts, product_id))
        return {};
    return ProductNames::tavk_product_name(product_id);
}

bool identify_hid_device(RecognitionRun& run, OpenedDevice& device, KIVOBluetoothDeviceData& data)
{
    DeviceSession& session = run.session;
    session.deviceTarget = static_cast<int>(device.productId);
    const int product = session.deviceTarget;
    system_logf("device PID[%x]", product);

    session.fmRadioShowAndHide = kFmRadioShown;
    session.fmRadioShowAndHide = get_device_info_for_fm_radio_with_pskey(product);
    session.motionSensorShowAndHide = kMotionSensorNotAsked;
    session.deviceEgranoSpeakerType = 0;
    if (queries_fm_radio(product))
        session.fmRadioShowAndHide = query_fm_radio();
    session.deviceInfoStatus = kNoDeviceInfo;
    session.deviceInfoStatus = get_device_info_for_hd_speaker_with_pskey(product);

    if (speaks_protocol_b(product)) {
        read_identity_over_short_reports(product, data);
        return true;
    }
    HidCommandReport request{};
    if (is_oem_headset(product)) {
        data.setDeviceName(read_name(request, kOemNameRecord).value_or(default_device_name(product)));
        read_version(request, data, true);
        // Module quad 01 repeats the main version for headsets with a module.
        data.setDeviceVersion01(data.deviceVersion());
        return read_module_version(kOemModuleRoute, device, data);
    }
    if (reads_name_record(product))
        data.setDeviceName(read_name(request, kNameRecord).value_or(default_device_name(product)));
    if (reads_version(product))
        read_version(request, data, false);
    else if (reads_version_with_name_record(product))
        read_version(request, data, true);
    if (has_mesh_module(product)) {
        data.setDeviceVersion01(data.deviceVersion());
        return read_module_version(kMeshModuleRoute, device, data);
    }
    return true;
}

} // namespace kivo
