#include "update/page/date_pattern.h"

#include <cstdlib>

namespace {

std::string padded(int value, std::size_t digits)
{
    std::string text = std::to_string(std::abs(value));
    if (text.size() < digits)
        text.insert(0, digits - text.size(), '0');
    return value < 0 ? "-" + text : text;
}

// The text of a run of `count` equal field letters; false for a letter that names no field here.
bool field_text(char letter, std::size_t count, const DateFields& date, std::string& out)
{
    switch (letter) {
    case 'y': out += count == 2 ? padded(date.year % 100, 2) : padded(date.year, count); return true;
    case 'M': out += padded(date.month, count); return true;
    case 'd': out += padded(date.day, count); return true;
    case 'H': out += padded(date.hour, count); return true;
    case 'm': out += padded(date.minute, count); return true;
    case 's': out += padded(date.second, count); return true;
    default: return false;
    }
}

} // namespace

std::string format_date_pattern(std::string_view pattern, const DateFields& date)
{
    std::string out;
    std::size_t i = 0;
    while (i < pattern.size()) {
        const char c = pattern[i];
        if (c == '\'') {
            if (i + 1 < pattern.size() && pattern[i + 1] == '\'') {
                out += '\'';
                i += 2;
                continue;
            }
            // Quoted text up to the closing quote (or the end); '' inside stands for one quote.
            ++i;
            while (i < pattern.size()) {
                if (pattern[i] == '\'') {
                    if (i + 1 < pattern.size() && pattern[i + 1] == '\'') {
                        out += '\'';
                        i += 2;
                        continue;
                    }
                    ++i;
                    break;
                }
                out += pattern[i++];
            }
            continue;
        }
        std::size_t run = 1;
        while (i + run < pattern.size() && pattern[i + run] == c)
            ++run;
        if (!field_text(c, run, date, out))
            out.append(pattern.substr(i, run));
        i += run;
    }
    return out;
}
