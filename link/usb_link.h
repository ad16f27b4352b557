#pragma once
// Starting and ending the USB libraries for the whole process.

// Starts the USB libraries once per process; 0 on success.
int usb_link_start();
// Closes what the link holds open and ends the USB libraries.
void usb_link_stop();
