#include "update/engine/camera/card_files.h"

#include <fcntl.h>
#include <unistd.h>

#include <array>
#include <atomic>
#include <cstdio>
#include <filesystem>
#include <string_view>
#include <system_error>

#include "common/atomic_file.h"
#include "common/folder_flush.h"

namespace kivo {
namespace {

// A descriptor closed on every way out.
class Descriptor {
public:
    explicit Descriptor(int fd)
        : fd_(fd)
    { }
    ~Descriptor()
    {
        if (fd_ >= 0)
            ::close(fd_);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;

    int get() const { return fd_; }
    // Closes it now: a close that fails may have lost written data.
    bool close()
    {
        const int fd = fd_;
        fd_ = -1;
        return ::close(fd) == 0;
    }

private:
    int fd_;
};

bool write_bytes(int fd, std::span<const uint8_t> bytes)
{
    return write_all(fd, std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
}

// The target opened for writing from its start, replacing what it held.
Descriptor open_for_writing(const std::string& path)
{
    return Descriptor(::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644));
}

// Written data on its disk, then closed.
bool flush_and_close(Descriptor& file) { return ::fsync(file.get()) == 0 && file.close(); }

class FileReader : public CardFileReader {
public:
    explicit FileReader(std::FILE* file)
        : file_(file)
    { }
    ~FileReader() override { std::fclose(file_); }
    FileReader(const FileReader&) = delete;
    FileReader& operator=(const FileReader&) = delete;

    std::optional<size_t> read(std::span<uint8_t> into) override
    {
        const size_t got = std::fread(into.data(), 1, into.size(), file_);
        if (got < into.size() && std::ferror(file_))
            return std::nullopt;
        return got;
    }

private:
    std::FILE* file_;
};

CardFiles platform_files;
std::atomic<CardFiles*> installed{nullptr};

} // namespace

bool CardFiles::exists(const std::string& path)
{
    std::error_code error;
    return std::filesystem::exists(path, error);
}

bool CardFiles::remove(const std::string& path)
{
    std::error_code error;
    return std::filesystem::remove(path, error);
}

bool CardFiles::create(const std::string& path, std::span<const uint8_t> contents)
{
    Descriptor file = open_for_writing(path);
    return file.get() >= 0 && write_bytes(file.get(), contents) && flush_and_close(file);
}

bool CardFiles::move(const std::string& from, const std::string& to)
{
    std::error_code error;
    std::filesystem::rename(from, to, error);
    return !error;
}

bool CardFiles::sync_folder(const std::string& folder) { return flush_folder(folder); }

std::optional<uint64_t> CardFiles::size(const std::string& path)
{
    std::error_code error;
    const uintmax_t bytes = std::filesystem::file_size(path, error);
    if (error)
        return std::nullopt;
    return bytes;
}

std::unique_ptr<CardFileReader> CardFiles::open(const std::string& path)
{
    std::FILE* file = std::fopen(path.c_str(), "rbe");
    if (file == nullptr)
        return nullptr;
    return std::make_unique<FileReader>(file);
}

bool CardFiles::copy(const std::string& from, const std::string& to)
{
    const std::unique_ptr<CardFileReader> source = open(from);
    if (!source)
        return false;
    Descriptor target = open_for_writing(to);
    if (target.get() < 0)
        return false;
    std::array<uint8_t, 64 * 1024> buffer;
    for (;;) {
        const std::optional<size_t> got = source->read(buffer);
        if (!got)
            return false;
        if (*got == 0)
            break;
        if (!write_bytes(target.get(), std::span(buffer).first(*got)))
            return false;
    }
    return flush_and_close(target);
}

CardFiles& card_files()
{
    CardFiles* files = installed.load(std::memory_order_acquire);
    return files != nullptr ? *files : platform_files;
}

void install_card_files(CardFiles* files) { installed.store(files, std::memory_order_release); }

} // namespace kivo
