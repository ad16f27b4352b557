#pragma once
// The file operations of a camera update on the camera's memory card, through one small seam so
// that tests can fail each of them. Paths are UTF-8 texts: the card's path followed by a file name.
// The installed seam is process-wide, like the clock: install it before a worker starts.

#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>

namespace kivo {

// A file open for buffered reading.
class CardFileReader {
public:
    virtual ~CardFileReader() = default;
    // Up to into.size() bytes; 0 at the end of the file; none on a read error.
    virtual std::optional<size_t> read(std::span<uint8_t> into) = 0;
};

// The operations as the platform does them; a test derives from it and fails what it chooses.
class CardFiles {
public:
    virtual ~CardFiles() = default;
    virtual bool exists(const std::string& path);
    virtual bool remove(const std::string& path);
    // Creates the file (replacing one of that name) with these contents, written whole.
    virtual bool create(const std::string& path, std::span<const uint8_t> contents);
    // Renames from to to, replacing a file of that name. Fails across file systems.
    virtual bool move(const std::string& from, const std::string& to);
    // Flushes the folder's entries to its disk (a rename in it done before is then kept when the
    // card is pulled). The path names the folder, with or without its last separator.
    virtual bool sync_folder(const std::string& folder);
    virtual std::optional<uint64_t> size(const std::string& path);
    // nullptr when the file cannot be opened for reading.
    virtual std::unique_ptr<CardFileReader> open(const std::string& path);
    // Copies from into to (replacing a file of that name), on any file system, and flushes to to
    // its disk before it answers: a card pulled after true holds the whole file. False when any
    // part failed; a partial to may then be left, for the caller to remove.
    virtual bool copy(const std::string& from, const std::string& to);
};

// The installed operations; the platform's unless a test installed others.
CardFiles& card_files();
// Installs files (nullptr: back to the platform's). The caller keeps files alive while installed.
void install_card_files(CardFiles* files);

} // namespace kivo
