// libFuzzer entry point: the camera's version as its memory card's version file tells it. Beyond not
// crashing: a text that is not UTF-8, or holds no digit, reads 0.0; more parts after the text never
// change the version.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "common/utf8_text.h"
#include "update/engine/camera/camera_card_steps.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    const kivo::CameraVersion version = kivo::camera_version_from_text(text);
    const kivo::CameraVersion none{};
    if (!kivo::is_utf8(text) && version != none)
        std::abort();
    if (text.find_first_of("0123456789") == std::string::npos && version != none)
        std::abort();
    if (kivo::camera_version_from_text(text + ".0.0.9.x") != version)
        std::abort();
    return 0;
}
