#pragma once
// The text forms of the serial settings: the baud table and the three characters of a mode such
// as "8e1" (data bits, parity, stop bits).

#include <cstdint>

inline constexpr uint32_t kBaudTableSize = 19; // an index of 19 means an invalid rate

// The table index of a rate, or 19.
uint32_t baud_index_of_rate(uint32_t rate);
// The rate at an index, 0 above 18.
uint32_t baud_rate_of_index(uint32_t index);
// Whether the serial port kind accepts the rate at this index (1200 to 115200 and 230400 baud).
bool serial_accepts_baud_index(uint32_t index);

// '5' to '8' give 0 to 3, anything else 4; back to text: index + 5, 0 when invalid.
uint32_t mode_data_bits_index(const char* mode);
uint32_t data_bits_of_index(uint32_t index);
// 'N', 'E', 'O' in either case give 0, 1, 2, anything else 3; back: 'N', 'E', 'O', a blank.
uint32_t mode_parity_index(const char* mode);
char parity_letter_of_index(uint32_t index);
// '1', '2' give 0, 1, anything else 2; back: 1, 2, 0 when invalid.
uint32_t mode_stop_bits_index(const char* mode);
uint32_t stop_bits_of_index(uint32_t index);
