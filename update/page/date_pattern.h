#pragma once
// A date written by a Unicode date pattern, the form of the languages' date format texts: the
// fields y, M, d, H, m and s, each letter repeated to the least number of digits ("yy" is the
// year's last two digits), text inside single quotes as it stands ('' is one quote), and every
// other character as it stands.

#include <string>
#include <string_view>

struct DateFields {
    int year = 0;
    int month = 0;
    int day = 0;
    int hour = 0;
    int minute = 0;
    int second = 0;
};

std::string format_date_pattern(std::string_view pattern, const DateFields& date);
