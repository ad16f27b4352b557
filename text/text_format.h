#pragma once
// Fills the placeholders of a localized format. Table texts are never handed to printf: the format
// is read here, so a translation with a stray or missing placeholder cannot read past its arguments.
//
//   %@        the next argument as text (a number as decimal)
//   %d %i %u  the next argument as a decimal number
//   %x %X     the next argument in hexadecimal; %c as one character
//   %%        a percent sign, so "Ready for %%@. %@" filled once leaves "%@" for a second fill
//
// Flags '-' and '0' and a width may stand between % and the letter ("%02X"). A placeholder with no
// argument left is copied unchanged; arguments beyond the last placeholder are ignored; any other
// sequence after % is copied as it stands.

#include <concepts>
#include <initializer_list>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace kivo {

// One argument of a fill; it refers to the caller's text, so it lives only for the call.
class FormatArg {
public:
    FormatArg(std::string_view text)
        : value_(text)
    { }
    FormatArg(const std::string& text)
        : value_(std::string_view(text))
    { }
    FormatArg(const char* text)
        : value_(std::string_view(text ? text : ""))
    { }
    FormatArg(char c)
        : value_(c)
    { }
    template <std::integral T>
    FormatArg(T number)
        : value_(static_cast<long long>(number))
    { }

    const std::variant<std::string_view, long long, char>& value() const { return value_; }

private:
    std::variant<std::string_view, long long, char> value_;
};

std::string fill_format(std::string_view format, std::initializer_list<FormatArg> args);

// The placeholders of a format in order, as written ("%@", "%02X", "%%"; "%%@" for the slot a
// two-step format leaves for its second fill). Translations must keep the English sequence.
std::vector<std::string> format_placeholders(std::string_view format);

} // namespace kivo
