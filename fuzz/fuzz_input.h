#pragma once
// Reading a fuzz input front to back: whole bytes while it lasts, zeros after its end.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <span>

namespace fuzz {

class InputBytes {
public:
    explicit InputBytes(std::span<const uint8_t> bytes)
        : bytes_(bytes)
    { }
    bool empty() const { return at_ >= bytes_.size(); }
    uint8_t byte() { return empty() ? 0 : bytes_[at_++]; }
    uint16_t word() { return static_cast<uint16_t>(byte() | byte() << 8); }
    // The next count bytes, fewer when the input ends first.
    std::span<const uint8_t> take(size_t count)
    {
        const size_t n = empty() ? 0 : std::min(count, bytes_.size() - at_);
        const auto taken = bytes_.subspan(at_, n);
        at_ += n;
        return taken;
    }

private:
    std::span<const uint8_t> bytes_;
    size_t at_ = 0;
};

} // namespace fuzz
