#include "device/keyed_archive.h"

#include <algorithm>
#include <climits>
#include <cstdio>
#include <ctime>

#include <nlohmann/json.hpp>

namespace {

constexpr const char* kClassKey = "$class";

using json = nlohmann::ordered_json;

std::string key_text(std::string_view key) { return std::string(key); }

[[noreturn]] void wrong_type(std::string_view key, const char* expected)
{
    throw ArchiveError("archive value " + key_text(key) + " is not " + expected);
}

// Reads exactly count decimal digits at text[pos]; advances pos.
std::optional<int> digits(std::string_view text, size_t& pos, size_t count)
{
    if (pos > text.size() || text.size() - pos < count)
        return std::nullopt;
    int value = 0;
    for (size_t i = 0; i < count; ++i) {
        const char c = text[pos + i];
        if (c < '0' || c > '9')
            return std::nullopt;
        value = value * 10 + (c - '0');
    }
    pos += count;
    return value;
}

bool expect(std::string_view text, size_t& pos, char c)
{
    if (pos >= text.size() || text[pos] != c)
        return false;
    ++pos;
    return true;
}

// The zone part: "Z", "+HH:MM", "+HHMM" or "+HH" (or "-"); the offset east of UTC in seconds.
std::optional<int> zone_offset(std::string_view text, size_t& pos)
{
    if (expect(text, pos, 'Z'))
        return 0;
    if (pos >= text.size() || (text[pos] != '+' && text[pos] != '-'))
        return std::nullopt;
    const int sign = text[pos++] == '-' ? -1 : 1;
    const auto hours = digits(text, pos, 2);
    if (!hours || *hours > 23)
        return std::nullopt;
    int minutes = 0;
    if (pos < text.size()) {
        expect(text, pos, ':');
        const auto m = digits(text, pos, 2);
        if (!m || *m > 59)
            return std::nullopt;
        minutes = *m;
    }
    return sign * (*hours * 3600 + minutes * 60);
}

// The instants a four-digit year can write in UTC: a date outside them would be written as a year
// the reader refuses.
const ArchiveDate kFirstDate{std::chrono::sys_days{std::chrono::year{0} / 1 / 1}};
const ArchiveDate kLastDate{std::chrono::sys_days{std::chrono::year{9999} / 12 / 31} + std::chrono::seconds{86399}};

bool four_digit_year(const std::tm& time) { return time.tm_year >= -1900 && time.tm_year <= 9999 - 1900; }

} // namespace

// ---- Dates --------------------------------------------------------------------------------------

std::string format_iso8601(ArchiveDate date)
{
    date = std::clamp(date, kFirstDate, kLastDate);
    const std::time_t seconds = static_cast<std::time_t>(date.time_since_epoch().count());
    std::tm local{};
    char text[64];
    if (localtime_r(&seconds, &local) && local.tm_gmtoff % 60 == 0 && four_digit_year(local)) {
        const long offset = local.tm_gmtoff;
        const long east = offset < 0 ? -offset : offset;
        std::snprintf(text, sizeof text, "%04d-%02d-%02dT%02d:%02d:%02d%c%02ld:%02ld", local.tm_year + 1900,
                      local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min, local.tm_sec,
                      offset < 0 ? '-' : '+', east / 3600, east % 3600 / 60);
        return text;
    }
    // Zones of old dates may sit seconds off UTC, which an offset cannot carry, and the first and
    // last day may be another year in the local zone: write UTC then.
    std::tm utc{};
    gmtime_r(&seconds, &utc);
    std::snprintf(text, sizeof text, "%04d-%02d-%02dT%02d:%02d:%02dZ", utc.tm_year + 1900, utc.tm_mon + 1, utc.tm_mday,
                  utc.tm_hour, utc.tm_min, utc.tm_sec);
    return text;
}

std::optional<ArchiveDate> parse_iso8601(std::string_view text)
{
    using namespace std::chrono;
    size_t pos = 0;
    const auto y = digits(text, pos, 4);
    if (!y || !expect(text, pos, '-'))
        return std::nullopt;
    const auto mo = digits(text, pos, 2);
    if (!mo || !expect(text, pos, '-'))
        return std::nullopt;
    const auto d = digits(text, pos, 2);
    if (!d || !expect(text, pos, 'T'))
        return std::nullopt;
    const auto h = digits(text, pos, 2);
    if (!h || !expect(text, pos, ':'))
        return std::nullopt;
    const auto mi = digits(text, pos, 2);
    if (!mi || !expect(text, pos, ':'))
        return std::nullopt;
    const auto s = digits(text, pos, 2);
    if (!s)
        return std::nullopt;
    if (expect(text, pos, '.') || expect(text, pos, ',')) {
        // A fraction of a second is read and dropped: the record keeps whole seconds.
        const size_t start = pos;
        while (pos < text.size() && text[pos] >= '0' && text[pos] <= '9')
            ++pos;
        if (pos == start)
            return std::nullopt;
    }
    const auto offset = zone_offset(text, pos);
    if (!offset || pos != text.size())
        return std::nullopt;

    const year_month_day day{year{*y}, month{static_cast<unsigned>(*mo)}, std::chrono::day{static_cast<unsigned>(*d)}};
    if (!day.ok() || *h > 23 || *mi > 59 || *s > 60)
        return std::nullopt;
    const ArchiveDate date = sys_days{day} + hours{*h} + minutes{*mi} + seconds{*s} - seconds{*offset};
    // A zone offset can move the instant out of the years the writer can write back.
    if (date < kFirstDate || date > kLastDate)
        return std::nullopt;
    return date;
}

// ---- Writing ------------------------------------------------------------------------------------

KeyedArchiver::KeyedArchiver(std::string_view className)
    : root_(std::make_unique<json>(json::object()))
{
    (*root_)[kClassKey] = std::string(className);
}

KeyedArchiver::~KeyedArchiver() = default;

void KeyedArchiver::encodeInt(std::string_view key, int value) { (*root_)[key_text(key)] = value; }

void KeyedArchiver::encodeBool(std::string_view key, bool value) { (*root_)[key_text(key)] = value; }

void KeyedArchiver::encodeText(std::string_view key, std::string_view text)
{
    (*root_)[key_text(key)] = std::string(text);
}

void KeyedArchiver::encodeDate(std::string_view key, const std::optional<ArchiveDate>& date)
{
    if (date)
        (*root_)[key_text(key)] = format_iso8601(*date);
    else
        (*root_)[key_text(key)] = nullptr;
}

std::string KeyedArchiver::text() const
{
    // Texts come from devices and users: replace invalid UTF-8 rather than fail the backup.
    return root_->dump(2, ' ', false, json::error_handler_t::replace) + "\n";
}

// ---- Reading ------------------------------------------------------------------------------------

KeyedUnarchiver::KeyedUnarchiver(std::string_view data, std::string_view className)
    : root_(std::make_unique<json>(json::parse(data, nullptr, false)))
{
    if (root_->is_discarded())
        throw ArchiveError("archive is not valid JSON");
    if (!root_->is_object())
        throw ArchiveError("archive is not a keyed archive");
    const auto found = root_->find(kClassKey);
    if (found == root_->end() || !found->is_string() || found->get<std::string>() != className)
        throw ArchiveError("archive does not hold a " + std::string(className));
}

KeyedUnarchiver::~KeyedUnarchiver() = default;

bool KeyedUnarchiver::containsValueForKey(std::string_view key) const { return root_->contains(key_text(key)); }

int KeyedUnarchiver::decodeInt(std::string_view key) const
{
    const auto found = root_->find(key_text(key));
    if (found == root_->end())
        return 0;
    if (found->is_number_unsigned()) {
        const auto value = found->get<uint64_t>();
        if (value > uint64_t{INT_MAX})
            wrong_type(key, "an int");
        return static_cast<int>(value);
    }
    if (!found->is_number_integer())
        wrong_type(key, "an int");
    const auto value = found->get<int64_t>();
    if (value < INT_MIN || value > INT_MAX)
        wrong_type(key, "an int");
    return static_cast<int>(value);
}

double KeyedUnarchiver::decodeFloat(std::string_view key) const
{
    const auto found = root_->find(key_text(key));
    if (found == root_->end())
        return 0.0;
    if (!found->is_number())
        wrong_type(key, "a number");
    return found->get<double>();
}

bool KeyedUnarchiver::decodeBool(std::string_view key) const
{
    const auto found = root_->find(key_text(key));
    if (found == root_->end())
        return false;
    if (found->is_boolean())
        return found->get<bool>();
    if (found->is_number_integer())
        return found->get<int64_t>() != 0;
    wrong_type(key, "a flag");
}

std::string KeyedUnarchiver::decodeText(std::string_view key) const
{
    const auto found = root_->find(key_text(key));
    if (found == root_->end() || found->is_null())
        return {};
    if (!found->is_string())
        wrong_type(key, "a text");
    return found->get<std::string>();
}

std::optional<ArchiveDate> KeyedUnarchiver::decodeDate(std::string_view key) const
{
    const auto found = root_->find(key_text(key));
    if (found == root_->end() || found->is_null())
        return std::nullopt;
    if (!found->is_string())
        wrong_type(key, "a date");
    const auto date = parse_iso8601(found->get_ref<const std::string&>());
    if (!date)
        wrong_type(key, "an ISO 8601 date");
    return date;
}
