// The timer's pacing of the bar, tick by tick, and the address range of the partner headset.

#include <gtest/gtest.h>

#include "update/engine/pacing.h"
#include "update/server/address_range.h"

using kivo::PacingCounters;
using kivo::PacingGroup;
using kivo::UpdateProgress;

namespace {

struct Start {
    int marker = 0;
    int shown = 0;
    int ticksSoFar = 0; // updateTimerProcessed: phase ticks, or the linear fill's base
    int span = 0; // updateTimerPercentToProcess
};

UpdateProgress fields_of(const Start& s)
{
    UpdateProgress p;
    p.addUpdateProcessed = s.marker;
    p.updateProcessed = s.shown;
    p.updateTimerProcessed = s.ticksSoFar;
    p.updateTimerPercentToProcess = s.span;
    return p;
}

int shown_after(PacingGroup group, const Start& start, int ticks, PacingCounters counters = {}, bool box = false)
{
    UpdateProgress p = fields_of(start);
    for (int i = 0; i < ticks; ++i)
        kivo::pace_progress(p, group, box, counters);
    return p.updateProcessed;
}

} // namespace

TEST(Pacing, EachGroupMovesTheBarAsItsRuleSays)
{
    struct Case {
        const char* what;
        PacingGroup group;
        Start start;
        int ticks;
        int shown;
        PacingCounters counters = {};
        bool box = false;
    };
    const PacingCounters carried{2, false, false, false};
    const Case cases[] = {
        {"A marker 2 is shown", PacingGroup::A, {2, 0}, 1, 2},
        {"A transfer, tick 4", PacingGroup::A, {4, 4}, 4, 4},
        {"A transfer, tick 5", PacingGroup::A, {4, 4}, 5, 5},
        {"A transfer, tick 242", PacingGroup::A, {4, 4}, 242, 84},
        {"A transfer reaches 85 at tick 243", PacingGroup::A, {4, 4}, 243, 85},
        {"A transfer stays at 85", PacingGroup::A, {4, 4}, 2000, 85},
        {"A closing, tick 37", PacingGroup::A, {86, 85}, 37, 98},
        {"A closing reaches 99 at tick 38", PacingGroup::A, {86, 85}, 38, 99},
        // Only the worker's end shows 100, however long the closing or the wait after it lasts.
        {"A closing never above 99", PacingGroup::A, {86, 85}, 5000, 99},
        {"A marker 99 holds at 99", PacingGroup::A, {99, 98}, 5000, 99},
        {"A leaves a target marker alone", PacingGroup::A, {90, 40}, 5, 40},
        {"B transfer, tick 890", PacingGroup::B, {4, 4}, 890, 84},
        {"B transfer reaches 85 at tick 891", PacingGroup::B, {4, 4}, 891, 85},
        {"B closing, tick 37", PacingGroup::B, {86, 85}, 37, 98},
        {"B closing reaches 99 at tick 38", PacingGroup::B, {86, 85}, 38, 99},
        {"B closing never above 99", PacingGroup::B, {86, 85}, 5000, 99},
        {"B marker 99 holds at 99", PacingGroup::B, {99, 98}, 5000, 99},
        {"C transfer, tick 494", PacingGroup::C, {4, 4}, 494, 87},
        {"C transfer reaches 88 at tick 495", PacingGroup::C, {4, 4}, 495, 88},
        {"C closing, tick 28", PacingGroup::C, {89, 88}, 28, 98},
        {"C closing reaches 99 at tick 29", PacingGroup::C, {89, 88}, 29, 99},
        {"C closing never above 99", PacingGroup::C, {89, 88}, 500, 99},
        {"D as C", PacingGroup::D, {4, 4}, 495, 88},
        {"D holds while a box waits", PacingGroup::D, {4, 4}, 495, 4, {}, true},
        {"E marker 0: one step, then still", PacingGroup::E, {0, 0}, 10, 1},
        {"E every fourth tick, tick 3", PacingGroup::E, {90, 5}, 3, 5},
        {"E every fourth tick, tick 4", PacingGroup::E, {90, 5}, 4, 6},
        {"E counter kept from an earlier run", PacingGroup::E, {90, 5}, 2, 6, carried},
        {"E holds while a box waits", PacingGroup::E, {90, 5}, 8, 5, {}, true},
        {"F tick 2", PacingGroup::F, {90, 1}, 2, 1},
        {"F 2 at tick 3", PacingGroup::F, {90, 1}, 3, 2},
        {"F 3 at tick 5", PacingGroup::F, {90, 1}, 5, 3},
        {"F tick 8", PacingGroup::F, {90, 1}, 8, 3},
        {"F 4 at tick 9", PacingGroup::F, {90, 1}, 9, 4},
        {"G climbs", PacingGroup::G, {0, 90}, 3, 93},
        {"G stops at 95", PacingGroup::G, {0, 90}, 20, 95},
        {"default linear fill, tick 31", PacingGroup::Default, {0, 10, 10, 50}, 31, 35},
        {"default linear fill, tick 62", PacingGroup::Default, {0, 10, 10, 50}, 62, 60},
        {"default linear fill stays after 62", PacingGroup::Default, {0, 10, 10, 50}, 90, 60},
        {"default fill once the marker is reached", PacingGroup::Default, {8, 20, 20, 70}, 62, 90},
        {"default steps towards a marker above", PacingGroup::Default, {99, 50, 0, 40}, 1, 51},
        {"default holds while a box waits", PacingGroup::Default, {99, 50}, 5, 50, {}, true},
        {"default without span or marker", PacingGroup::Default, {0, 30}, 5, 30},
    };
    for (const Case& c : cases)
        EXPECT_EQ(shown_after(c.group, c.start, c.ticks, c.counters, c.box), c.shown) << c.what;
}

TEST(Pacing, CountersOfGroupsEAndFAreCarried)
{
    PacingCounters counters;
    UpdateProgress p = fields_of({90, 5});
    for (int i = 0; i < 2; ++i)
        kivo::pace_progress(p, PacingGroup::E, false, counters);
    EXPECT_EQ(counters.groupETicks, 2);
    UpdateProgress f = fields_of({90, 2});
    kivo::pace_progress(f, PacingGroup::F, false, counters);
    EXPECT_TRUE(counters.f1);
    EXPECT_EQ(&kivo::process_pacing_counters(), &kivo::process_pacing_counters());
}

// The worker writes marker 99, then 100 % a second later: a tick after that must not take it back.
TEST(Pacing, LateTickLeavesASuccessAlone)
{
    for (PacingGroup group : {PacingGroup::A, PacingGroup::B, PacingGroup::C, PacingGroup::D, PacingGroup::E,
                              PacingGroup::F, PacingGroup::G, PacingGroup::Default}) {
        for (const Start start : {Start{99, 100}, Start{4, 100, 7}, Start{0, 100, 10, 50}}) {
            PacingCounters counters;
            UpdateProgress p = fields_of(start);
            kivo::pace_progress(p, group, false, counters);
            EXPECT_EQ(p.updateProcessed, 100) << static_cast<int>(group) << " marker " << start.marker;
        }
    }
}

TEST(AddressRange, PartnerHeadsetUnitsByTheirAddress)
{
    struct Case {
        int product;
        const char* address;
        bool in_range;
    };
    for (const Case c : {Case{0x5060, "3323F1", true}, Case{0x5060, "333584", true}, Case{0x5060, "3323f5", true},
                         Case{0x5060, "3323F0", false}, Case{0x5060, "333585", false}, Case{0x5060, "", false},
                         Case{0x5060, "3323F", false}, Case{0x5060, "33358", false}, Case{0x5061, "3323F1", false},
                         Case{0x3142, "333584", false}})
        EXPECT_EQ(kivo::change_pskey_torvik(c.product, c.address), c.in_range) << c.address;
    EXPECT_EQ(kivo::leading_hex_value("3323F"), 0x3323Fu);
    EXPECT_EQ(kivo::leading_hex_value("12zz34"), 0x12u);
    EXPECT_EQ(kivo::leading_hex_value("zz"), 0u);
    EXPECT_EQ(kivo::leading_hex_value("3323F1AB"), 0x3323F1u) << "six digits at most";
}
