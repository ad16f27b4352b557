#pragma once
// The actions of a run, each checking its range against the chip before it sends anything that
// changes the chip. False after a message.

#include "flasher/main/image_file.h"
#include "flasher/main/session.h"

bool write_image(const RunSession& session, const LoadedImage& image); // -w
bool read_memory(const RunSession& session); // -r
bool erase_only(const RunSession& session); // -o
bool crc_of_memory(const RunSession& session); // -C

// One line on standard error: chip id, name, bootloader version.
void print_identity(const BootConnection& connection);
// The device report on standard output (a run without an action).
void print_device_report(const BootConnection& connection);
