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

} // namespace flasher_test
