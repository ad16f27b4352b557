#include "text/status_text_set.h"

namespace kivo {
namespace {
int entry(int language) { return language >= 0 && language < kStatusLanguageCount ? language : 0; }
} // namespace

std::string StatusTexts::get(int language) const
{
    std::lock_guard lock(mutex_);
    return texts_[static_cast<size_t>(entry(language))];
}

void StatusTexts::set(const std::string& text, int language)
{
    if (language < 0 || language >= kStatusLanguageCount)
        return;
    std::lock_guard lock(mutex_);
    texts_[static_cast<size_t>(language)] = text;
}

void StatusTexts::set_all(const StatusTextSet& texts)
{
    std::lock_guard lock(mutex_);
    texts_ = texts;
}

StatusTextSet StatusTexts::snapshot() const
{
    std::lock_guard lock(mutex_);
    return texts_;
}

void StatusTexts::clear()
{
    std::lock_guard lock(mutex_);
    texts_ = {};
}

} // namespace kivo
