#pragma once
// A folder of its own for each test's files, removed with everything in it.

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace flasher_test {

using Bytes = std::vector<uint8_t>;

class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    std::string path(std::string_view name) const;
    std::string put(std::string_view name, const Bytes& bytes) const;
    std::string put(std::string_view name, std::string_view text) const;

private:
    std::filesystem::path dir_;
};

Bytes read_file(const std::string& path);
Bytes pattern(size_t size, uint32_t seed);

// Points a descriptor (standard input, say) at another file for the life of the object.
class FdRedirect {
public:
    FdRedirect(int target, int replacement);
    ~FdRedirect();
    FdRedirect(const FdRedirect&) = delete;
    FdRedirect& operator=(const FdRedirect&) = delete;

private:
    int target_;
    int saved_;
};

// The Intel HEX text binutils writes for these bytes at this address (objcopy -O ihex).
std::string binutils_hex(const TempDir& dir, const Bytes& bytes, uint32_t address);
// The same text without its start-address and end records, to put another piece after it.
std::string without_trailer(std::string hex);

} // namespace flasher_test
