#include "update/engine/hid/two_module_write.h"

#include "update/engine/container_view.h"
#include "update/engine/hid/hid_image.h"
#include "update/engine/run.h"

namespace kivo {
namespace {

constexpr int kPauseAfterLoaders = 5;

} // namespace

ModuleTarget module_target(uint32_t number)
{
    switch (number) {
    case 0: return {0, true};
    case 2: return {0, false};
    case 1: return {1, true};
    default: return {1, false};
    }
}

bool write_two_modules(UpdateRun& run, std::span<const ContainerEntry* const> images, const TwoModuleWire& wire)
{
    bool starts_loader[2] = {false, false};
    for (const ContainerEntry* image : images) {
        const ModuleTarget target = module_target(image->number);
        starts_loader[target.slot] = starts_loader[target.slot] || target.startsLoader;
        if (!wire.image(*image, target.slot))
            return false;
    }
    for (const int slot : {0, 1})
        if (starts_loader[slot] && !wire.runLoader(slot))
            return false;
    run.shared.change([](UpdateProgress& p) {
        p.addUpdateProcessed = 86;
        p.updateTimerProcessed = 0;
    });
    // The headset comes back on its own; nothing is asked of it afterwards.
    if (reconnect_after_loader(run, kPauseAfterLoaders, ReconnectForm::PollOnly))
        return true;
    status_cannot_get_status(run, nullptr);
    return false;
}

} // namespace kivo
