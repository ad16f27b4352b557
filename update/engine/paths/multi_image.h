#pragma once
// What the Qualcomm paths that write several images from the block table share: the wait for the
// headset before the first image, the images written in table order, and the ending at 90 %.

#include <cstdint>
#include <optional>
#include <string_view>

#include "update/engine/container_view.h"
#include "update/engine/hid/hid_image.h"

namespace kivo {

struct UpdateRun;

// The reconnect wait with the loader restart's pause; a headset that does not come back ends the
// run with "Cannot get status" and no tag.
bool reopen_before_first_image(UpdateRun& run);

// Every block entry of file in order through the image write, erased under the low byte of its
// block type, or under image_id when one is given.
bool write_block_images(UpdateRun& run, const ContainerView& file, const HidStepTags& tags,
                        std::optional<uint8_t> image_id = std::nullopt);

// Marker 99 with the bar at 90 %, then the success ending with its trace line.
void succeed_from_90(UpdateRun& run, std::string_view trace_line);

} // namespace kivo
