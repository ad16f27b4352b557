#include "update/server/firmware_index.h"

#include <climits>
#include <cstdint>

namespace kivo {
namespace {

std::vector<std::string_view> split(std::string_view text, std::string_view separator)
{
    std::vector<std::string_view> parts;
    std::size_t start = 0;
    while (true) {
        const std::size_t at = text.find(separator, start);
        if (at == std::string_view::npos) {
            parts.push_back(text.substr(start));
            return parts;
        }
        parts.push_back(text.substr(start, at - start));
        start = at + separator.size();
    }
}

// Lines end in CR LF; an index with fewer than two such lines is split on LF instead.
std::vector<std::string_view> index_lines(std::string_view body)
{
    std::vector<std::string_view> lines = split(body, "\r\n");
    if (lines.size() < 2)
        lines = split(body, "\n");
    return lines;
}

char lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool same_language(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (lower(a[i]) != lower(b[i]))
            return false;
    return true;
}

// The leading digits after optional blanks and a sign; 0 for none. Saturates to the int range.
int leading_number(std::string_view text)
{
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || (text[i] >= '\t' && text[i] <= '\r')))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        negative = text[i++] == '-';
    int64_t value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        value = value * 10 + (text[i] - '0');
        if (value > int64_t{INT_MAX} + 1)
            break;
    }
    value = negative ? -value : value;
    if (value > INT_MAX)
        return INT_MAX;
    if (value < INT_MIN)
        return INT_MIN;
    return static_cast<int>(value);
}

class IndexReader {
public:
    IndexReader(const FirmwareIndexQuery& query)
        : query_(query)
    {
        read_.latest = query.latest;
        read_.fileNameLatestVersion = query.fileNameLatestVersion;
        read_.popUp.push_back({PopUpOperation::Kind::RemoveAll, {}, 0});
    }

    bool thisProduct(std::string_view field) const
    {
        return !query_.internalName.empty() && field == query_.internalName;
    }

    // The version field without its first character ("v"), into the latest version. False, with
    // the version left as it was, when it does not have the parts the product's form needs.
    bool parseVersion(std::string_view field)
    {
        if (field.empty())
            return false;
        const std::string_view text = field.substr(1);
        FirmwareQuad& v = read_.latest;
        if (query_.camera)
            return KIVOBluetoothDeviceData::getVersionFromString_ToSecondaryType_Secondary_Major_Minor(
                text, v.secondaryType, v.secondary, v.major, v.minor);
        return KIVOBluetoothDeviceData::getVersionFromString_ToMajor_Minor(text, v.major, v.minor);
    }

    // Lists a language line's language and file; false when the list is full.
    bool addLanguage(std::string_view language, std::string_view file)
    {
        if (read_.languages.size() >= kFirmwareIndexMaxLanguages)
            return false;
        read_.fileNames.emplace_back(file);
        read_.languages.emplace_back(language);
        read_.popUp.push_back({PopUpOperation::Kind::Add, std::string(language), 0});
        return true;
    }

    int lastIndex() const { return static_cast<int>(read_.languages.size()) - 1; }
    void select(int index) { read_.popUp.push_back({PopUpOperation::Kind::Select, {}, index}); }
    void takeFile(std::string_view file) { read_.fileNameLatestVersion = std::string(file); }
    bool chosenLanguage(std::string_view language) const { return same_language(language, query_.strLanguageFirmware); }

    // The backup's version against the version just read: major and minor, or for the camera's
    // language lines the whole version.
    bool matchesBackup(bool whole) const
    {
        const FirmwareQuad& v = read_.latest;
        if (whole && query_.camera)
            return query_.backup.compareVersionWithVersionMajor_Minor_SecondaryVersionType_SecondaryVersion(
                       v.major, v.minor, v.secondaryType, v.secondary) == 0;
        return query_.backup.compareVersionUpToMinorWithMajor_Minor(v.major, v.minor) == 0;
    }

    void readUpdateList(std::string_view body);
    void readRestoreList(std::string_view body);
    void applyLanguagePreference();
    FirmwareIndexRead take() { return std::move(read_); }

    FirmwareIndexRead read_;

private:
    const FirmwareIndexQuery& query_;
};

void IndexReader::readUpdateList(std::string_view body)
{
    bool single = false; // a 3-field line of the product was taken
    bool block = false; // the product's language block is open
    for (std::string_view line : index_lines(body)) {
        const std::vector<std::string_view> f = split(line, ":");
        const bool taken = single || block;
        switch (f.size()) {
        case 3:
            if (taken)
                return;
            if (!thisProduct(f[0]))
                continue;
            parseVersion(f[1]);
            takeFile(f[2]);
            single = true;
            continue;
        case 4:
            if (single || (block && !thisProduct(f[0])))
                return;
            if (!thisProduct(f[0]))
                continue;
            if (!block) {
                parseVersion(f[1]);
                if (addLanguage(f[2], f[3]))
                    select(0);
                takeFile(f[3]);
                block = true;
            } else if (addLanguage(f[2], f[3]) && chosenLanguage(f[2])) {
                select(lastIndex());
                takeFile(f[3]);
            }
            continue;
        case 2:
            if (!taken)
                continue;
            if (thisProduct(f[0]))
                read_.latest.secondary = leading_number(f[1]);
            return;
        default:
            if (taken)
                return;
            continue;
        }
    }
}

void IndexReader::readRestoreList(std::string_view body)
{
    bool found = false; // the matching language block is open
    for (std::string_view line : index_lines(body)) {
        const std::vector<std::string_view> f = split(line, ":");
        if (f.size() == 3) {
            if (found)
                break;
            if (!thisProduct(f[0]))
                continue;
            // A version that does not parse is no version: it matches nothing.
            const bool parsed = parseVersion(f[1]);
            takeFile(f[2]);
            if (parsed && matchesBackup(false)) {
                read_.restorePossible = true;
                return;
            }
            continue;
        }
        if (f.size() == 4) {
            if (!thisProduct(f[0]) || !parseVersion(f[1]) || !matchesBackup(true)) {
                if (found)
                    break;
                continue;
            }
            if (!found) {
                takeFile(f[3]);
                found = true;
            }
            if (addLanguage(f[2], f[3]) && chosenLanguage(f[2])) {
                select(lastIndex());
                takeFile(f[3]);
            }
            continue;
        }
        if (found)
            break;
    }
    read_.restorePossible = found;
}

void IndexReader::applyLanguagePreference()
{
    if (read_.languages.empty() || !query_.applyToLanguageFirmware)
        return;
    for (std::size_t i = 0; i < read_.languages.size(); ++i) {
        if (same_language(read_.languages[i], query_.strLanguageManager)) {
            select(static_cast<int>(i));
            return;
        }
    }
}

} // namespace

bool is_ascii(std::string_view text)
{
    for (char c : text)
        if (static_cast<unsigned char>(c) > 0x7F)
            return false;
    return true;
}

FirmwareIndexRead read_firmware_index(std::optional<std::string_view> body, const FirmwareIndexQuery& query)
{
    if (body && !is_ascii(*body))
        body.reset();
    IndexReader reader(query);
    if (query.page == IndexPage::Update) {
        if (body)
            reader.readUpdateList(*body);
        else
            reader.read_.latest = {};
    } else if (body) {
        reader.readRestoreList(*body);
    }
    reader.applyLanguagePreference();
    return reader.take();
}

} // namespace kivo
