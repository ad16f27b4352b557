#include "update/engine/paths/multi_image.h"

#include "update/engine/run.h"
#include "update/engine/steps.h"

namespace kivo {

bool reopen_before_first_image(UpdateRun& run)
{
    if (reconnect_wait(run, kPauseAfterRestartLoader))
        return true;
    status_cannot_get_status(run, kRealImageTags.reopenBeforeFirstImage);
    return false;
}

bool write_block_images(UpdateRun& run, const ContainerView& file, const HidStepTags& tags,
                        std::optional<uint8_t> image_id)
{
    for (int i = 0; i < file.count(); ++i) {
        const ContainerEntry& block = *file.block(i);
        if (!write_hid_image(run, {image_id.value_or(block.imageId()), block.data}, tags))
            return false;
    }
    return true;
}

void succeed_from_90(UpdateRun& run, std::string_view trace_line)
{
    run.shared.change([](UpdateProgress& p) {
        p.addUpdateProcessed = 99;
        p.updateTimerProcessed = 0;
        p.updateProcessed = 90;
    });
    succeed(run, trace_line);
}

} // namespace kivo
