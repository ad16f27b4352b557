#pragma once
// The images of a headset made of two modules, each behind a HID interface of its own (link slots
// 0 and 1): each image goes to the module its number names, the loaders of the modules whose main
// image was written start once every image is written, and the headset restarts on its own. The
// paths differ only in how one image and one loader start go over the wire.

#include <cstdint>
#include <functional>
#include <span>

namespace kivo {

struct ContainerEntry;
struct UpdateRun;

// By the image's number (section type or block number): 0 and 2 go to the first module, the others
// to the second; 0 and 1 are the modules' main images, which start their module's loader.
struct ModuleTarget {
    int slot;
    bool startsLoader;
};
ModuleTarget module_target(uint32_t number);

struct TwoModuleWire {
    // One image on a slot; on a failure it has written the status.
    std::function<bool(const ContainerEntry& image, int slot)> image;
    // The loader start on a slot; on a failure it has written the status.
    std::function<bool(int slot)> runLoader;
};

// Each image on its module's slot, in order; the loaders of the modules so marked, the first
// module's first; marker 86 with the timer's counter cleared; then the restart: a 5-second pause
// and the polls until the headset is back (the link ends closed). False with the status written.
bool write_two_modules(UpdateRun& run, std::span<const ContainerEntry* const> images, const TwoModuleWire& wire);

} // namespace kivo
