// The firmware index read without a window: the update page's latest version and the restore
// page's look-up of the backup's version, as tables of index bodies, and hostile bodies.

#include <gtest/gtest.h>

#include <string>

#include "update/server/firmware_index.h"

using kivo::FirmwareIndexQuery;
using kivo::FirmwareIndexRead;
using kivo::IndexPage;
using kivo::PopUpOperation;
using Kind = PopUpOperation::Kind;

namespace {

PopUpOperation removeAll() { return {Kind::RemoveAll, {}, 0}; }
PopUpOperation add(const char* language) { return {Kind::Add, language, 0}; }
PopUpOperation select(int index) { return {Kind::Select, {}, index}; }

FirmwareIndexQuery update_query()
{
    FirmwareIndexQuery query;
    query.page = IndexPage::Update;
    query.internalName = "Zel";
    query.strLanguageFirmware = "French";
    return query;
}

FirmwareIndexQuery restore_query(int major, int minor)
{
    FirmwareIndexQuery query = update_query();
    query.page = IndexPage::Restore;
    query.backup.setDeviceVersionMajor(major);
    query.backup.setDeviceVersionMinor(minor);
    return query;
}

} // namespace

TEST(FirmwareIndex, UpdatePageTakesTheFirstLineOrBlockOfItsProduct)
{
    struct Case {
        const char* what;
        std::string body;
        FirmwareQuad latest;
        std::string file;
        std::vector<std::string> languages;
    };
    const Case cases[] = {
        {"LF only", "Other:v9.9:o.img\nZel:v2.1:z.img\n", {2, 1, 0, 0}, "z.img", {}},
        {"one line without an end", "Zel:v2.1:z.img", {2, 1, 0, 0}, "z.img", {}},
        {"CR LF", "Other:v9.9:o.img\r\nZel:v2.1:z.img\r\n", {2, 1, 0, 0}, "z.img", {}},
        {"other products before and after",
         "A:v1.0:a\r\nB:v1.1:English:b\r\nZel:v2.1:z.img\r\nC:v3.0:c\r\n",
         {2, 1, 0, 0},
         "z.img",
         {}},
        {"a second block is never read",
         "Zel:v2.1:English:en.img\r\nZel:v2.1:German:de.img\r\n\r\nZel:v3.0:French:fr3.img\r\n",
         {2, 1, 0, 0},
         "en.img",
         {"English", "German"}},
        {"a block ends at another product",
         "Zel:v2.1:English:en.img\r\nX:v1.0:French:x\r\nZel:v2.1:French:fr.img\r\n",
         {2, 1, 0, 0},
         "en.img",
         {"English"}},
        {"secondary number right after the block",
         "Zel:v2.1:English:en.img\r\nZel:v2.1:French:fr.img\r\nZel:3\r\n",
         {2, 1, 0, 3},
         "fr.img",
         {"English", "French"}},
        {"secondary number right after the line", "Zel:v2.1:z.img\r\nZel: +7x\r\n", {2, 1, 0, 7}, "z.img", {}},
        {"another product's number there ends the read",
         "Zel:v2.1:z.img\r\nOther:5\r\nZel:6\r\n",
         {2, 1, 0, 0},
         "z.img",
         {}},
        {"a number before the block is skipped", "Zel:7\r\nZel:v2.1:z.img\r\n", {2, 1, 0, 0}, "z.img", {}},
        {"a number without digits", "Zel:v2.1:z.img\r\nZel:x\r\n", {2, 1, 0, 0}, "z.img", {}},
        {"a 3-field line, then a 4-field line",
         "Zel:v2.1:z.img\r\nZel:v2.2:French:fr.img\r\n",
         {2, 1, 0, 0},
         "z.img",
         {}},
        {"a block, then a 3-field line",
         "Zel:v2.1:English:en.img\r\nZel:v2.2:z.img\r\n",
         {2, 1, 0, 0},
         "en.img",
         {"English"}},
        {"product names are case-sensitive", "zel:v2.1:z.img\r\nZEL:v2.1:z.img\r\n", {}, "", {}},
        {"an empty version field", "Zel::z.img\r\n", {}, "z.img", {}},
        {"a version without its two parts", "Zel:v2.1.3:z.img\r\n", {}, "z.img", {}},
        {"separators only", "\r\n:\r\na:b:c:d:e\r\n", {}, "", {}},
        {"not ASCII", "Zel:v2.1:z\xC3\xA9.img\r\n", {}, "", {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const FirmwareIndexRead read = kivo::read_firmware_index(c.body, update_query());
        EXPECT_EQ(read.latest, c.latest);
        EXPECT_EQ(read.fileNameLatestVersion, c.file);
        EXPECT_EQ(read.languages, c.languages);
        EXPECT_EQ(read.fileNames.size(), read.languages.size());
        EXPECT_FALSE(read.restorePossible);
    }
}

TEST(FirmwareIndex, LanguageSelectionAndPreference)
{
    const std::string body = "Zel:v2.1:English:en.img\r\nZel:v2.1:french:fr.img\r\nZel:v2.1:German:de.img\r\n";
    FirmwareIndexQuery query = update_query();
    FirmwareIndexRead read = kivo::read_firmware_index(body, query);
    EXPECT_EQ(
        read.popUp,
        (std::vector<PopUpOperation>{removeAll(), add("English"), select(0), add("french"), select(1), add("German")}));
    EXPECT_EQ(read.fileNameLatestVersion, "fr.img") << "the chosen language takes the item and the file";
    EXPECT_EQ(read.fileNames, (std::vector<std::string>{"en.img", "fr.img", "de.img"}));

    query.strLanguageFirmware = "Finnish";
    read = kivo::read_firmware_index(body, query);
    EXPECT_EQ(read.fileNameLatestVersion, "en.img") << "item 0 and the first file stay";
    EXPECT_EQ(read.popUp.back(), add("German"));

    query.strLanguageFirmware = "French";
    query.applyToLanguageFirmware = true;
    query.strLanguageManager = "GERMAN";
    read = kivo::read_firmware_index(body, query);
    EXPECT_EQ(read.popUp.back(), select(2)) << "the interface language is selected last";
    EXPECT_EQ(read.fileNameLatestVersion, "fr.img") << "without changing the file";

    query.strLanguageManager = "Czech";
    read = kivo::read_firmware_index(body, query);
    EXPECT_EQ(read.popUp.back(), add("German")) << "no item of that language: nothing more";
}

TEST(FirmwareIndex, CameraVersionsHaveFourParts)
{
    FirmwareIndexQuery query = update_query();
    query.internalName = "Cam";
    query.camera = true;
    EXPECT_EQ(kivo::read_firmware_index("Cam:v1.3.2.5:c.img", query).latest, (FirmwareQuad{2, 5, 1, 3}));
    EXPECT_EQ(kivo::read_firmware_index("Cam:v2.5:c.img", query).latest, FirmwareQuad{});
}

TEST(FirmwareIndex, NoBodyOnTheUpdatePageIsNoVersion)
{
    FirmwareIndexQuery query = update_query();
    query.latest = {3, 0, 0, 1};
    query.fileNameLatestVersion = "old.img";
    const FirmwareIndexRead read = kivo::read_firmware_index(std::nullopt, query);
    EXPECT_EQ(read.latest, FirmwareQuad{});
    EXPECT_EQ(read.popUp, std::vector<PopUpOperation>{removeAll()});
    EXPECT_EQ(kivo::read_firmware_index("Zel:vx:z.img", query).latest, (FirmwareQuad{3, 0, 0, 1}))
        << "a version that does not parse leaves what the page held";
}

TEST(FirmwareIndex, RestorePageLooksUpTheBackupsVersion)
{
    struct Case {
        const char* what;
        std::optional<std::string> body;
        bool possible;
        std::string file;
        std::vector<std::string> languages;
    };
    const Case cases[] = {
        {"a 3-field match", "Zel:v2.0:old.img\r\nZel:v2.1:z21.img\r\nZel:v2.2:z22.img\r\n", true, "z21.img", {}},
        {"LF only", "Zel:v2.0:old.img\nZel:v2.1:z21.img\n", true, "z21.img", {}},
        {"not listed: the last line's file stays", "Zel:v2.0:old.img\r\nZel:v2.2:z22.img\r\n", false, "z22.img", {}},
        {"a block at the very end",
         "A:v1.0:a\r\nZel:v2.1:English:en.img\r\nZel:v2.1:French:fr.img",
         true,
         "fr.img",
         {"English", "French"}},
        {"a block before an empty line",
         "Zel:v2.1:English:en.img\r\n\r\nZel:v2.1:German:de.img\r\n",
         true,
         "en.img",
         {"English"}},
        {"a block ends at another version",
         "Zel:v2.1:English:en.img\r\nZel:v2.2:German:de.img\r\n",
         true,
         "en.img",
         {"English"}},
        {"a block of another version is skipped",
         "Zel:v2.2:English:x.img\r\nZel:v2.1:German:de.img\r\n",
         true,
         "de.img",
         {"German"}},
        {"no body", std::nullopt, false, "", {}},
        {"not ASCII", "Zel:v2.1:z\xFF.img\r\n", false, "", {}},
        {"an empty version field matches nothing", "Zel::English:e.img\r\n", false, "", {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const std::optional<std::string_view> body =
            c.body ? std::optional<std::string_view>(*c.body) : std::optional<std::string_view>();
        const FirmwareIndexRead read = kivo::read_firmware_index(body, restore_query(2, 1));
        EXPECT_EQ(read.restorePossible, c.possible);
        EXPECT_EQ(read.fileNameLatestVersion, c.file);
        EXPECT_EQ(read.languages, c.languages);
    }
}

TEST(FirmwareIndex, RestoreMatchOfTheCamera)
{
    FirmwareIndexQuery query = restore_query(2, 5);
    query.internalName = "Cam";
    query.camera = true;
    query.backup.setDeviceRecognized(0x3020);
    query.backup.setDeviceSecondaryVersionType(1);
    query.backup.setDeviceSecondaryVersion(3);
    EXPECT_TRUE(kivo::read_firmware_index("Cam:v9.9.2.5:c.img", query).restorePossible)
        << "a 3-field line matches on major and minor alone";
    EXPECT_FALSE(kivo::read_firmware_index("Cam:v9.9.2.5:English:c.img", query).restorePossible)
        << "a language line needs the whole version";
    const FirmwareIndexRead read = kivo::read_firmware_index("Cam:v1.3.2.5:English:c.img", query);
    EXPECT_TRUE(read.restorePossible);
    EXPECT_EQ(read.latest, (FirmwareQuad{2, 5, 1, 3}));
}

TEST(FirmwareIndex, AStaleVersionNeverMatches)
{
    // The page held the backup's version from an earlier read; a line whose own version is missing
    // must not take it over.
    FirmwareIndexQuery query = restore_query(2, 1);
    query.latest = {2, 1, 0, 0};
    EXPECT_FALSE(kivo::read_firmware_index("Zel:v:English:e.img\r\nZel:vx:z.img\r\n", query).restorePossible);
}

TEST(FirmwareIndex, HostileBodiesStayBounded)
{
    std::string block;
    for (int i = 0; i < 5000; ++i)
        block += "Zel:v2.1:Lang" + std::to_string(i) + ":f" + std::to_string(i) + ".img\r\n";
    FirmwareIndexQuery query = update_query();
    query.strLanguageFirmware = "Lang4000";
    FirmwareIndexRead read = kivo::read_firmware_index(block, query);
    EXPECT_EQ(read.languages.size(), kivo::kFirmwareIndexMaxLanguages);
    EXPECT_EQ(read.fileNames.size(), kivo::kFirmwareIndexMaxLanguages);
    EXPECT_EQ(read.fileNameLatestVersion, "f0.img") << "a language past the list is not chosen";
    EXPECT_LE(read.popUp.size(), 2 * kivo::kFirmwareIndexMaxLanguages + 2);
    read = kivo::read_firmware_index(block, restore_query(2, 1));
    EXPECT_TRUE(read.restorePossible);
    EXPECT_EQ(read.languages.size(), kivo::kFirmwareIndexMaxLanguages);

    const std::string colons(100000, ':');
    EXPECT_EQ(kivo::read_firmware_index(colons, update_query()).latest, FirmwareQuad{});
    const std::string huge_number = "Zel:v2.1:z\r\nZel:99999999999999999999\r\n";
    EXPECT_EQ(kivo::read_firmware_index(huge_number, update_query()).latest.secondary, INT_MAX);
    const std::string nul("Zel:v2.1:z\0.img", 15);
    EXPECT_EQ(kivo::read_firmware_index(nul, update_query()).fileNameLatestVersion, std::string("z\0.img", 6));
}
