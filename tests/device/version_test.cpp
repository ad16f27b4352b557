#include <gtest/gtest.h>

#include <climits>
#include <string>

#include "device/device_data.h"

namespace {

using R = KIVOBluetoothDeviceData;

struct Quad {
    int major, minor, type, secondary;
};

int quad_rule(Quad a, Quad b, bool camera = false)
{
    return R::
        compareVersionMajor_Minor_SecondaryVersionType_SecondaryVersion_WithVersionMajor_Minor_SecondaryVersionType_SecondaryVersion_ForLumora(
            a.major, a.minor, a.type, a.secondary, b.major, b.minor, b.type, b.secondary, camera);
}

int sign(int v) { return (v > 0) - (v < 0); }

TEST(VersionCompare, PairAndTripleRulesReturnTheRawDifferenceClampedToInt)
{
    struct Case {
        int a1, a2, b1, b2, expected;
    };
    const Case cases[] = {
        {3, 0, 1, 5, 2}, // majors differ: minors do not matter
        {1, 5, 1, 2, 3}, // minors
        {2, 4, 2, 4, 0},
        {INT_MAX, 0, -1, 0, INT_MAX}, // would overflow 32 bits
        {INT_MIN, 0, 1, 0, INT_MIN},
        {0, INT_MIN, 0, INT_MAX, INT_MIN},
    };
    for (const auto& c : cases)
        EXPECT_EQ(R::compareVersionUpToMinorMajor_Minor_WithMajor_Minor(c.a1, c.a2, c.b1, c.b2), c.expected)
            << c.a1 << "." << c.a2 << " vs " << c.b1 << "." << c.b2;

    EXPECT_EQ(R::compareVersionUpToMinorMajor_Minor_Minor2nd_WithMajor_Minor_Minor2nd(1, 2, 9, 1, 2, 4), 5);
    EXPECT_EQ(R::compareVersionUpToMinorMajor_Minor_Minor2nd_WithMajor_Minor_Minor2nd(1, 3, 0, 1, 2, 9), 1);
    EXPECT_EQ(R::compareVersionUpToMinorMajor_Minor_Minor2nd_WithMajor_Minor_Minor2nd(1, 2, 4, 1, 2, 4), 0);
}

TEST(VersionCompare, QuadRuleRanksReleaseCandidatesLowestAndReturnsOnlyASignAfterMinor)
{
    struct Case {
        Quad a, b;
        int expected;
    };
    const Case cases[] = {
        {{1, 2, 1, 5}, {1, 2, 0, 0}, -1}, // release candidate below plain release
        {{1, 2, 0, 0}, {1, 2, 2, 1}, -1}, // plain release below a release with a third number
        {{1, 2, 2, 1}, {1, 2, 1, 9}, 1},  {{1, 2, 0, 9}, {1, 2, 0, 2}, 1}, // same type: by secondary number, as a sign
        {{1, 2, 2, 3}, {1, 2, 2, 3}, 0},  {{3, 0, 1, 0}, {1, 5, 2, 9}, 2}, // major.minor first, raw difference
        {{1, 2, -1, 4}, {1, 2, 1, 2}, 1}, // types differ but rank alike: numbers decide
    };
    for (const auto& c : cases) {
        EXPECT_EQ(quad_rule(c.a, c.b), c.expected);
        EXPECT_EQ(sign(quad_rule(c.b, c.a)), -sign(c.expected)) << "swapped";
        EXPECT_EQ(
            R::compareVersionMajor_Minor_SecondaryVersionType_SecondaryVersion_WithVersionMajor_Minor_SecondaryVersionType_SecondaryVersion(
                c.a.major, c.a.minor, c.a.type, c.a.secondary, c.b.major, c.b.minor, c.b.type, c.b.secondary),
            c.expected);
    }
}

TEST(VersionCompare, CameraOrderingPutsTheSecondaryPairFirst)
{
    EXPECT_GT(quad_rule({1, 0, 2, 3}, {9, 9, 2, 2}, true), 0);
    EXPECT_EQ(quad_rule({1, 0, 2, 3}, {9, 9, 2, 3}, true), -8); // then major.minor, raw
    EXPECT_EQ(quad_rule({1, 0, 4, 0}, {1, 0, 1, 7}, true), 3); // type difference, raw, no ranking

    // The record picks the camera ordering for the camera's product id only.
    R record;
    record.setDeviceVersionMajor_Minor(1, 0);
    record.setDeviceSecondaryVersionType(2);
    record.setDeviceSecondaryVersion(3);
    record.setDeviceRecognized(0x3020);
    EXPECT_GT(record.compareVersionWithVersionMajor_Minor_SecondaryVersionType_SecondaryVersion(9, 9, 2, 2), 0);
    record.setDeviceRecognized(0x3021);
    EXPECT_EQ(record.compareVersionWithVersionMajor_Minor_SecondaryVersionType_SecondaryVersion(9, 9, 2, 2), -8);
}

TEST(VersionCompare, DowngradeRuleIgnoresTypesAndSubtractsSecondaryNumbers)
{
    EXPECT_EQ(
        R::downGradeBriskoEVOCompareVersionMajor_Minor_SecondaryVersionType_SecondaryVersion_WithVersionMajor_Minor_SecondaryVersionType_SecondaryVersion(
            1, 2, 1, 7, 1, 2, 0, 3),
        4);
    EXPECT_EQ(
        R::downGradeBriskoEVOCompareVersionMajor_Minor_SecondaryVersionType_SecondaryVersion_WithVersionMajor_Minor_SecondaryVersionType_SecondaryVersion(
            1, 2, 0, 3, 1, 2, 2, 3),
        0);
    EXPECT_EQ(
        R::downGradeBriskoEVOCompareVersionMajor_Minor_SecondaryVersionType_SecondaryVersion_WithVersionMajor_Minor_SecondaryVersionType_SecondaryVersion(
            2, 0, 0, 0, 2, 3, 0, 0),
        -3);
}

TEST(VersionCompare, RecordComparesItsOwnVersion)
{
    R record;
    EXPECT_LT(record.compareVersionUpToMinorWithMajor_Minor(0, 1), 0); // no version yet
    record.setDeviceVersionMajor_Minor(4, 2);
    record.setDeviceSecondaryVersionType(1);
    record.setDeviceSecondaryVersion(6);
    EXPECT_EQ(record.compareVersionUpToMinorWithMajor_Minor(4, 0), 2);
    EXPECT_EQ(record.compareVersionUpToMinorWithMajor_Minor(4, 2), 0);
    EXPECT_EQ(record.compareVersionUpToMinor2ndWithMajor2nd_Minor_Minor2nd(4, 2, 1), 5);
    EXPECT_LT(record.compareVersionWithVersionMajor_Minor_SecondaryVersionType_SecondaryVersion(4, 2, 0, 0), 0);
}

TEST(VersionParse, TwoPartTextsReadLeadingDigitsAndFailWithoutTouchingOutputs)
{
    struct Case {
        const char* text;
        bool ok;
        int major, minor;
    };
    const Case cases[] = {
        {"2.10", true, 2, 10},
        {"a1.5", true, 0, 5}, // no leading digits: 0
        {" +3.-4x", true, 3, -4}, // spaces, signs, trailing junk
        {"2.", true, 2, 0},
        {"99999999999.1", true, INT_MAX, 1},
        {"-99999999999.7", true, INT_MIN, 7},
        {"12", false, 0, 0},
        {"1.2.3", false, 0, 0},
        {"", false, 0, 0},
    };
    for (const auto& c : cases) {
        int major = 77, minor = 88;
        EXPECT_EQ(R::getVersionFromString_ToMajor_Minor(c.text, major, minor), c.ok) << c.text;
        EXPECT_EQ(major, c.ok ? c.major : 77) << c.text;
        EXPECT_EQ(minor, c.ok ? c.minor : 88) << c.text;
    }
}

TEST(VersionParse, FourPartTextsFillTypeSecondaryMajorMinorInThatOrder)
{
    int type = -1, secondary = -1, major = -1, minor = -1;
    EXPECT_TRUE(
        R::getVersionFromString_ToSecondaryType_Secondary_Major_Minor("2.3.1.0", type, secondary, major, minor));
    EXPECT_EQ(type, 2);
    EXPECT_EQ(secondary, 3);
    EXPECT_EQ(major, 1);
    EXPECT_EQ(minor, 0);

    for (const std::string text : {"1.2.3", "1.2.3.4.5", "1.2"}) {
        int t = 5, s = 6, ma = 7, mi = 8;
        EXPECT_FALSE(R::getVersionFromString_ToSecondaryType_Secondary_Major_Minor(text, t, s, ma, mi)) << text;
        EXPECT_EQ(t + s + ma + mi, 26) << text;
    }
}

} // namespace
