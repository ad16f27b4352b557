#pragma once
// Firmware image files behind one table of operations: raw binary (read and write, "-" for
// standard input or output) and Intel HEX (read only, parsed whole into one contiguous image).
// No reader writes messages; every failure is its ImageResult.

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

enum class ImageResult : int {
    IMG_OK = 0,
    IMG_SYSTEM_ERROR = 1, // a system call failed
    IMG_INVALID_FILE = 2, // the file cannot be examined or does not parse
    IMG_NOT_READABLE = 3, // read on a state opened for writing
    IMG_NOT_WRITABLE = 4, // write on a state opened for reading, or a format that cannot be written
};
using enum ImageResult;

// A run of bytes the file itself gave, as an offset from the image base and a length; the 0xFF
// bytes a HEX image holds between records belong to no extent.
struct ImageExtent {
    uint32_t offset;
    uint32_t length;
    bool operator==(const ImageExtent&) const = default;
};

struct ImageReader {
    const char* name;
    void* (*init)(); // a new, zeroed state, or nullptr
    ImageResult (*open)(void* state, const char* file_name, bool for_writing);
    ImageResult (*close)(void* state); // frees the state
    uint32_t (*size)(void* state);
    ImageResult (*read)(void* state, uint8_t* buffer, uint32_t* count); // *count in: room, out: copied
    ImageResult (*write)(void* state, const uint8_t* data, uint32_t count);
    // Two queries beyond the seven: where the image's first byte belongs, and which bytes of the
    // image the file actually gave (in ascending order, never touching each other).
    uint32_t (*base)(void* state);
    std::vector<ImageExtent> (*extents)(void* state);
};

extern const ImageReader raw_binary_reader; // "Raw BINARY"
extern const ImageReader intel_hex_reader; // "Intel HEX"

// Raw binary.
struct RawImageState;
RawImageState* raw_image_init();
ImageResult raw_image_open(RawImageState* state, const char* file_name, bool for_writing);
ImageResult raw_image_close(RawImageState* state);
uint32_t raw_image_size(RawImageState* state);
ImageResult raw_image_read(RawImageState* state, uint8_t* buffer, uint32_t* count);
ImageResult raw_image_write(RawImageState* state, const uint8_t* data, uint32_t count);

// Intel HEX. The image never grows past this: the largest flash a chip has is 2 MiB.
inline constexpr uint32_t kIhexImageLimit = 16u << 20;

// A parsed HEX file: the contiguous image, the address of its first byte and its data extents.
struct IhexImage {
    std::vector<uint8_t> bytes;
    uint32_t base = 0;
    std::vector<ImageExtent> extents;
};

// Parses HEX text held in memory. On failure the image keeps what was loaded so far.
ImageResult ihex_parse(std::span<const uint8_t> text, IhexImage& image);

struct IhexImageState;
IhexImageState* ihex_image_init();
ImageResult ihex_image_load(IhexImageState* state, const char* file_name, bool for_writing);
ImageResult ihex_image_close(IhexImageState* state);
uint32_t ihex_image_size(IhexImageState* state);
ImageResult ihex_image_read(IhexImageState* state, uint8_t* buffer, uint32_t* count);
ImageResult ihex_image_write(IhexImageState* state, const uint8_t* data, uint32_t count);
uint32_t ihex_image_base(IhexImageState* state);
std::vector<ImageExtent> ihex_image_extents(IhexImageState* state);
