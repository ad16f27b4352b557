#pragma once
// Entry and exit sequences on the modem lines: steps such as "-rts,dtr" that release or assert RTS,
// DTR or BREAK to put a chip into its bootloader and take it out again. A sequence text has the
// form entry, colon, exit; each part is optional.

#include <cstddef>

#include "flasher/boot_protocol.h"
#include "flasher/port.h"

// Runs the entry part; an absent text (nullptr) or one beginning with ':' does nothing. 1 or 0.
int line_sequence_entry(FlasherPort* port, const char* text);
// Runs the exit part after the colon; without a colon (or without a text) resets the chip through
// a program run from RAM. A colon with nothing after it does nothing. 1 or 0.
int line_sequence_exit(BootConnection* connection, FlasherPort* port, const char* text);
// Runs the steps in the first length characters of text. 1 or 0.
int line_sequence_run(FlasherPort* port, const char* text, size_t length);
