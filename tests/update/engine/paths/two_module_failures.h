#pragma once
// A row of the failing-step tables of the two-module headsets: which step fails (a fault on either
// module's interface, or what the row arranges), how the run ends and how many commands each
// interface saw, none after the failure.

#include <functional>
#include <string>
#include <vector>

#include "tests/sim/hid_persona_parts.h"

struct TwoModuleFailure {
    const char* step;
    std::string status;
    int error;
    size_t sent0;
    size_t sent1;
    std::vector<sim::CommandFault> faults0 = {};
    std::vector<sim::CommandFault> faults1 = {};
    std::function<void()> arrange = {};
};
