#include "link/usb_link.h"

int usb_link_start() { return 0; }
void usb_link_stop() {}
