#pragma once
// What the two firmware loaders share: the buffer they hand to the caller, their texts and the
// step that reads a whole file into a new buffer.
//
// Failure rules of both loaders: the result is 0 and one of the texts below is in the caller's
// text buffer (64 bytes or more). A path that cannot be examined leaves the caller's buffer as it
// was; every later failure leaves it empty.

#include <cstdint>
#include <cstdlib>
#include <memory>
#include <span>

struct FirmwareBufferFree {
    void operator()(uint8_t* bytes) const noexcept { std::free(bytes); }
};
using FirmwareBuffer = std::unique_ptr<uint8_t[], FirmwareBufferFree>;

inline constexpr char kFirmwareCannotAccess[] = "Cannot access firmware";
inline constexpr char kFirmwareCannotAllocate[] = "Cannot allocate file buffer";
inline constexpr char kFirmwareCannotOpen[] = "Cannot open firmware";
inline constexpr char kFirmwareCannotLoad[] = "Cannot load firmware";
inline constexpr char kFirmwareCorrupted[] = "Firmware corrupted";

// Reads the whole file at path into a new buffer handed to the caller and sets size to the file
// size; on failure returns false with the text written and the buffer as the failure rules say.
bool firmware_file_read(const char* path, FirmwareBuffer& buffer, size_t& size, std::span<char> text);
