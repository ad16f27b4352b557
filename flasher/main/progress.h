#pragma once
// The progress of one phase (writing, reading, verifying, erasing) on standard error: on a
// terminal one line rewritten in place at most ten times a second, otherwise a single summary line
// when the phase ends.

#include <cstdint>
#include <string>

#include "common/clock.h"

enum class ProgressUnit { Bytes, Pages };

class Progress {
public:
    // verb: "Writing"; done_verb: "Wrote". address: the first address, or the first page.
    Progress(const char* verb, const char* done_verb, ProgressUnit unit, uint32_t address, uint64_t total);
    // done of total finished; next is the address (or page) being worked on.
    void update(uint32_t next, uint64_t done);
    void finish(bool succeeded);

private:
    void draw(uint32_t next, uint64_t done);

    std::string verb_;
    std::string done_verb_;
    ProgressUnit unit_;
    uint32_t address_;
    uint64_t total_;
    uint32_t next_ = 0;
    uint64_t done_ = 0;
    bool terminal_;
    kivo::Duration start_;
    kivo::Duration last_draw_;
    bool drawn_ = false;
};
