#pragma once
// A keyed store written as JSON: one object whose first member "$class" names the archived class,
// followed by the encoded keys in the order they were encoded. Integers are JSON integers, flags
// JSON booleans, texts JSON strings, dates ISO 8601 texts with their UTC offset
// ("2024-05-01T14:03:09+02:00"); a missing date is null.
//
// Reading is strict about what is present and lenient about what is absent: a value of the wrong
// type raises ArchiveError, an absent key reads as 0, false, an empty text or no date.

#include <chrono>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

#include <nlohmann/json_fwd.hpp>

// Every way an archive can be unreadable: not JSON, not an archive of the expected class, a value
// of the wrong type.
class ArchiveError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

using ArchiveDate = std::chrono::sys_seconds;

class KeyedArchiver {
public:
    explicit KeyedArchiver(std::string_view className);
    ~KeyedArchiver();
    KeyedArchiver(const KeyedArchiver&) = delete;
    KeyedArchiver& operator=(const KeyedArchiver&) = delete;

    void encodeInt(std::string_view key, int value);
    void encodeBool(std::string_view key, bool value);
    void encodeText(std::string_view key, std::string_view text);
    void encodeDate(std::string_view key, const std::optional<ArchiveDate>& date);

    // The archive's JSON text.
    std::string text() const;

private:
    std::unique_ptr<nlohmann::ordered_json> root_;
};

class KeyedUnarchiver {
public:
    // Throws ArchiveError unless data is a JSON object archived for className.
    KeyedUnarchiver(std::string_view data, std::string_view className);
    ~KeyedUnarchiver();
    KeyedUnarchiver(const KeyedUnarchiver&) = delete;
    KeyedUnarchiver& operator=(const KeyedUnarchiver&) = delete;

    bool containsValueForKey(std::string_view key) const;
    int decodeInt(std::string_view key) const;
    // A JSON boolean, or an integer (non-zero is true) as older writers stored flags.
    bool decodeBool(std::string_view key) const;
    double decodeFloat(std::string_view key) const;
    std::string decodeText(std::string_view key) const;
    std::optional<ArchiveDate> decodeDate(std::string_view key) const;

private:
    std::unique_ptr<nlohmann::ordered_json> root_;
};

// ISO 8601 in the local time zone with its UTC offset, to the second; in UTC where the local zone
// cannot give it. A date outside the years 0000 to 9999 (UTC) is written as the nearest of them.
std::string format_iso8601(ArchiveDate date);
// Reads "YYYY-MM-DDTHH:MM:SS" with optional fraction and a zone "Z", "+HH:MM", "+HHMM" or "+HH";
// no date when the instant falls outside the years 0000 to 9999 (UTC).
std::optional<ArchiveDate> parse_iso8601(std::string_view text);
