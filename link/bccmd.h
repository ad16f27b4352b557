#pragma once
// The Bluetooth chip's persistent store over BCCMD: each message is an HCI vendor command sent by a
// class control transfer to the device chosen with usb_select_device, answered by an HCI vendor
// event read from interrupt endpoint 0x81. Keys are lists of 16-bit words, little-endian on the wire.
//
// The primitives return 0, or -1 with errno set (EIO: no proper BCCMD answer, ENXIO: the chip
// refused, ENODEV: no device selected) or the failed transfer's error; the readers return a
// length in bytes, 0 on any failure. Nothing is logged and no text is produced.

#include <cstdint>
#include <span>

inline constexpr uint16_t kBccmdGetRequest = 0x0000;
inline constexpr uint16_t kBccmdSetRequest = 0x0002;
inline constexpr uint16_t kBccmdVaridPsSize = 0x3006;
inline constexpr uint16_t kBccmdVaridPs = 0x7003;

inline constexpr size_t kBccmdMaxPayload = 240;
// The longest key a message can carry: the payload holds key, length and store before the words.
inline constexpr int kBccmdMaxKeyWords = (kBccmdMaxPayload - 6) / 2; // 117
inline constexpr int kBccmdKeyTooLong = -5;
inline constexpr size_t kHciEventBufferSize = 254;
// Room a caller gives the key readers: the longest key, with space to spare.
inline constexpr size_t kPsKeyBufferSize = 244;

// Sends one message with the given sequence number and, unless the varid is one of the resets
// 0x4001-0x4004, copies the answer's payload back over payload.
int bccmd_transact(uint16_t type, uint32_t sequence, uint16_t varid, std::span<uint8_t> payload);
// The current sequence number, which every message takes; advances it.
uint32_t bccmd_next_sequence();

// Size query then value query. Result 0 (length_bytes set, the words copied to out), -1 when a
// message failed, kBccmdKeyTooLong when the key does not fit a message or out; out is not
// written on failure.
int bccmd_get_pskey(uint16_t key, std::span<uint8_t> out, int& length_bytes);
// One SETREQ with store 1. Result that of bccmd_transact; kBccmdKeyTooLong above 117 words.
int bccmd_set_pskey(uint16_t key, std::span<const uint16_t> words);
// bccmd_get_pskey into buffer: the length in bytes, 0 on any failure.
int bccmd_read_pskey(uint16_t key, std::span<uint8_t> buffer);
int bccmd_read_pskey_data(uint16_t key, std::span<uint8_t> buffer);
// Key 0x0108 and key 0x0001, copied into buffer (truncated to its size); the length copied.
int bccmd_read_device_name(std::span<uint8_t> buffer);
int bccmd_read_bdaddr(std::span<uint8_t> buffer);

// The product id from key 0x02A3 when it is a known id, else from the device name; otherwise 0
// (key unreadable), -1 (key not one word) or -2 (a word, but not a known id).
int bccmd_read_product_id();
// The firmware version with its per-product defaults; all four outputs start at 0. Result 0
// when a version was found or defaulted, 1 when not.
int bccmd_read_firmware_version(uint32_t product_id, uint32_t& major, uint32_t& minor, uint32_t& third,
                                uint32_t& fourth);

// One interrupt-in transfer on endpoint 0x81 of the selected device; the bytes received.
int usb_read_hci_event(std::span<uint8_t> buffer, int timeout_ms);
