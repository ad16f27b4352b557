#include "tests/flasher/temp_dir.h"

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <stdexcept>

namespace flasher_test {

TempDir::TempDir()
{
    std::string name = (std::filesystem::temp_directory_path() / "kivo-flasher-XXXXXX").string();
    if (::mkdtemp(name.data()) == nullptr)
        throw std::runtime_error("mkdtemp failed");
    dir_ = name;
}

TempDir::~TempDir()
{
    std::error_code ignored;
    std::filesystem::remove_all(dir_, ignored);
}

std::string TempDir::path(std::string_view name) const { return (dir_ / name).string(); }

std::string TempDir::put(std::string_view name, const Bytes& bytes) const
{
    const std::string file = path(name);
    std::ofstream out(file, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return file;
}

std::string TempDir::put(std::string_view name, std::string_view text) const
{
    return put(name, Bytes(text.begin(), text.end()));
}

Bytes read_file(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

Bytes pattern(size_t size, uint32_t seed)
{
    Bytes bytes(size);
    uint32_t x = seed * 2654435761u + 1;
    for (uint8_t& b : bytes) {
        x ^= x << 13;
        x ^= x >> 17;
        x ^= x << 5;
        b = static_cast<uint8_t>(x);
    }
    return bytes;
}

} // namespace flasher_test
