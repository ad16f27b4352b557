#include "update/engine/camera/camera_image_move.h"

#include <string>

#include "app/camera_card/camera_card_finder.h"
#include "common/system_log.h"
#include "device/products/helmet_camera.h"
#include "update/engine/camera/card_files.h"

namespace kivo {
namespace {

CameraImageMove moved_or_failed(bool moved)
{
    system_log(moved ? "FILE OK 2" : "ERROR");
    return moved ? CameraImageMove::Moved : CameraImageMove::Failed;
}

} // namespace

CameraImageMove updateLumoraFirmware(const std::filesystem::path& archive_folder)
{
    const std::string card = getCameraDiskPath(kCameraProductId);
    if (card.empty()) {
        system_log("ERROR");
        return CameraImageMove::NoCard;
    }
    CardFiles& files = card_files();
    const std::string source = (archive_folder / kCameraImageFile).string();
    const std::string target = card + kCameraCardImageFile;
    if (files.move(source, target))
        return moved_or_failed(true);
    // The camera takes whatever its name holds: the name is given only to a whole copy, flushed.
    const std::string temporary = card + kCameraCardTemporaryFile;
    // The rename is on the card's disk before the source goes: a card pulled just after would
    // otherwise hold neither name's entry, and the image would be lost with the source.
    if (!files.copy(source, temporary) || !files.move(temporary, target) || !files.sync_folder(card)) {
        files.remove(temporary);
        // Whatever the card holds under the name, the camera must not take it for this image.
        files.remove(target);
        return moved_or_failed(false);
    }
    // The image is whole on the card: the source may go (a source left over is replaced by the
    // next run's).
    files.remove(source);
    return moved_or_failed(true);
}

} // namespace kivo
