#include "flasher/main/progress.h"

#include <cstdio>
#include <unistd.h>

namespace {

constexpr long long kRedrawMs = 100;

double seconds_since(kivo::Duration start) { return std::chrono::duration<double>(kivo::clock_now() - start).count(); }

} // namespace

Progress::Progress(const char* verb, const char* done_verb, ProgressUnit unit, uint32_t address, uint64_t total)
    : verb_(verb)
    , done_verb_(done_verb)
    , unit_(unit)
    , address_(address)
    , total_(total)
    , terminal_(::isatty(2) == 1)
    , start_(kivo::clock_now())
    , last_draw_(start_)
{ }

void Progress::update(uint32_t next, uint64_t done)
{
    next_ = next;
    done_ = done;
    if (!terminal_)
        return;
    if (drawn_ && kivo::elapsed_ms(last_draw_) < kRedrawMs && done != total_)
        return;
    draw(next, done);
}

void Progress::draw(uint32_t next, uint64_t done)
{
    const double percent = total_ == 0 ? 100.0 : 100.0 * static_cast<double>(done) / static_cast<double>(total_);
    const double seconds = seconds_since(start_);
    if (unit_ == ProgressUnit::Bytes) {
        const double rate = seconds > 0 ? static_cast<double>(done) / 1024.0 / seconds : 0.0;
        std::fprintf(stderr, "\r%s 0x%08x %3.0f%% %8.1f KiB/s ", verb_.c_str(), next, percent, rate);
    } else {
        std::fprintf(stderr, "\r%s page %u %3.0f%% ", verb_.c_str(), next, percent);
    }
    std::fflush(stderr);
    last_draw_ = kivo::clock_now();
    drawn_ = true;
}

void Progress::finish(bool succeeded)
{
    if (terminal_) {
        if (succeeded)
            draw(next_, done_);
        if (drawn_)
            std::fputs("\n", stderr);
        return;
    }
    if (!succeeded)
        return;
    const double seconds = seconds_since(start_);
    if (unit_ == ProgressUnit::Bytes) {
        const double rate = seconds > 0 ? static_cast<double>(done_) / 1024.0 / seconds : 0.0;
        std::fprintf(stderr, "%s %llu bytes at 0x%08x in %.2f s (%.1f KiB/s)\n", done_verb_.c_str(),
                     static_cast<unsigned long long>(done_), address_, seconds, rate);
    } else {
        std::fprintf(stderr, "%s %llu pages from page %u in %.2f s\n", done_verb_.c_str(),
                     static_cast<unsigned long long>(done_), address_, seconds);
    }
}
