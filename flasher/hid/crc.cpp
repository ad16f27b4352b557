#include "flasher/hid/crc.h"

#include <zlib.h>

void crc32_set(Crc32Register& crc, uint32_t value) { crc.value = value; }

uint32_t crc32_update(Crc32Register& crc, const void* data, size_t length)
{
    // zlib inverts on the way in and out; undoing both leaves the raw register step.
    if (data != nullptr && length > 0)
        crc.value = ~static_cast<uint32_t>(crc32_z(~crc.value, static_cast<const Bytef*>(data), length));
    return crc.value;
}

uint16_t crc16_ccitt(const uint8_t* data, int length)
{
    if (length < 1)
        return 0;
    return crc16_ccitt_update(0, data, length);
}

uint16_t crc16_ccitt_update(uint32_t crc, const uint8_t* data, int length)
{
    if (length < 0)
        return 0;
    uint16_t value = static_cast<uint16_t>(crc);
    if (data == nullptr)
        return value;
    for (int i = 0; i < length; ++i) {
        value = static_cast<uint16_t>(value ^ (data[i] << 8));
        for (int bit = 0; bit < 8; ++bit)
            value = static_cast<uint16_t>((value & 0x8000) != 0 ? (value << 1) ^ 0x1021 : value << 1);
    }
    return value;
}
