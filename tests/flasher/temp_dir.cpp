#include "tests/flasher/temp_dir.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <unistd.h>

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

FdRedirect::FdRedirect(int target, int replacement)
    : target_(target)
    , saved_(::dup(target))
{
    ::dup2(replacement, target_);
    ::close(replacement);
}

FdRedirect::~FdRedirect()
{
    ::dup2(saved_, target_);
    ::close(saved_);
}

std::string binutils_hex(const TempDir& dir, const Bytes& bytes, uint32_t address)
{
    const std::string bin = dir.put("objcopy-source.bin", bytes);
    const std::string hex = dir.path("objcopy-output.hex");
    char command[1024];
    std::snprintf(command, sizeof command, "objcopy -I binary -O ihex --change-addresses 0x%08x '%s' '%s'", address,
                  bin.c_str(), hex.c_str());
    if (std::system(command) != 0)
        throw std::runtime_error("objcopy failed");
    const Bytes text = read_file(hex);
    return std::string(text.begin(), text.end());
}

std::string without_trailer(std::string hex)
{
    const size_t start_record = hex.find(":04000005");
    hex.resize(start_record != std::string::npos ? start_record : hex.find(":00000001FF"));
    return hex;
}

} // namespace flasher_test
