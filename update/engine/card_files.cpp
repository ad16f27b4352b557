#include "update/engine/card_files.h"

#include <atomic>
#include <cstdio>
#include <filesystem>
#include <system_error>

namespace kivo {
namespace {

namespace fs = std::filesystem;

fs::path path_of(const std::string& text) { return fs::path(std::u8string(text.begin(), text.end())); }

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using FileHandle = std::unique_ptr<std::FILE, FileCloser>;

class BufferedReader : public CardFileReader {
public:
    explicit BufferedReader(FileHandle file)
        : file_(std::move(file))
    { }

    std::optional<size_t> read(std::span<uint8_t> into) override
    {
        const size_t got = std::fread(into.data(), 1, into.size(), file_.get());
        if (got == 0 && std::ferror(file_.get()) != 0)
            return std::nullopt;
        return got;
    }

private:
    FileHandle file_;
};

CardFiles platform_files;
std::atomic<CardFiles*> installed{nullptr};

} // namespace

bool CardFiles::exists(const std::string& path)
{
    std::error_code error;
    return fs::exists(path_of(path), error);
}

bool CardFiles::remove(const std::string& path)
{
    std::error_code error;
    return fs::remove(path_of(path), error) && !error;
}

bool CardFiles::create(const std::string& path, std::span<const uint8_t> contents)
{
    FileHandle file(std::fopen(path_of(path).c_str(), "wb"));
    if (!file)
        return false;
    const bool written = std::fwrite(contents.data(), 1, contents.size(), file.get()) == contents.size();
    // A card that is full or gone shows at the close, when the buffer reaches it.
    return std::fclose(file.release()) == 0 && written;
}

bool CardFiles::move(const std::string& from, const std::string& to)
{
    std::error_code error;
    fs::rename(path_of(from), path_of(to), error);
    return !error;
}

std::optional<uint64_t> CardFiles::size(const std::string& path)
{
    std::error_code error;
    const uintmax_t bytes = fs::file_size(path_of(path), error);
    if (error)
        return std::nullopt;
    return bytes;
}

std::unique_ptr<CardFileReader> CardFiles::open(const std::string& path)
{
    FileHandle file(std::fopen(path_of(path).c_str(), "rb"));
    if (!file)
        return nullptr;
    return std::make_unique<BufferedReader>(std::move(file));
}

CardFiles& card_files()
{
    CardFiles* files = installed.load();
    return files != nullptr ? *files : platform_files;
}

void install_card_files(CardFiles* files) { installed.store(files); }

} // namespace kivo
