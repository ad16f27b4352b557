// One read of the firmware index against a local server: the leaf and base asked for, and the
// answers that count as no index (errors, an empty or oversized body, silence).

#include <gtest/gtest.h>

#include <chrono>

#include "tests/app/net/local_http_server.h"
#include "update/server/latest_read.h"

using namespace std::chrono_literals;
using testnet::LocalHttpServer;
using testnet::Reply;

namespace {

kivo::LatestReadInputs inputs(const std::string& base, kivo::IndexPage page)
{
    kivo::LatestReadInputs in;
    in.base = base;
    in.query.page = page;
    in.query.internalName = "Zel";
    in.query.backup.setDeviceVersionMajor(2);
    in.query.backup.setDeviceVersionMinor(1);
    in.checkNewUpdate = true;
    in.deviceTarget = 0x3142;
    in.data.setDeviceVersionMajor(2);
    in.data.setDeviceVersionMinor(1);
    return in;
}

} // namespace

TEST(LatestRead, EachPageAsksForItsLeafAtTheBase)
{
    LocalHttpServer server;
    server.serve("/kivobluetoothmanager/Firmware", Reply{200, "Zel:v3.0:z30.img\r\n"});
    server.serve("/kivobluetoothmanager/Revisions", Reply{200, "Zel:v2.1:z21.img\r\n"});

    const kivo::LatestReadOutcome update = kivo::threadMethodReadLatest(inputs(server.base(), kivo::IndexPage::Update));
    EXPECT_EQ(update.read.latest, (FirmwareQuad{3, 0, 0, 0}));
    EXPECT_EQ(update.read.fileNameLatestVersion, "z30.img");
    EXPECT_TRUE(update.checkNewUpdate);
    EXPECT_TRUE(update.newUpdateFound) << "3.0 over the device's 2.1";

    const kivo::LatestReadOutcome restore =
        kivo::threadMethodReadLatest(inputs(server.base(), kivo::IndexPage::Restore));
    EXPECT_TRUE(restore.read.restorePossible);
    EXPECT_EQ(restore.read.fileNameLatestVersion, "z21.img");

    EXPECT_EQ(server.requestCount("/kivobluetoothmanager/Firmware"), 1);
    EXPECT_EQ(server.requestCount("/kivobluetoothmanager/Revisions"), 1);
    EXPECT_NE(server.lastRequest().find("no-cache"), std::string::npos);
}

TEST(LatestRead, AnswersThatAreNoIndex)
{
    LocalHttpServer server;
    const std::string listed = "Zel:v2.1:z21.img\r\n";
    struct Case {
        const char* what;
        Reply reply;
    };
    const Case cases[] = {
        {"not found", Reply{404, listed}},
        {"server error", Reply{500, listed}},
        {"empty", Reply{200, ""}},
        {"over 4 MiB", Reply{200, listed + std::string(kivo::kFirmwareIndexMaxBytes, '\n')}},
        {"not ASCII", Reply{200, "Zel:v2.1:z\xE9.img\r\n"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        server.serve("/kivobluetoothmanager/Firmware", c.reply);
        server.serve("/kivobluetoothmanager/Revisions", c.reply);
        const kivo::LatestReadOutcome update =
            kivo::threadMethodReadLatest(inputs(server.base(), kivo::IndexPage::Update));
        EXPECT_EQ(update.read.latest, FirmwareQuad{});
        EXPECT_TRUE(update.read.languages.empty());
        EXPECT_FALSE(
            kivo::threadMethodReadLatest(inputs(server.base(), kivo::IndexPage::Restore)).read.restorePossible);
    }
}

TEST(LatestRead, ASilentServerEndsAtTheTimeOut)
{
    LocalHttpServer server;
    server.serve("/kivobluetoothmanager/Revisions", Reply{200, "Zel:v2.1:z21.img\r\n", true});
    kivo::LatestReadInputs in = inputs(server.base(), kivo::IndexPage::Restore);
    in.timeout = 1s;
    testing::internal::CaptureStderr();
    EXPECT_FALSE(kivo::threadMethodReadLatest(in).read.restorePossible);
    const std::string log = testing::internal::GetCapturedStderr();
    EXPECT_NE(log.find("firmware index: Timeout was reached\n"), std::string::npos) << "its time-out ends the read: " << log;

    server.serve("/kivobluetoothmanager/Firmware", Reply{200, "Zel:v3.0:z.img\r\n", false, 300ms});
    const kivo::LatestReadOutcome slow = kivo::threadMethodReadLatest(inputs(server.base(), kivo::IndexPage::Update));
    EXPECT_EQ(slow.read.latest, (FirmwareQuad{3, 0, 0, 0})) << "a slow answer within the time-out counts";
}

TEST(LatestRead, ARereadMakesNoDecisionOnce)
{
    kivo::LatestReadInputs in = inputs(testnet::closed_local_base(), kivo::IndexPage::Update);
    in.checkNewUpdate = false;
    const kivo::LatestReadOutcome outcome = kivo::threadMethodReadLatest(in);
    EXPECT_FALSE(outcome.newUpdateFound);
    EXPECT_TRUE(outcome.checkNewUpdate) << "the next read decides again";
}
