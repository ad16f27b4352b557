// The speed-dial page's rules as tables: which texts typing may leave in the field, what OK does
// with a text, and change detection.

#include <gtest/gtest.h>

#include <string>

#include "settings/speed_dial.h"

namespace {

using Record = KIVOBluetoothDeviceData;
using namespace kivo::settings;

const std::string k20 = "01234567890123456789";

} // namespace

TEST(SpeedDial, TypingLeavesAtMostTwentyCharactersOfTheSet)
{
    const std::pair<std::string, bool> cases[] = {
        {"", true},
        {"+*#", true},
        {k20, true},
        {k20 + "1", false},
        {"12a", false},
        {"12 3", false},
        {"\xEF\xBC\x91", false}, // a full-width one
        {"0123456789+*#", true},
    };
    for (const auto& [text, valid] : cases) {
        EXPECT_EQ(isPartialStringValid(text), valid) << "\"" << text << "\"";
        EXPECT_EQ(is_speed_dial_number(text), valid) << "\"" << text << "\"";
    }
}

TEST(SpeedDial, OkStoresANumberAndCutsOrKeepsAnythingElse)
{
    struct Case {
        std::string text;
        bool stored;
        std::string field;
    };
    const Case cases[] = {
        {"+4930123#*", true, "+4930123#*"},
        {"", true, ""}, // clears the number
        {k20 + "12345", false, k20},
        {"12a", false, "12a"},
        // Counted as characters: the cut keeps the two-byte one whole.
        {"1234567890123456789\xC3\xA9"
         "99",
         false, "1234567890123456789\xC3\xA9"},
        {"\xC3\xA9", false, "\xC3\xA9"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("\"" + c.text + "\"");
        const SpeedDialEntry entry = speed_dial_entry(c.text);
        EXPECT_EQ(entry.stored, c.stored);
        EXPECT_EQ(entry.field, c.field);
    }
}

TEST(SpeedDial, ChangeDetectionComparesTheThreeNumbersExactly)
{
    Record device;
    device.setSpeedDialAt_with(0, "12a");
    device.setSpeedDialAt_with(2, "5551234");
    Record same = device;
    EXPECT_FALSE(speed_dials_changed(device, same));
    Record other_case = device;
    other_case.setSpeedDialAt_with(0, "12A");
    EXPECT_TRUE(speed_dials_changed(device, other_case));
    Record third = device;
    third.setSpeedDialAt_with(2, "");
    EXPECT_TRUE(speed_dials_changed(device, third));
    // A number the record never held is the empty one.
    Record never_filled;
    Record cleared;
    cleared.setSpeedDialAt_with(1, "");
    EXPECT_FALSE(speed_dials_changed(never_filled, cleared));
}
