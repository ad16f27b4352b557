#pragma once
// One run of kivo-flash: parse the command line, open the port, connect to the bootloader, carry
// out the action, and close everything again. Returns the exit status: 0 on success and after -h,
// 1 for every failure.

int flasher_run(int argc, char* argv[]);
