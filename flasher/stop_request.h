#pragma once
// The process-wide stop request: set from a signal handler (Ctrl-C, SIGTERM), it ends every wait
// loop of the port and the bootloader client with a failure within about one read time-out.

void flasher_request_stop(); // async-signal-safe
bool flasher_stop_requested();
void flasher_clear_stop();
