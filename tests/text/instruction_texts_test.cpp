// What the update asks the user to do, per product and step, and the backup-failure message.

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <span>
#include <string>

#include "tests/text/translation_check.h"
#include "text/instruction_texts.h"
#include "text/product_names.h"
#include "text/tables/instructions_table.h"

using namespace kivo;

namespace {

const std::string kCable = "Unplug the USB cable from the USB port and plug it back in.";

std::string hold(const std::string& key) { return "Press and hold the " + key + " until this message disappears."; }
std::string replug(const std::string& key)
{
    return "Unplug the USB cable from the USB port and plug it back by pressing and holding the " + key +
        " until this message disappears.";
}
std::string hold_two(const std::string& a, const std::string& b)
{
    return "Press and hold the " + a + " and " + b + " until this message disappears.";
}

} // namespace

TEST(InstructionTexts, EachStepNamesTheKeysOfTheProduct)
{
    struct Case {
        int product;
        std::string first, after_failure, second;
    };
    const std::string minus = "[-] Button", plus = "[+] Button", phone = "Phone Button", center = "Center Button";
    const Case cases[] = {
        {0x3010, kCable, kCable, "Switch off " + ProductNames::tavk_product_name(0x3010) + " and switch it back on."},
        {0x5310, kCable, kCable, "Switch off " + ProductNames::tavk_product_name(0x5310) + " and switch it back on."},
        {0x3020, kCable, kCable,
         "1. Disconnect the USB cable from the LUMORA.\n2. Wait until the LUMORA completes update and powers off.\n"
         "3. Connect USB cable to the LUMORA and then power on it.\n4. Press [OK] button."},
        // Cable in both first steps, keys in the second.
        {0x4120, kCable, kCable, hold_two(center, plus)},
        {0x2010, hold(minus), replug(minus), hold_two(plus, minus)},
        {0x5624, hold(minus), replug(minus), hold_two(plus, minus)},
        // A first step only.
        {0x3300, hold(minus), "", ""},
        // The minus key first, the center key once the device did not answer.
        {0x5520, hold(minus), replug(center), hold_two(center, plus)},
        {0x6112, hold(minus), replug(center), hold_two(center, plus)},
        {0x6114, hold(minus), replug(center), hold_two(center, plus)},
        {0x4D10, hold(phone), replug(phone), hold_two("Jog Dial", phone)},
        {0x5710, hold(phone), replug(phone), hold_two("Jog Dial", phone)},
        // No retry instruction.
        {0x4D06, hold(phone), "", hold_two("Jog Dial", phone)},
        {0x4D86, hold(phone), "", hold_two("Jog Dial", phone)},
        {0x2020, hold(center), replug(center), hold_two(center, plus)},
        {0x4040, hold("[L] Button"), replug("[L] Button"), hold_two("[L] Button", "[R] Button")},
        {0x5210, hold("Pairing Button"), replug("Pairing Button"), hold_two("PTT Button", "Pairing Button")},
        // Products the update never asks to act.
        {0x3142, "", "", ""},
        {0x4210, "", "", ""},
        {0xCD10, "", "", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << std::hex << c.product);
        EXPECT_EQ(InstructionTexts::getMessageBoxFirstButton(c.product, kEnglish), c.first);
        EXPECT_EQ(InstructionTexts::getMessageBoxFailureFirstButton(c.product, kEnglish), c.after_failure);
        EXPECT_EQ(InstructionTexts::getMessageBoxSecondButton(c.product, kEnglish), c.second);
    }
}

TEST(InstructionTexts, StepsListKnownProductsOnceAndCoverTheExpectedNumbers)
{
    // A product in two rows of one step would silently get the first row's keys.
    using text_tables::InstructionRow;
    const std::map<std::string, std::pair<std::span<const InstructionRow>, std::size_t>> steps = {
        {"first", {text_tables::kFirstStep, 86}},
        {"after failure", {text_tables::kFirstStepAfterFailure, 81}},
        {"second", {text_tables::kSecondStep, 85}},
    };
    for (const auto& [name, step] : steps) {
        SCOPED_TRACE(name);
        std::set<int> seen;
        std::size_t listed = 0;
        for (const InstructionRow& row : step.first) {
            for (int id : row.ids) {
                EXPECT_NE(find_product(id), nullptr) << std::hex << id;
                EXPECT_TRUE(seen.insert(id).second) << std::hex << id;
                ++listed;
            }
        }
        EXPECT_EQ(listed, step.second);
    }
}

TEST(InstructionTexts, FollowTheInterfaceLanguageWithEnglishOutsideTheTable)
{
    EXPECT_EQ(InstructionTexts::getMessageBoxFirstButton(0x2010, kFrench),
              "Maintenez Bouton [-] enfoncé jusqu'à ce que ce message disparaisse.");
    EXPECT_EQ(InstructionTexts::getMessageBoxSecondButton(0x3010, kGerman),
              "Schalten Sie " + ProductNames::tavk_product_name(0x3010) + " aus und wieder ein.");
    EXPECT_EQ(InstructionTexts::getMessageBoxSecondButton(0x4D10, kJapanese),
              "このメッセージが消えるまでジョグダイヤルと電話ボタンを押し続けてください。");
    for (ManagerLanguage outside : {13, -1, 0x7FFFFFFF}) {
        EXPECT_EQ(InstructionTexts::getMessageBoxFirstButton(0x2010, outside), hold("[-] Button"));
        EXPECT_EQ(InstructionTexts::getMessageBoxFailureFirstButton(0x4D10, outside), replug("Phone Button"));
        EXPECT_EQ(InstructionTexts::getMessageBoxSecondButton(0x5210, outside),
                  hold_two("PTT Button", "Pairing Button"));
        EXPECT_EQ(InstructionTexts::getMessageBoxFileCreationFailed(outside),
                  InstructionTexts::getMessageBoxFileCreationFailed(kEnglish));
    }
}

TEST(InstructionTexts, BackupFailureMessageNamesModesSiteAndButton)
{
    EXPECT_EQ(InstructionTexts::getMessageBoxFileCreationFailed(kEnglish),
              "Creating a backup file for FIRMWARE RESTORE has failed. For FIRMWARE RESTORE later, download the "
              "previous firmware file from the Kivo web site (https://www.example.com/) and update it manually with "
              "FIRMWARE UPDATE. To continue, click the [OK] button below.");
    const std::string korean = InstructionTexts::getMessageBoxFileCreationFailed(kKorean);
    EXPECT_NE(korean.find("펌웨어 복원용 백업 파일"), std::string::npos);
    EXPECT_NE(korean.find("(https://www.example.com/)"), std::string::npos);
    EXPECT_NE(korean.find("[확인]"), std::string::npos);
}

TEST(InstructionTexts, TranslationsKeepThePlaceholdersAndLines)
{
    using namespace text_tables;
    const std::map<std::string, const Translated*> formats = {
        {"unplug and replug", &kUnplugAndReplug},   {"press and hold", &kPressAndHoldKey},
        {"replug holding", &kReplugHoldingKey},     {"press and hold two", &kPressAndHoldTwoKeys},
        {"switch off and on", &kSwitchOffAndOn},    {"camera steps", &kCameraReconnectSteps},
        {"backup file failed", &kBackupFileFailed},
    };
    for (const auto& [name, text] : formats) {
        text_check::expect_translations_fit(name, *text);
        for (const char* translation : text->translations)
            EXPECT_NE(translation, nullptr) << name;
    }
}
