#include "flasher/main/flasher_run.h"

int main(int argc, char* argv[]) { return flasher_run(argc, argv); }
