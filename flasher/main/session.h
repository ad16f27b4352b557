#pragma once
// What every action of a run works with once the bootloader is connected.

#include "flasher/boot_protocol.h"
#include "flasher/options.h"

struct RunSession {
    const FlasherOptions& options;
    BootConnection* connection;
    const ChipDescriptor& chip;
};
