#pragma once
// One status text per interface language, kept together so that a language change can show the
// current status again without asking the page that set it. Workers build their own sets and hand
// them over whole; the controller's set is guarded so that it is always read as one snapshot.

#include <array>
#include <mutex>
#include <string>

namespace kivo {

inline constexpr int kStatusLanguageCount = 13;
using StatusTextSet = std::array<std::string, kStatusLanguageCount>;

// The set whose entry for each interface language is text_of(language).
template <typename TextOf> StatusTextSet status_in_every_language(TextOf&& text_of)
{
    StatusTextSet texts;
    for (int language = 0; language < kStatusLanguageCount; ++language)
        texts[static_cast<std::size_t>(language)] = text_of(language);
    return texts;
}

class StatusTexts {
public:
    // The entry of a language (English for a language outside 0..12).
    std::string get(int language) const;
    void set(const std::string& text, int language);
    void set_all(const StatusTextSet& texts);
    StatusTextSet snapshot() const;
    void clear();

private:
    mutable std::mutex mutex_;
    StatusTextSet texts_;
};

} // namespace kivo
