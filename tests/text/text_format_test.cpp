#include <gtest/gtest.h>

#include "text/text_format.h"

using kivo::fill_format;
using kivo::format_placeholders;

TEST(FillFormat, FillsPlaceholdersAsPrintfWould)
{
    struct Case {
        std::string format;
        std::string expected;
    };
    const std::string text = "FIRMWARE UPDATE";
    const Case cases[] = {
        {fill_format("Ready for %@", {text}), "Ready for FIRMWARE UPDATE"},
        {fill_format("%@. %@[B][9]", {"Failed", "Cannot get status"}), "Failed. Cannot get status[B][9]"},
        {fill_format("%d %@", {30, "seconds"}), "30 seconds"},
        {fill_format("%d", {-12}), "-12"},
        {fill_format("devs =[%04X]", {0x3142}), "devs =[3142]"},
        {fill_format("%02X:%02x", {0x0A, 0xbe}), "0A:be"},
        {fill_format("%X", {-1}), "FFFFFFFF"},
        {fill_format("%5d|%-4d|%03d", {42, 7, -5}), "   42|7   |-05"},
        {fill_format("drive %c:", {'E'}), "drive E:"},
        {fill_format("%c", {0x41}), "A"},
        {fill_format("100%% of %@", {"block"}), "100% of block"},
        {fill_format("%@", {12}), "12"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.format, c.expected);
}

TEST(FillFormat, TwoStepFormatLeavesTheSecondSlotForTheSecondFill)
{
    std::string first = fill_format("Ready for %%@. %@", {"Cannot make backup firmware"});
    EXPECT_EQ(first, "Ready for %@. Cannot make backup firmware");
    EXPECT_EQ(fill_format(first, {"FIRMWARE UPDATE"}), "Ready for FIRMWARE UPDATE. Cannot make backup firmware");
}

TEST(FillFormat, NeverReadsPastItsArgumentsOrReinterpretsThem)
{
    // A translation with one placeholder too many keeps the extra one visible instead of reading
    // a missing argument; surplus arguments are dropped.
    EXPECT_EQ(fill_format("%@ and %@ and %d", {"one"}), "one and %@ and %d");
    EXPECT_EQ(fill_format("only %@", {"one", "two", 3}), "only one");
    // Text arguments go in as they are, even when they look like formats.
    EXPECT_EQ(fill_format("name: %@", {"%s%n%@"}), "name: %s%n%@");
    // Sequences that are not ours stay as written, including a lone % at the end.
    EXPECT_EQ(fill_format("%s %n %ld 50%", {"x", "y"}), "%s %n %ld 50%");
    // A huge width cannot blow the output up.
    EXPECT_LE(fill_format("%99999999999999999999d", {1}).size(), 1000u);
    EXPECT_EQ(fill_format("null %@.", {static_cast<const char*>(nullptr)}), "null .");
}

TEST(FormatPlaceholders, ListsConversionsInOrder)
{
    using V = std::vector<std::string>;
    EXPECT_EQ(format_placeholders("Ready for %%@. %@"), (V{"%%@", "%@"}));
    EXPECT_EQ(format_placeholders("%d. Press the [%@ >] button."), (V{"%d", "%@"}));
    EXPECT_EQ(format_placeholders("[%02X] 100%% %c"), (V{"%02X", "%%", "%c"}));
    EXPECT_EQ(format_placeholders("50 %"), (V{"%"}));
    EXPECT_EQ(format_placeholders("no placeholders"), V{});
}
