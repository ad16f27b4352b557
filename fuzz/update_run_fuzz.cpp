// Invariant: no image byte reaches a headset that no verified entry of its firmware file holds,
// whatever the file says. An entry is verified when it and its data lie inside the file and the MD5
// of its data is its digest, in either table; this target decides that itself, apart from the
// engine. Every run of blocks each HID interface of the headset received after an erase (1023-byte
// block reports, each carrying its data length: on the paths whose report keeps what the command
// before left, the bytes past that length are residue, not image; or 62-byte chunk reports of the
// Airoha headsets) must be the start of a verified
// entry's data, the images its module assembled too (its own, and the iM501 chip's behind it), and
// every chunk sent to the module must lie in one; an Airoha module's runs of 62-byte chunks and a
// QCC module's runs of 65-byte chunks after an erase must each start one, as a headset's do. Beside
// it: the run ends, with nothing left open on the bus.
//
// A whole update of a simulated headset (with its module, or its second module behind a HID
// interface of its own) on a fuzzed file, through the transfer path of its product, on the
// simulated bus under the virtual clock. A headset that needs the user to act reports the step at
// the first poll.
//
// The headsets with a camera carry it with its memory card: the camera image goes onto the card, not
// to the headset. Every image the camera took from the card, and every copy left on it under the
// temporary or the camera firmware file's name, must be a verified entry's data, whole.
//
// The headsets that take an intermediate image run firmware below every floor and fetch it from a
// local server when the file's first block is above the floor: its bytes reach the headset too, so
// the verified entries of the served body count as well.
//
// Another of the maker's headsets is on the bus, ahead of the one updated, which the same opener
// finds: plugged in once the run has begun (or, bit 6 of byte 2, there from the start). No command
// may reach it or its module: a command that would change it is among them. The same holds on the
// USB DFU paths for another of the maker's plain-USB headsets (bit 7: in its loader), plugged ahead
// once the run has prepared its transfer (or there from the start), and for the device the
// download-mode products' search needs beside theirs.
//
// At its exit the target prints which transfer paths its inputs took ("update_run_fuzz: 17 of 17
// transfer paths: ..."): scripts/fuzz.sh runs it once over its seeds for that line.
//
// Input: bytes 0-1 the product (little-endian: itself when it takes a container path or, for the
// USB DFU paths, the simulator has it as a plain-USB product or a download-mode product, else one
// of those), byte 2 what is
// made right in the file before the run (bit 0: the product id at offset 28; bit 1: the digests of
// the extended table; bit 2: those of the standard table; each for the entries that lie inside the
// file; bit 3: an intermediate body follows), with bit 3 two bytes of its length (little-endian)
// and the intermediate body, on which bits 1 and 2 act as well (else the server answers a sound one
// of two blocks), then the file.
//
// The plain-USB products take the USB DFU paths: a plain-USB headset (both devices of the
// two-device product), a device in its loader, or the HID headset of a download-mode product (with
// a device behind it that the management-mode search finds) on the bus, and a DFU device of another
// maker beside it. There an image is verified when its DFU suffix's CRC is right: the file itself,
// or a verified container entry (the camera's); every DNLOAD a device took must carry the bytes of one
// such image (without its suffix) at the place its block number gives (block n from byte n x 1023),
// and the other maker's device receives nothing. The camera has its memory card in: the camera
// image written there must be a verified entry, whole, and the box that ends its run is left up
// only once the image is there.
// Bit 4 of byte 2 makes the CRC of the file's DFU suffix right, bit 5 puts the devices in their loader,
// where the run writes them; the download-mode products, while they run their firmware, are on the
// HID link, where their prelude sends them to plain USB under their download-mode id. Bit 15 of
// bytes 0-1 makes the USB DFU paths' devices the maker's lenient loaders (else they keep to USB DFU
// 1.1 strictly).

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <memory>
#include <optional>
#include <set>
#include <span>
#include <string>
#include <vector>

#include <zlib.h>

#include "device/products/camera_cards.h"
#include "device/products/camera_files.h"
#include "device/products/camera_mesh_products.h"
#include "device/products/helmet_camera.h"
#include "device/products/hid_camera_products.h"
#include "device/products/intermediate_images.h"
#include "device/products/update_paths.h"
#include "device/products/usb_dfu_products.h"
#include "fuzz/usb_dfu_run.h"
#include "link/dfu_file.h"
#include "link/firmware_container.h"
#include "link/md5.h"
#include "link/usb_link.h"
#include "link/usb_products.h"
#include "tests/app/net/local_http_server.h"
#include "tests/link/firmware_file_builder.h"
#include "tests/link/test_opener.h"
#include "tests/sim/bus.h"
#include "tests/sim/camera_card.h"
#include "tests/sim/hid_headsets.h"
#include "tests/update/engine/fake_update_host.h"
#include "tests/update/engine/family_headsets.h"
#include "update/engine/camera/camera_image_move.h"
#include "update/engine/family_paths.h"
#include "update/engine/paths/paths.h"
#include "update/engine/run.h"

namespace {

using Layout = FirmwareContainer;
using Bytes = std::vector<uint8_t>;
using Data = std::span<const uint8_t>;

constexpr uint8_t kErase = 0x05;
constexpr uint8_t kBlock = 0x06;
constexpr uint8_t kLastBlock = 0x0E;
constexpr size_t kBlockDataAt = 4;
constexpr size_t kChunkLengthAt = 3;
constexpr size_t kShortReport = 62;
constexpr size_t kReport65 = 65;

// The other headset of the maker's on the bus: the OEM headset, with its module (its sibling when
// the OEM headset is the one updated); on the USB DFU paths a plain-USB headset of another product.
constexpr uint16_t kOtherHeadset = 0x3142;
constexpr uint16_t kOtherHeadsetSibling = 0x3143;
constexpr uint16_t kOtherUsbHeadset = 0x4D20;
constexpr uint16_t kOtherUsbHeadsetSibling = 0x4D10;
constexpr auto kPlugOnceBegun = std::chrono::milliseconds(1);

// The transfer paths the inputs took, printed at exit.
class PathsTaken {
public:
    void take(kivo::UpdateFamilyPath path) { taken_.insert(path); }
    ~PathsTaken()
    {
        std::string names;
        for (const kivo::UpdateFamilyPath path : taken_)
            names += " " + std::string(kivo::transfer_path(path).name);
        std::fprintf(stderr, "update_run_fuzz: %zu of %d transfer paths:%s\n", taken_.size(),
                     static_cast<int>(kivo::UpdateFamilyPath::UsbDfu) + 1, names.c_str());
    }

private:
    std::set<kivo::UpdateFamilyPath> taken_;
};
PathsTaken paths_taken;

bool dfu_path(uint16_t id)
{
    const kivo::TransferPath& path = kivo::transfer_path_for(id);
    return &path == &kivo::kUsbDfuPath || &path == &kivo::kDfuAfterDownloadModePath;
}

// The products the simulator can update: the container paths' (every other id would take the USB
// DFU path, the default one), the plain-USB products the simulator has, and the download-mode
// products, whose HID headsets come back on plain USB.
std::vector<uint16_t> built_products()
{
    std::vector<uint16_t> ids;
    for (int id = 1; id < static_cast<int>(sim::kManagementModeBit); ++id) {
        const auto product = static_cast<uint16_t>(id);
        if (!dfu_path(product) || usb_product_table_contains(sim::kVendorId, product) ||
            kivo::dfu_expected_id(product) != nullptr)
            ids.push_back(product);
    }
    return ids;
}

uint32_t le32(const Bytes& file, uint64_t at)
{
    const auto i = static_cast<size_t>(at);
    return uint32_t{file[i]} | uint32_t{file[i + 1]} << 8 | uint32_t{file[i + 2]} << 16 | uint32_t{file[i + 3]} << 24;
}

// Calls visit(digest position, data offset, data length) for each entry of a table that lies inside
// the file with its data.
void each_entry(const Bytes& file, bool extended, const std::function<void(size_t, size_t, size_t)>& visit)
{
    if (file.size() < Layout::kTableOffset)
        return;
    const auto count = static_cast<int32_t>(le32(file, Layout::kSectionCountOffset));
    if (count < 1)
        return;
    const auto entries = static_cast<uint64_t>(count);
    const uint64_t start = Layout::kTableOffset + (extended ? Layout::kEntrySize * entries : 0);
    const uint64_t size = extended ? Layout::kExtendedEntrySize : Layout::kEntrySize;
    if (start + size * entries > file.size())
        return;
    for (uint64_t at = start; at < start + size * entries; at += size) {
        const uint64_t offset = le32(file, at + Layout::kEntryOffsetField);
        const uint64_t length = le32(file, at + Layout::kEntryLengthField);
        if (offset + length <= file.size())
            visit(
                static_cast<size_t>(at + (extended ? Layout::kExtendedEntryDigestOffset : Layout::kEntryDigestOffset)),
                static_cast<size_t>(offset), static_cast<size_t>(length));
    }
}

void renew_digests(Bytes& file, bool extended)
{
    each_entry(file, extended, [&](size_t digest_at, size_t offset, size_t length) {
        const Md5Digest digest = md5_digest(Data(file).subspan(offset, length));
        std::copy(digest.begin(), digest.end(), file.begin() + static_cast<std::ptrdiff_t>(digest_at));
    });
}

std::vector<Data> verified_entries(const Bytes& file)
{
    std::vector<Data> verified;
    for (const bool extended : {false, true})
        each_entry(file, extended, [&](size_t digest_at, size_t offset, size_t length) {
            const Data data = Data(file).subspan(offset, length);
            const Md5Digest digest = md5_digest(data);
            if (std::equal(digest.begin(), digest.end(), file.begin() + static_cast<std::ptrdiff_t>(digest_at)))
                verified.push_back(data);
        });
    return verified;
}

bool starts_a_verified_entry(const std::vector<Data>& verified, const Bytes& bytes)
{
    return bytes.empty() || std::any_of(verified.begin(), verified.end(), [&](Data entry) {
               return bytes.size() <= entry.size() && std::equal(bytes.begin(), bytes.end(), entry.begin());
           });
}

bool is_a_verified_entry(const std::vector<Data>& verified, const Bytes& bytes)
{
    return std::any_of(verified.begin(), verified.end(),
                       [&](Data entry) { return std::equal(bytes.begin(), bytes.end(), entry.begin(), entry.end()); });
}

bool lies_in_a_verified_entry(const std::vector<Data>& verified, Data bytes)
{
    return std::any_of(verified.begin(), verified.end(), [&](Data entry) {
        return std::search(entry.begin(), entry.end(), bytes.begin(), bytes.end()) != entry.end();
    });
}

// The blocks one interface of the headset received, one run of bytes per erase (and one before the
// first): 1023-byte reports carry the command in byte 1 and a big-endian length in bytes 2-3;
// 62-byte reports the command in byte 2 and the length in byte 3; 65-byte reports the command in
// byte 1 and the length in byte 3, with no command of their own for the last chunk. The data starts
// at byte 4 in all three. Where 0x0E is the command that sends a headset into download mode, it
// carries no block.
std::vector<Bytes> headset_images(const sim::HidInterface& headset, bool last_block_command = true)
{
    std::vector<Bytes> images(1);
    for (const sim::Bytes& out : headset.outputs()) {
        if (out.size() < kBlockDataAt)
            continue;
        const bool short_report = out.size() == kShortReport;
        const bool chunk_length_byte = short_report || out.size() == kReport65;
        const uint8_t command = short_report ? out[2] : out[1];
        if (command == kErase)
            images.emplace_back();
        if (command != kBlock && (chunk_length_byte || !last_block_command || command != kLastBlock))
            continue;
        const size_t claimed = chunk_length_byte ? out[kChunkLengthAt] : size_t{out[2]} << 8 | out[3];
        const size_t length = std::min(claimed, out.size() - kBlockDataAt);
        images.back().insert(images.back().end(), out.begin() + kBlockDataAt,
                             out.begin() + static_cast<std::ptrdiff_t>(kBlockDataAt + length));
    }
    return images;
}

uint32_t stored_dfu_crc(Data file)
{
    const size_t at = file.size() - DfuFileSuffix::kCrcSize;
    return uint32_t{file[at]} | uint32_t{file[at + 1]} << 8 | uint32_t{file[at + 2]} << 16 |
        uint32_t{file[at + 3]} << 24;
}

// The image of a DFU file whose suffix's CRC is right, without its suffix; none otherwise.
std::optional<Data> dfu_image_of(Data file)
{
    if (file.size() <= DfuFileSuffix::kSize)
        return std::nullopt;
    const uint32_t crc = ~static_cast<uint32_t>(crc32_z(0, file.data(), file.size() - DfuFileSuffix::kCrcSize));
    if (crc != stored_dfu_crc(file))
        return std::nullopt;
    return file.first(file.size() - DfuFileSuffix::kSize);
}

std::vector<Data> verified_dfu_images(const Bytes& file, const std::vector<Data>& verified_entries)
{
    std::vector<Data> images;
    if (const std::optional<Data> image = dfu_image_of(file))
        images.push_back(*image);
    for (const Data entry : verified_entries)
        if (const std::optional<Data> image = dfu_image_of(entry))
            images.push_back(*image);
    return images;
}

// Where the other headset of the maker's is, and (on the USB DFU paths) whether it runs its loader.
struct OtherHeadset {
    bool fromTheStart;
    bool inLoader;
};

// A device of the maker's that no command may reach, as it was before the run.
struct Bystander {
    std::shared_ptr<sim::Device> device;
    uint64_t generation;
};

// Sent nothing, never reset, still on the bus.
bool untouched_over_usb(const Bystander& b)
{
    return b.device->usb.transcript().empty() && b.device->present() && b.device->generation() == b.generation;
}

// A whole update of a plain-USB product over USB DFU, and its invariant.
void run_dfu_update(uint16_t product, bool loader, sim::DfuMode mode, const OtherHeadset& other,
                    kivo::UpdateInputs inputs, const Bytes& file, const std::vector<Data>& verified)
{
    const sim::DfuModeScope scope(mode);
    usb_link_start();
    // The camera's card, in for the camera's runs.
    std::optional<sim::CameraCard> card;
    if (product == kivo::kCameraProductId)
        card.emplace(product).insert();
    const auto devices = fuzz::plug_dfu_devices(product, loader, inputs);
    const auto foreign = fuzz::plug_foreign_dfu_device();
    std::vector<Bystander> bystanders;
    if (const auto companion = fuzz::plug_search_companion(product))
        bystanders.push_back({companion, companion->generation()});
    sim::UsbHeadsetPersona persona =
        sim::usb_headset(product == kOtherUsbHeadset ? kOtherUsbHeadsetSibling : kOtherUsbHeadset, "Other");
    persona.in_loader = other.inLoader;
    const std::shared_ptr<sim::Device> ahead = sim::make_usb_headset(persona);
    const auto plug_ahead = [&] {
        sim::bus().plug_ahead(ahead);
        bystanders.push_back({ahead, ahead->generation()});
    };
    if (other.fromTheStart)
        plug_ahead();
    // Otherwise plugged at the end of the preparation: the second time 3 % shows for a download-mode
    // product switched by its prelude (which shows 3 % first).
    int threes_before = other.fromTheStart ? -1 : kivo::dfu_expected_id(product) != nullptr && !loader ? 1 : 0;
    bool ended_by_box = false;
    fuzz::run_update_checked(std::move(inputs), *foreign, &ended_by_box, [&] {
        if (threes_before-- == 0)
            plug_ahead();
    });
    for (const Bystander& bystander : bystanders)
        if (!untouched_over_usb(bystander))
            std::abort();
    const std::vector<Data> images = verified_dfu_images(file, verified);
    for (const auto& device : devices)
        if (fuzz::took_image_bytes(*device) && std::none_of(images.begin(), images.end(), [&](Data image) {
                return fuzz::downloads_lie_in(*device, image);
            }))
            std::abort();
    // The camera image on the card is a verified entry, whole; the box that ends the run is
    // left up only once it is there.
    const std::optional<Bytes> on_card = card ? card->read(kivo::kCameraCardImageFile) : std::nullopt;
    if (on_card && std::none_of(verified.begin(), verified.end(), [&](Data entry) {
            return std::equal(entry.begin(), entry.end(), on_card->begin(), on_card->end());
        }))
        std::abort();
    if (ended_by_box && !on_card)
        std::abort();
}

} // namespace

// Bits 1 and 2 of the fixes byte: the digests made right.
void renew_requested_digests(Bytes& file, uint8_t fixes)
{
    if ((fixes & 0x02) != 0)
        renew_digests(file, true);
    if ((fixes & 0x04) != 0)
        renew_digests(file, false);
}

// The intermediate image the server answers when the input brings none: two sound blocks.
Bytes sound_intermediate()
{
    return fwfile::make_container({"v1.3", 0x3340, true, {fwfile::pattern(1500, 1), fwfile::pattern(700, 2)}});
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const std::vector<uint16_t> products = built_products();
    static const fwfile::TempFolder folder;
    static testnet::LocalHttpServer server;
    if (size < 3 || products.empty())
        return 0;
    const auto named = static_cast<uint16_t>((data[0] | data[1] << 8) & ~sim::kManagementModeBit);
    const uint16_t product = std::find(products.begin(), products.end(), named) != products.end()
        ? named
        : products[named % products.size()];
    const sim::DfuMode mode = (data[1] & 0x80) != 0 ? sim::DfuMode::Lenient : sim::DfuMode::Strict;
    const uint8_t fixes = data[2];
    size_t at = 3;
    Bytes intermediate = sound_intermediate();
    if ((fixes & 0x08) != 0) {
        if (size < at + 2)
            return 0;
        const size_t length = std::min<size_t>(data[at] | data[at + 1] << 8, size - at - 2);
        intermediate.assign(data + at + 2, data + at + 2 + length);
        renew_requested_digests(intermediate, fixes);
        at += 2 + length;
    }
    Bytes file(data + at, data + size);
    if ((fixes & 0x01) != 0 && file.size() >= Layout::kTableOffset)
        fwfile::put_le32(file, Layout::kProductIdOffset, product);
    renew_requested_digests(file, fixes);
    if ((fixes & 0x10) != 0 && file.size() > DfuFileSuffix::kSize)
        fwfile::put_dfu_crc(file);
    std::vector<Data> verified = verified_entries(file);
    const kivo::IntermediateImage* served = kivo::intermediate_image(product);
    if (served != nullptr) {
        const std::vector<Data> from_server = verified_entries(intermediate);
        verified.insert(verified.end(), from_server.begin(), from_server.end());
        server.serve("/kivobluetoothmanager/" + std::string(served->fileName),
                     testnet::Reply{200, std::string(intermediate.begin(), intermediate.end())});
    }

    sim::Session session;
    paths_taken.take(kivo::update_family_path(product));
    const OtherHeadset other{(fixes & 0x40) != 0, (fixes & 0x80) != 0};
    if (dfu_path(product)) {
        kivo::UpdateInputs inputs;
        inputs.firmwareFile = folder.put("firmware.img", file);
        inputs.archiveFolder = folder.path() / "archive";
        inputs.opener = open_product(product);
        run_dfu_update(product, (fixes & 0x20) != 0, mode, other, std::move(inputs), file, verified);
        return 0;
    }
    const kivo::UpdateFamilyPath path = kivo::update_family_path(product);
    sim::HeadsetPersona persona = family::headset_persona(product);
    // Below every intermediate-image floor: a file above it fetches the intermediate image.
    if (path == kivo::UpdateFamilyPath::KelporIntermediate)
        persona.version = {1, 1, 0, 0};
    const bool download_mode = path == kivo::UpdateFamilyPath::DownloadMode60;
    std::optional<sim::CameraCard> card;
    if (kivo::hid_camera_has_camera(product) || kivo::camera_mesh_has_camera(product)) {
        const bool marked = !kivo::camera_card_marker(product).empty();
        card.emplace(product, marked ? sim::CameraCard::Marker::Written : sim::CameraCard::Marker::Missing);
        persona.camera = sim::camera_of(product, *card);
    }
    const sim::PluggedHeadset headset = sim::plug_headset(persona);
    family::plug_companions(product);
    const uint16_t other_product = product == kOtherHeadset ? kOtherHeadsetSibling : kOtherHeadset;
    const sim::PluggedHeadset bystander = sim::plug_headset(family::headset_persona(other_product));
    if (other.fromTheStart) {
        sim::bus().plug_ahead(bystander.headset);
    } else {
        sim::bus().unplug(*bystander.headset);
        sim::bus().schedule(kPlugOnceBegun, [device = bystander.headset] { sim::bus().plug_ahead(device); });
    }
    kivo::UpdateInputs inputs;
    inputs.firmwareFile = folder.put("firmware.img", file);
    family::recognize(persona, inputs);
    inputs.archiveFolder = folder.path() / "archive";
    inputs.opener = family::headset_opener(product, {other_product});
    inputs.globalServerBase = server.base();
    kivo::UpdateShared shared;
    FakeUpdateHost host;
    kivo::threadMethodUpdate(inputs, shared, host);

    // Nothing reached the other headset, nor its module.
    for (const auto& iface : bystander.headset->hid)
        if (!iface->outputs().empty())
            std::abort();
    if (bystander.module && !bystander.module->hid.front()->outputs().empty())
        std::abort();
    if (!shared.updateFinished() || sim::bus().open_hid_handles() != 0)
        std::abort();
    for (const auto& iface : headset.headset->hid)
        for (const Bytes& image : headset_images(*iface, !download_mode))
            if (!starts_a_verified_entry(verified, image))
                std::abort();
    if (card) {
        for (const Bytes& image : headset.cameraImages())
            if (!is_a_verified_entry(verified, image))
                std::abort();
        const kivo::CameraFiles& files = *kivo::camera_files(product);
        for (const std::string_view name : {files.temporaryFile, files.firmwareFile})
            if (const std::optional<sim::Bytes> copy = card->read(std::string(name)))
                if (!is_a_verified_entry(verified, *copy))
                    std::abort();
    }
    if (headset.module) {
        if (!starts_a_verified_entry(verified, headset.moduleImage()) ||
            !starts_a_verified_entry(verified, headset.im501Image()))
            std::abort();
        // The Airoha module's block in 62-byte chunks, the QCC module's image in 65-byte ones (the OEM
        // module's checked write sends a refused chunk again: its runs are not the entry's).
        if (persona.module->airoha || path == kivo::UpdateFamilyPath::MeshQcc65)
            for (const Bytes& image : headset_images(*headset.module->hid.front()))
                if (!starts_a_verified_entry(verified, image))
                    std::abort();
        for (const sim::Bytes& out : headset.module->hid.front()->outputs()) {
            if (out.size() <= kChunkLengthAt || out[1] != kBlock)
                continue;
            const size_t length = std::min<size_t>(out[kChunkLengthAt], out.size() - kBlockDataAt);
            if (!lies_in_a_verified_entry(verified, Data(out).subspan(kBlockDataAt, length)))
                std::abort();
        }
    }
    return 0;
}
