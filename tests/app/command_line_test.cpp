// The manager's own command line: --help and --version answer on the terminal and open no window;
// everything else goes to Qt.

#include <gtest/gtest.h>

#include "app/application.h"

TEST(CommandLine, HelpAndVersionAreAnsweredAndTheRestIsLeftToQt)
{
    EXPECT_EQ(kivo::command_line_answer({"--version"}), "KIVO Bluetooth Manager 1.2.0\n");
    EXPECT_EQ(kivo::command_line_answer({"-platform", "xcb", "-v"}), "KIVO Bluetooth Manager 1.2.0\n");
    for (const char* help : {"--help", "-h"}) {
        const auto answer = kivo::command_line_answer({help, "--version"});
        ASSERT_TRUE(answer);
        EXPECT_TRUE(answer->starts_with("usage: kivo-bluetooth-manager")) << *answer;
    }
    EXPECT_FALSE(kivo::command_line_answer({}));
    EXPECT_FALSE(kivo::command_line_answer({"-platform", "offscreen"}));
}
