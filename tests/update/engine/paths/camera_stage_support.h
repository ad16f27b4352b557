#pragma once
// What the camera stages' tests share: the card's file operations with faults on cue, which the
// tests install for their runs, and the English status lines of the stages' failures.

#include <filesystem>
#include <memory>
#include <set>
#include <span>
#include <string>
#include <vector>

#include "update/engine/camera/card_files.h"

inline std::string failed(const std::string& reason_and_tag) { return "Failed to update firmware. " + reason_and_tag; }
inline std::string cannot_get_status(const std::string& tag)
{
    return failed("Cannot get status " + tag + ". Try again.");
}
inline std::string camera_failed(const std::string& tag)
{
    return failed("Camera firmware update failed " + tag + ". Try again.");
}
inline const std::string kCheckCard = failed("Check your SD Card");

// The card operations of the copy as the platform does them, but for the faults a test arms.
class FaultyCardFiles : public kivo::CardFiles {
public:
    // Read: the file opens and its first piece reads, then reading fails.
    enum Op { Create, Move, Open, Read, Size, Remove };
    std::set<Op> failing;
    // The copy arrives with its first byte changed.
    bool createFlipsAByte = false;
    // The move copies: the temporary file stays beside the camera firmware file.
    bool moveKeepsSource = false;

    bool remove(const std::string& path) override { return !failing.contains(Remove) && CardFiles::remove(path); }
    bool create(const std::string& path, std::span<const uint8_t> contents) override
    {
        if (failing.contains(Create))
            return false;
        std::vector<uint8_t> bytes(contents.begin(), contents.end());
        if (createFlipsAByte)
            bytes[0] ^= 0xFF;
        return CardFiles::create(path, bytes);
    }
    bool move(const std::string& from, const std::string& to) override
    {
        if (failing.contains(Move))
            return false;
        if (!moveKeepsSource)
            return CardFiles::move(from, to);
        std::error_code error;
        return std::filesystem::copy_file(from, to, std::filesystem::copy_options::overwrite_existing, error);
    }
    std::optional<uint64_t> size(const std::string& path) override
    {
        if (failing.contains(Size))
            return uint64_t{1};
        return CardFiles::size(path);
    }
    std::unique_ptr<kivo::CardFileReader> open(const std::string& path) override
    {
        if (failing.contains(Open))
            return nullptr;
        std::unique_ptr<kivo::CardFileReader> reader = CardFiles::open(path);
        if (!reader || !failing.contains(Read))
            return reader;
        return std::make_unique<FailingAfterFirstPiece>(std::move(reader));
    }

private:
    class FailingAfterFirstPiece : public kivo::CardFileReader {
    public:
        explicit FailingAfterFirstPiece(std::unique_ptr<kivo::CardFileReader> reader)
            : reader_(std::move(reader))
        { }
        std::optional<size_t> read(std::span<uint8_t> into) override
        {
            if (read_)
                return std::nullopt;
            read_ = true;
            return reader_->read(into);
        }

    private:
        std::unique_ptr<kivo::CardFileReader> reader_;
        bool read_ = false;
    };
};
