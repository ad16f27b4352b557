#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "flasher/options.h"

namespace {

struct Parsed {
    int result;
    std::string log;
    FlasherCommandLine line;
};

Parsed parse(std::vector<std::string> args)
{
    std::vector<std::string> line = {"kivo-flash"};
    line.insert(line.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (std::string& a : line)
        argv.push_back(a.data());
    argv.push_back(nullptr);
    Parsed parsed;
    testing::internal::CaptureStderr();
    parsed.result = flasher_parse_options(static_cast<int>(line.size()), argv.data(), parsed.line);
    parsed.log = testing::internal::GetCapturedStderr();
    return parsed;
}

TEST(FlasherOptions, RefusalsAndWhatEachOptionSets)
{
    using Check = std::function<void(const FlasherCommandLine& line)>;
    struct Case {
        std::vector<std::string> args;
        int result;
        std::string message; // a fragment of the log
        Check check;
    };
    const Case cases[] = {
        {{}, 1, "ERROR: Device not specified\nUsage: kivo-flash", {}},
        {{"-r", "out.bin", "-w", "in.bin", "/dev/ttyS0"},
         1,
         "ERROR: Invalid options !\n\tCan't execute \"memory read\" and \"memory write\" at the same time.\n",
         {}},
        {{"-u", "-u", "/dev/ttyS0"}, 1, "\"write unprotect\" and \"write unprotect\"", {}},
        {{"-o", "-C", "/dev/ttyS0"}, 1, "\"flash erase\" and \"memory crc\"", {}},
        {{"-e", "256", "/dev/ttyS0"}, 1, "ERROR: You need to specify a page count between 0 and 255\n", {}},
        {{"-e", "0", "/dev/ttyS0"},
         0,
         "",
         [](const auto& line) {
             EXPECT_TRUE(line.options.no_erase);
             EXPECT_EQ(line.port.device, "/dev/ttyS0");
         }},
        {{"-S", "0x1000:0", "/dev/ttyS0"}, 1, "ERROR: Invalid options, can't specify zero length\n", {}},
        {{"-S", "0x1000:100", "/dev/ttyS0"},
         0,
         "",
         [](const auto& line) {
             EXPECT_EQ(line.options.start_address, 0x1000u);
             EXPECT_EQ(line.options.length, 100u);
         }},
        {{"-s", "4", "-S", "0x1000", "/dev/ttyS0"},
         1,
         "ERROR: Invalid options, can't specify start page / num pages and start address/length\n",
         {}},
        {{"-S", "0x1000", "-e", "4", "/dev/ttyS0"}, 1, "can't specify start page / num pages", {}},
        {{"-s", "0", "-S", "0x1000", "/dev/ttyS0"}, 0, "", {}},
        {{"-e", "0", "-S", "0x1000", "/dev/ttyS0"}, 0, "", {}},
        {{"-F", "0:0", "/dev/ttyS0"},
         0,
         "",
         [](const auto& line) {
             EXPECT_EQ(line.port.rx_frame_max, 256u);
             EXPECT_EQ(line.port.tx_frame_max, 258u);
         }},
        {{"-F", "10", "/dev/ttyS0"},
         1,
         "ERROR: current code cannot work with small frames.\nmin(RX) = 20, min(TX) = 6\n",
         {}},
        {{"-F", "300:400", "/dev/ttyS0"},
         0,
         "WARNING: Ignore RX length in option -F\nWARNING: Ignore TX length in option -F\n",
         [](const auto& line) {
             EXPECT_EQ(line.port.rx_frame_max, 256u);
             EXPECT_EQ(line.port.tx_frame_max, 258u);
         }},
        {{"-F", "-5", "/dev/ttyS0"}, 1, "ERROR: Invalid negative value for option -F\n", {}},
        {{"-F", "64:0x80000000", "/dev/ttyS0"}, 1, "ERROR: Invalid negative value for option -F\n", {}},
        {{"-F", "64x", "/dev/ttyS0"}, 1, "ERROR: Invalid number for option -F: 64x\n", {}},
        {{"-b", "115200", "/dev/ttyS0"}, 0, "", [](const auto& line) { EXPECT_EQ(line.port.baud_index, 8u); }},
        {{"-b", "115201", "/dev/ttyS0"}, 1, "Invalid baud rate, valid options are:\n 1200\n 1800\n", {}},
        {{"-b", "115200x", "/dev/ttyS0"}, 1, " 1500000\n 2000000\n", {}},
        {{"-m", "8N2", "/dev/ttyS0"}, 0, "", [](const auto& line) { EXPECT_EQ(line.port.mode, "8N2"); }},
        {{"-m", "8e", "/dev/ttyS0"}, 1, "Invalid serial mode\n", {}},
        {{"-m", "8e1x", "/dev/ttyS0"}, 1, "Invalid serial mode\n", {}},
        {{"-g", "0x08000002", "/dev/ttyS0"}, 1, "ERROR: Execution address must be word-aligned\n", {}},
        {{"-g", "0x100000004", "/dev/ttyS0"}, 1, "ERROR: Invalid number for option -g: 0x100000004\n", {}},
        {{"-g", "0", "/dev/ttyS0"}, 0, "", [](const auto& line) { EXPECT_TRUE(line.options.execute); }},
        {{"-e", "abc", "/dev/ttyS0"}, 1, "ERROR: Invalid number for option -e: abc\n", {}},
        {{"-s", "08", "/dev/ttyS0"}, 1, "ERROR: Invalid number for option -s: 08\n", {}},
        {{"-s", "010", "/dev/ttyS0"}, 0, "", [](const auto& line) { EXPECT_EQ(line.options.start_page, 8u); }},
        {{"-n", "", "/dev/ttyS0"}, 1, "ERROR: Invalid number for option -n: \n", {}},
        {{"-v", "-r", "out.bin", "/dev/ttyS0"},
         1,
         "ERROR: Invalid usage, -v is only valid when writing\nUsage: kivo-flash",
         {}},
        {{"-w", "-", "-v", "-n", "3", "-c", "-R", "-i", "-rts,dtr:rts", "/dev/ttyS0"},
         0,
         "",
         [](const auto& line) {
             EXPECT_EQ(line.options.action, FlasherAction::Write);
             EXPECT_TRUE(line.options.force_binary);
             EXPECT_TRUE(line.options.verify);
             EXPECT_EQ(line.options.retry_count, 3u);
             EXPECT_FALSE(line.options.send_init);
             EXPECT_TRUE(line.options.reset_at_exit);
             EXPECT_EQ(line.options.line_sequence, "-rts,dtr:rts");
         }},
        {{"/dev/ttyS0", "/dev/ttyS1"},
         1,
         "---------------1.argv[c] = [/dev/ttyS0]\n---------------2.argv[c] = [/dev/ttyS1]\n"
         "ERROR: Invalid parameter specified\n",
         {}},
        // Options end at the first operand.
        {{"/dev/ttyS0", "-w", "in.bin"},
         1,
         "---------------2.argv[c] = [-w]\nERROR: Invalid parameter specified\n",
         [](const auto& line) { EXPECT_EQ(line.options.action, FlasherAction::None); }},
        {{"-x", "/dev/ttyS0"}, 1, "invalid option -- 'x'\nUsage: kivo-flash", {}},
        {{"/dev/ttyS0", "-b"}, 1, "Invalid parameter", {}},
        {{"-b"}, 1, "option requires an argument -- 'b'\nUsage: kivo-flash", {}},
    };
    for (const Case& c : cases) {
        std::string joined;
        for (const std::string& a : c.args)
            joined += a + " ";
        SCOPED_TRACE(joined);
        const Parsed parsed = parse(c.args);
        EXPECT_EQ(parsed.result, c.result);
        EXPECT_NE(parsed.log.find(c.message), std::string::npos) << parsed.log;
        if (c.check)
            c.check(parsed.line);
    }
}

TEST(FlasherOptions, HelpShowsTheUsageWithTheProgramNameInEveryPlace)
{
    const Parsed parsed = parse({"-h", "/dev/ttyS0"});
    EXPECT_EQ(parsed.result, kFlasherParseHelpShown);
    EXPECT_EQ(parsed.log, flasher_usage_text("kivo-flash"));
    size_t count = 0;
    for (size_t at = parsed.log.find("kivo-flash"); at != std::string::npos; at = parsed.log.find("kivo-flash", at + 1))
        ++count;
    EXPECT_EQ(count, 8u);
    EXPECT_EQ(parsed.log.find("%s"), std::string::npos);
    EXPECT_NE(parsed.log.find("\t-b rate\t\tBaud rate (default 115200)\n"), std::string::npos);
    EXPECT_NE(parsed.log.find("\t-w filename\tWrite flash from file (or - stdin)\n"), std::string::npos);
    EXPECT_NE(parsed.log.find("\t-r filename\tRead flash to file (or - stdout)\n"), std::string::npos);
    EXPECT_TRUE(parsed.log.ends_with("\t\tkivo-flash -R -i -3,-2,2:3,-2,2 /dev/ttyS0\n"));
}

TEST(FlasherOptions, StartingValues)
{
    const FlasherCommandLine line;
    EXPECT_EQ(line.options.retry_count, 10u);
    EXPECT_TRUE(line.options.send_init);
    EXPECT_EQ(line.port.baud_index, 8u);
    EXPECT_EQ(line.port.mode, "8e1");
    EXPECT_EQ(line.port.rx_frame_max, 256u);
    EXPECT_EQ(line.port.tx_frame_max, 258u);
    EXPECT_STREQ(flasher_action_name(static_cast<FlasherAction>(8)), "");
}

} // namespace
