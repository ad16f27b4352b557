#include "text/text_format.h"

#include <charconv>
#include <cstdint>
#include <optional>

namespace kivo {
namespace {

struct Conversion {
    std::size_t length = 0; // of the whole sequence, '%' included
    bool left_align = false;
    bool zero_pad = false;
    std::size_t width = 0;
    char letter = 0;
};

constexpr std::string_view kLetters = "@diuxXc";

// The conversion at format[at] (which is '%'), or nothing when the sequence is not one we fill.
std::optional<Conversion> parse_conversion(std::string_view format, std::size_t at)
{
    Conversion c;
    std::size_t i = at + 1;
    for (; i < format.size() && (format[i] == '-' || format[i] == '0'); ++i) {
        if (format[i] == '-')
            c.left_align = true;
        else
            c.zero_pad = true;
    }
    for (; i < format.size() && format[i] >= '0' && format[i] <= '9' && c.width < 1000; ++i)
        c.width = c.width * 10 + static_cast<std::size_t>(format[i] - '0');
    if (i >= format.size() || kLetters.find(format[i]) == std::string_view::npos)
        return std::nullopt;
    c.letter = format[i];
    c.length = i + 1 - at;
    return c;
}

std::string number_text(long long number, char letter)
{
    char buffer[32];
    std::to_chars_result result{};
    if (letter == 'd' || letter == 'i') {
        result = std::to_chars(buffer, buffer + sizeof buffer, number);
    } else {
        // printf reads an int argument as unsigned int for these letters.
        auto value = static_cast<unsigned long long>(number);
        if (number < 0 && number >= INT32_MIN)
            value = static_cast<std::uint32_t>(number);
        result = std::to_chars(buffer, buffer + sizeof buffer, value, letter == 'u' ? 10 : 16);
        if (letter == 'X')
            for (char* p = buffer; p != result.ptr; ++p)
                if (*p >= 'a' && *p <= 'f')
                    *p = static_cast<char>(*p - 'a' + 'A');
    }
    return std::string(buffer, result.ptr);
}

std::string argument_text(const FormatArg& arg, char letter)
{
    const auto& value = arg.value();
    if (const auto* text = std::get_if<std::string_view>(&value))
        return std::string(*text);
    long long number = std::holds_alternative<char>(value) ? static_cast<unsigned char>(std::get<char>(value))
                                                           : std::get<long long>(value);
    if (letter == 'c')
        return std::string(1, static_cast<char>(number));
    if (letter == '@')
        return std::holds_alternative<char>(value) ? std::string(1, std::get<char>(value)) : number_text(number, 'd');
    return number_text(number, letter);
}

void append_padded(std::string& out, const std::string& text, const Conversion& c)
{
    if (text.size() >= c.width) {
        out += text;
        return;
    }
    std::size_t pad = c.width - text.size();
    if (c.left_align) {
        out += text;
        out.append(pad, ' ');
    } else if (c.zero_pad && c.letter != '@' && c.letter != 'c') {
        std::size_t sign = (!text.empty() && text[0] == '-') ? 1 : 0;
        out += text.substr(0, sign);
        out.append(pad, '0');
        out += text.substr(sign);
    } else {
        out.append(pad, ' ');
        out += text;
    }
}

} // namespace

std::string fill_format(std::string_view format, std::initializer_list<FormatArg> args)
{
    std::string out;
    out.reserve(format.size() + 32);
    auto next = args.begin();
    std::size_t i = 0;
    while (i < format.size()) {
        if (format[i] != '%') {
            out += format[i++];
            continue;
        }
        if (i + 1 < format.size() && format[i + 1] == '%') {
            out += '%';
            i += 2;
            continue;
        }
        std::optional<Conversion> c = parse_conversion(format, i);
        if (!c || next == args.end()) {
            std::size_t length = c ? c->length : 1;
            out += format.substr(i, length);
            i += length;
            continue;
        }
        append_padded(out, argument_text(*next++, c->letter), *c);
        i += c->length;
    }
    return out;
}

std::vector<std::string> format_placeholders(std::string_view format)
{
    std::vector<std::string> found;
    std::size_t i = 0;
    while (i < format.size()) {
        if (format[i] != '%') {
            ++i;
            continue;
        }
        if (format.substr(i, 3) == "%%@" || format.substr(i, 2) == "%%") {
            std::size_t length = format.substr(i, 3) == "%%@" ? 3 : 2;
            found.emplace_back(format.substr(i, length));
            i += length;
            continue;
        }
        std::optional<Conversion> c = parse_conversion(format, i);
        std::size_t length = c ? c->length : 1;
        found.emplace_back(format.substr(i, length));
        i += length;
    }
    return found;
}

} // namespace kivo
