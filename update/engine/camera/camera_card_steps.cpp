#include "update/engine/camera/camera_card_steps.h"

#include <algorithm>
#include <array>
#include <memory>
#include <vector>

#include "app/camera_card/camera_card_finder.h"
#include "common/clock.h"
#include "common/system_log.h"
#include "common/utf8_text.h"
#include "device/device_data.h"
#include "device/leading_int.h"
#include "link/hid_protocol.h"
#include "link/md5.h"
#include "recognition/hid_requests.h"
#include "text/app_text.h"
#include "text/update_texts.h"
#include "update/engine/camera/card_files.h"
#include "update/engine/run.h"
#include "update/engine/steps.h"

namespace kivo {
namespace {

constexpr int kCardPollIntervalMs = 1000;

std::string on_card(const std::string& card, std::string_view name) { return card + std::string(name); }

// The whole file, as long as it is no longer than `limit`; none when it cannot be read.
std::optional<std::string> read_small_file(const std::string& path, uint64_t limit)
{
    std::unique_ptr<CardFileReader> reader = card_files().open(path);
    if (!reader)
        return std::nullopt;
    std::string text;
    std::array<uint8_t, kCameraReadBackPiece> piece{};
    while (true) {
        const std::optional<size_t> got = reader->read(piece);
        if (!got)
            return std::nullopt;
        if (*got == 0)
            return text;
        text.append(piece.begin(), piece.begin() + static_cast<std::ptrdiff_t>(*got));
        if (text.size() > limit)
            return std::nullopt;
    }
}

// The MD5 of a file read in pieces; none when it cannot be opened or read through.
std::optional<Md5Digest> digest_of_file(const std::string& path)
{
    std::unique_ptr<CardFileReader> reader = card_files().open(path);
    if (!reader)
        return std::nullopt;
    Md5Context context;
    md5_init(context);
    std::array<uint8_t, kCameraReadBackPiece> piece{};
    while (true) {
        const std::optional<size_t> got = reader->read(piece);
        if (!got) {
            // Ends the context so that it holds nothing.
            Md5Digest ignored{};
            md5_final(ignored, context);
            return std::nullopt;
        }
        if (*got == 0)
            break;
        md5_update(context, std::span<const uint8_t>(piece).first(*got));
    }
    Md5Digest digest{};
    md5_final(digest, context);
    return digest;
}

bool remove_if_present(const std::string& path) { return !card_files().exists(path) || card_files().remove(path); }

// Removes what the copy left: the temporary file, then the camera firmware file. A removal that
// fails ends the run with its own tag; otherwise the run ends with `tag`.
void clean_up_and_fail(UpdateRun& run, const std::string& card, const CameraFiles& files, const char* temporary_tag,
                       const char* firmware_tag, const char* tag)
{
    if (!remove_if_present(on_card(card, files.temporaryFile)))
        camera_step_fails(run, temporary_tag);
    else if (!remove_if_present(on_card(card, files.firmwareFile)))
        camera_step_fails(run, firmware_tag);
    else
        camera_step_fails(run, tag);
}

} // namespace

bool camera_step_fails(UpdateRun& run, const char* tag)
{
    status_failure_tagged_try_again(run, UpdateTexts::tavk_string_cannot_get_status_in, tag);
    return false;
}

bool camera_update_fails(UpdateRun& run, const char* tag)
{
    status_failure_tagged_try_again(run, AppText::tavk_string_camera_update_fail_in, tag);
    return false;
}

bool camera_command(uint8_t code, HidStatusReport* answer)
{
    HidStatusReport ignored{};
    return hid_command(0, hid_request(code), answer != nullptr ? *answer : ignored) == 1;
}

std::string find_camera_card(const UpdateRun& run, int calls)
{
    for (int call = 1; call <= calls; ++call) {
        std::string card = getCameraDiskPath(run.deviceTarget());
        if (!card.empty()) {
            system_logf("camera card %s", card.c_str());
            return card;
        }
        if (call < calls)
            sleep_ms(kCardPollIntervalMs);
    }
    system_logf("no camera card after %d looks", calls);
    return {};
}

void remove_leftover_copy(const std::string& card, const CameraFiles& files)
{
    const std::string temporary = on_card(card, files.temporaryFile);
    if (card_files().exists(temporary))
        card_files().remove(temporary);
}

CameraVersion camera_version_from_text(std::string_view text)
{
    if (!is_utf8(text))
        return {};
    const size_t first_dot = text.find('.');
    const std::string_view first = text.substr(0, first_dot);
    if (first_dot == std::string_view::npos)
        return {leading_int(first), 0};
    const std::string_view rest = text.substr(first_dot + 1);
    return {leading_int(first), leading_int(rest.substr(0, rest.find('.')))};
}

CameraVersion read_camera_version(const std::string& card, const CameraFiles& files)
{
    const std::optional<std::string> text = read_small_file(on_card(card, files.versionFile), kCameraVersionFileLimit);
    if (!text) {
        system_log("camera version file cannot be read: 0.0");
        return {};
    }
    return camera_version_from_text(*text);
}

bool camera_runs_image_version(const std::string& card, const CameraFiles& files, const ContainerEntry& image)
{
    const CameraVersion camera = read_camera_version(card, files);
    const auto major = static_cast<int>(image.versions[0]);
    const auto minor = static_cast<int>(image.versions[1]);
    const bool current = KIVOBluetoothDeviceData::compareVersionUpToMinorMajor_Minor_WithMajor_Minor(
                             camera.major, camera.minor, major, minor) == 0;
    system_logf("camera version %d.%d, image %d.%d: %s", camera.major, camera.minor, major, minor,
                current ? "current" : "to be copied");
    return current;
}

bool copy_camera_image(UpdateRun& run, const std::string& card, const CameraFiles& files, const ContainerEntry& image,
                       const CameraCopyTags& tags)
{
    const std::string temporary = on_card(card, files.temporaryFile);
    const std::string firmware = on_card(card, files.firmwareFile);
    if (!card_files().create(temporary, image.data)) {
        camera_step_fails(run, tags.create);
        return false;
    }
    if (!card_files().move(temporary, firmware)) {
        camera_update_fails(run, tags.move);
        return false;
    }
    const std::optional<Md5Digest> digest = digest_of_file(firmware);
    if (!digest) {
        clean_up_and_fail(run, card, files, tags.openCleanTemporary, tags.openCleanFirmware, tags.open);
        return false;
    }
    if (*digest != image.digest) {
        system_log("camera copy: MD5 differs");
        clean_up_and_fail(run, card, files, tags.digestCleanTemporary, tags.digestCleanFirmware, tags.digest);
        return false;
    }
    const std::optional<uint64_t> size = card_files().size(firmware);
    if (size != uint64_t{image.length}) {
        system_log("camera copy: size differs");
        if (card_files().exists(firmware))
            card_files().remove(firmware);
        camera_step_fails(run, tags.size);
        return false;
    }
    system_log("camera copy checked");
    return true;
}

} // namespace kivo
