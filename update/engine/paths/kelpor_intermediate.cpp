// Qualcomm headsets whose older firmware cannot take a newer file directly: a device below its
// version floor, updated with a file above it, first takes an intermediate image fetched from the
// global firmware server (erased as image 0 whatever its entries say), then every block of the
// file.

#include "common/clock.h"
#include "common/system_log.h"
#include "device/products/intermediate_images.h"
#include "link/firmware_file.h"
#include "text/update_texts.h"
#include "update/engine/hid/hid_image.h"
#include "update/engine/hid/intermediate_image.h"
#include "update/engine/paths/multi_image.h"
#include "update/engine/paths/paths.h"
#include "update/engine/run.h"
#include "update/engine/steps.h"

namespace kivo {
namespace {

// Block 0 carries the file's version; every block is written.
constexpr EntryNeed kNeeds[] = {{ContainerTable::Block, 0}, {ContainerTable::Block, kEveryEntry}};

constexpr int kPauseBeforeRealImagesMs = 3000;
// The intermediate image's own family of tags.
constexpr char kIntermediateCorruptedTag[] = "[u]";

constexpr PathPhase kPhases[] = {
    {1, "firmware file loaded"},
    {2, "settings backed up"},
    {4, "intermediate and real images being written"},
    {99, "images written"},
};

// The intermediate image from the global server into view; on a failure the status says why. The
// user's file is fine whatever the server sent, so the run ends with code 1, not 3.
bool fetch_intermediate(UpdateRun& run, const IntermediateImage& image, ContainerView& view)
{
    system_logf("intermediate image %s%.*s", run.in.globalServerBase.c_str(), static_cast<int>(image.fileName.size()),
                image.fileName.data());
    const HttpStreamLimits limits = intermediate_fetch_limits(
        run.in.intermediateIdleTimeout, run.in.intermediateLowSpeedTime, run.in.intermediateFetchTime);
    switch (fetch_intermediate_image(run.in.globalServerBase, image.fileName, limits, view)) {
    case IntermediateFetch::Fetched: return true;
    case IntermediateFetch::NotDownloaded:
        status_failure(run, UpdateTexts::tavk_string_cannot_download_firmware_in);
        return false;
    case IntermediateFetch::Corrupted:
        status_loader_message(run, kFirmwareCorrupted, kIntermediateCorruptedTag);
        return false;
    }
    return false;
}

void run_kelpor_intermediate(UpdateRun& run)
{
    if (!run_shared_steps(run, kNeeds) || !reopen_before_first_image(run))
        return;
    run.shared.change([](UpdateProgress& p) {
        p.addUpdateProcessed = 4;
        p.updateTimerProcessed = 0;
    });
    const IntermediateImage* image = intermediate_image(run.deviceTarget());
    // Held with its bytes until the run ends.
    ContainerView intermediate;
    if (image != nullptr && takes_intermediate_image(*image, run.in.data, *run.container.block(0))) {
        if (!fetch_intermediate(run, *image, intermediate) ||
            !write_block_images(run, intermediate, kIntermediateImageTags, 0))
            return;
    }
    sleep_ms(kPauseBeforeRealImagesMs);
    if (!write_block_images(run, run.container, kRealImageTags))
        return;
    succeed_from_90(run, "--------KELPOR UPDATE END");
}

} // namespace

const TransferPath kKelporIntermediatePath{"KelporIntermediate", run_kelpor_intermediate, kPhases};

} // namespace kivo
