#pragma once
// The status sets of a page mode, in every interface language: ready, processing, success and
// failure, for the mode and the device's usbStatus. Qt-free: pages and workers build them alike.

#include "text/status_text_set.h"

namespace kivo {

StatusTextSet default_status_set(int mode, int usb_status);
StatusTextSet processing_status_set(int mode, int usb_status);
StatusTextSet success_status_set(int mode, int usb_status);
StatusTextSet failure_status_set(int mode, int usb_status);
// "<success of the caller>. <ready for recognition>": recognition asked for by a page.
StatusTextSet recognition_for_caller_status_set(int caller_mode, int usb_status);

} // namespace kivo
