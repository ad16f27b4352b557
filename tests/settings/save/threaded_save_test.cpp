// The save on its worker thread, as the settings page runs it: the inputs copied before the start,
// the outcome applied on the main thread after the join, while the main thread keeps polling.

#include <gtest/gtest.h>

#include <thread>

#include "app/worker_run.h"
#include "link/usb_link.h"
#include "settings/save/save_run.h"
#include "tests/app/run_events.h"
#include "tests/link/test_opener.h"
#include "tests/sim/bus.h"
#include "tests/sim/hid_headsets.h"
#include "tests/sim/usb_headsets.h"

using namespace kivo::settings;

TEST(ThreadedSave, OutcomesReachTheMainThreadAfterEverythingIsClosed)
{
    sim::Session session;
    ASSERT_EQ(usb_link_start(), 0);
    sim::HeadsetPersona persona;
    persona.product_id = 0x5630;
    const sim::PluggedHeadset headset = sim::plug_headset(persona);
    auto csr = session.bus().plug(sim::make_usb_headset(sim::usb_headset(0x4D10, "Aldero")));

    SettingsSaveInput hid;
    hid.deviceTarget = hid.usbStatus = 0x5630;
    hid.data.setDeviceRecognized(0x5630);
    hid.dataCurrent = hid.data;
    hid.dataCurrent.setVoicePrompt(1);
    hid.opener = open_product(0x5630);

    SettingsSaveInput usb;
    usb.deviceTarget = usb.usbStatus = 0x4D10;
    usb.data.setDeviceRecognized(0x4D10);
    usb.data.setDeviceVersion({5, 1, 0, 0});
    usb.dataCurrent = usb.data;
    usb.dataCurrent.setVoicePrompt(1);

    kivo::WorkerRun run;
    const std::thread::id main_thread = std::this_thread::get_id();
    std::vector<int> results; // main thread only
    std::function<void(const SettingsSaveInput&)> start = [&](const SettingsSaveInput& input) {
        run.start<SettingsSaveOutcome>([input] { return threadMethodSave(input); },
                                       [&](SettingsSaveOutcome outcome) {
                                           EXPECT_EQ(std::this_thread::get_id(), main_thread);
                                           EXPECT_EQ(session.bus().open_hid_handles(), 0);
                                           EXPECT_EQ(session.bus().open_usb_handles(), 0);
                                           results.push_back(outcome.result);
                                           if (results.size() == 1)
                                               start(usb);
                                       });
    };
    start(hid);
    run_events_until([&] { return results.size() == 2 && !run.active(); });
    EXPECT_EQ(results, (std::vector<int>{kSaveSucceeded, kSaveSucceeded}));
    EXPECT_EQ(headset.record(0x36).size(), 5u);
    EXPECT_EQ(sim::ps_writes(*csr).size(), 1u);
}
