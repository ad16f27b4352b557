#include "flasher/crc_software.h"

#include <cstdio>

uint32_t stm32_crc_software(uint32_t crc, const uint8_t* data, size_t length)
{
    if (length % 4 != 0) {
        std::fputs("Buffer length must be multiple of 4 bytes\n", stderr);
        return 0;
    }
    for (size_t i = 0; i < length; i += 4) {
        const uint32_t word =
            uint32_t{data[i]} | uint32_t{data[i + 1]} << 8 | uint32_t{data[i + 2]} << 16 | uint32_t{data[i + 3]} << 24;
        crc ^= word;
        for (int bit = 0; bit < 32; ++bit)
            crc = (crc & 0x80000000u) != 0 ? (crc << 1) ^ 0x04C11DB7u : crc << 1;
    }
    return crc;
}
