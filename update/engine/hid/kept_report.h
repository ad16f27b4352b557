#pragma once
// The command report of the dual-version and download-mode headsets, one for the whole run and not
// cleared between commands: a command writes the report id, its code and, where it has one, its
// parameter (byte 2); a block writes its length (bytes 2-3, big-endian) and its data (from byte 4).
// Every other byte keeps what the command before left there (zero before the first). The headsets
// read only the bytes a command uses, so the rest is residue that only a transcript shows; it is
// kept so that the reports on the wire are the ones these headsets have always been sent.

#include <cstdint>
#include <optional>
#include <span>

#include "link/hid_reports.h"

namespace kivo {

struct ContainerEntry;
struct UpdateRun;

class KeptReport {
public:
    // One command on a slot through hid_command, with its answer when asked for; true on success.
    bool command(int slot, uint8_t code, std::optional<uint8_t> parameter = std::nullopt,
                 HidStatusReport* answer = nullptr);
    // One block write (0x06) of at most 1019 bytes on a slot: hid_send_report, then hid_wait_status.
    bool block(int slot, std::span<const uint8_t> data);

    const HidCommandReport& bytes() const { return report_; }

private:
    void write_code(uint8_t code);

    HidCommandReport report_{};
};

// One image on a slot through the kept report: erased as its image id, its blocks (0x06 each, the
// last one too), verified. On a failure the status reads "Cannot get status", with no tag.
bool write_kept_image(UpdateRun& run, KeptReport& report, const ContainerEntry& image, int slot);

} // namespace kivo
