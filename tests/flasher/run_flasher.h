#pragma once
// Runs kivo-flash in-process, as its main would, capturing what it writes.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "flasher/main/flasher_run.h"

namespace flasher_test {

struct FlasherRun {
    int status;
    std::string out;
    std::string err;
};

inline FlasherRun run_flasher(std::vector<std::string> args)
{
    std::vector<std::string> line = {"kivo-flash"};
    line.insert(line.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (std::string& a : line)
        argv.push_back(a.data());
    argv.push_back(nullptr);
    testing::internal::CaptureStdout();
    testing::internal::CaptureStderr();
    const int status = flasher_run(static_cast<int>(line.size()), argv.data());
    FlasherRun run{status, "", testing::internal::GetCapturedStderr()};
    run.out = testing::internal::GetCapturedStdout();
    return run;
}

} // namespace flasher_test
