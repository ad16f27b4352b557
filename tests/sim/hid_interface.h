#pragma once
// The HID face of a virtual device: one entry of the HID enumeration (one interface), answering
// the output reports written to it through a handler, with scripted faults and a transcript.

#include <chrono>
#include <cstdint>
#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "common/clock.h"

namespace sim {

using Bytes = std::vector<uint8_t>;

// What a device answers to one output report.
struct HidReply {
    // Input reports, read with hid_read / hid_read_timeout (protocols A and C).
    std::vector<Bytes> reports;
    // Answers served in chunks through input report id 2 (protocol B): each answer is the echoed
    // command, the status byte and the data; a busy answer and the final one are two entries.
    std::vector<Bytes> answers;
    // This write fails (as a write the device never took): nothing reaches the transcript.
    bool fail_write = false;
    // Busy status reports before each report of this reply, beside the interface's faults.
    int busy_before_final = 0;
};

using HidHandler = std::function<HidReply(const Bytes& written)>;

// A device that keeps feature-report state of its own: the setter takes each feature report
// written (false: the write fails, as a stalled request does, and nothing reaches the transcript);
// the getter answers a feature get for a report id from that state (nothing: the get fails).
using HidFeatureSetter = std::function<bool(const Bytes& written)>;
using HidFeatureGetter = std::function<std::optional<Bytes>(uint8_t report_id)>;

// Scripted misbehaviour. Counters count down as they strike; -1 means for ever.
struct HidFaults {
    int fail_open = 0; // hid_open_path fails
    bool open_permission_denied = false; // ... and says why (EACCES)
    int fail_writes = 0; // hid_write returns -1 (nothing reaches the device)
    int fail_reads = 0; // hid_read*/hid_get_input_report return -1
    bool silent = false; // writes succeed, nothing is ever answered
    int busy_before_final = 0; // k busy status reports (A/C) or busy answers (B) before each reply
    bool wrong_echo = false; // answers echo another command (B answer byte 0)
    int wrong_report_id = -1; // >= 0: chunks (B) come with this report id
    int extra_answer_bytes = 0; // B answers run this many bytes long (overlong)
    int drop_answer_bytes = 0; // B answers stop this many bytes short
    int chunk_length = 60; // B answers are served in chunks of this length
    int chunk_length_byte = -1; // >= 0: the chunk length byte claims this instead
    int empty_polls = 0; // B: polls that find nothing before each answer's first chunk
    kivo::Duration reply_delay{0}; // replies become readable this long after the write
    kivo::Duration report_interval{std::chrono::milliseconds(1)}; // between consecutive reports
};

struct HidWrite {
    enum Kind { Output, Feature } kind;
    int session; // which open of the interface wrote it (0, 1, ...)
    Bytes bytes;
    kivo::Duration at{}; // the virtual time of the write
};

class HidInterface {
public:
    uint16_t usage_page = 0xFF00;
    uint16_t usage = 1;
    int interface_number = 0;
    HidHandler handler; // answers output reports; none: the device answers nothing
    HidHandler feature_handler; // answers feature reports through hid_get_feature_report
    HidFeatureSetter feature_setter;
    HidFeatureGetter feature_getter; // asked when no reply of feature_handler is waiting
    HidFaults faults;

    // Every report written, in order, with the session that wrote it.
    const std::vector<HidWrite>& transcript() const { return transcript_; }
    // The output reports alone.
    std::vector<Bytes> outputs() const;
    int open_count() const { return opens_; }
    bool is_open() const { return open_handles_ > 0; }
    const std::string& path() const { return path_; }

private:
    friend class Bus;
    friend struct HidFace;

    struct Pending {
        kivo::Duration ready_at;
        Bytes bytes;
        size_t served = 0; // B: bytes already sent in chunks
        int empty_polls_left = 0;
    };

    std::string path_;
    std::vector<HidWrite> transcript_;
    std::deque<Pending> reports_;
    std::deque<Pending> answers_;
    std::deque<Bytes> feature_replies_;
    int opens_ = 0;
    int open_handles_ = 0;
};

// Builders for handler replies.
// A protocol A status report: report id, last command, status, result, length, data.
Bytes status_report(uint8_t command, uint8_t status, uint8_t result = 0, const Bytes& data = {});
// A protocol A status report carrying 16-bit words, most significant byte first (length = word count).
Bytes status_report_words(uint8_t command, uint8_t status, const std::vector<uint16_t>& words);
// A protocol C (65-byte) status report: report id, command, status, results.
Bytes status_report65(uint8_t command, uint8_t status, const Bytes& results = {});
// A protocol B answer: echoed command, status, data.
Bytes answer(uint8_t command, uint8_t status, const Bytes& data = {});

} // namespace sim
