#include <gtest/gtest.h>

#include <cstring>

#include "app/password/url_encode.h"

namespace {

TEST(UrlPercentEncode, KeepsUnreservedCharactersAndEscapesTheRest)
{
    const struct {
        const char* text;
        const char* encoded;
    } cases[] = {
        {"a/b", "a%2Fb"}, {"9", "9"}, {"", ""}, {"Az09-._~ +=", "Az09-._%7E%20%2B%3D"}, {"\xC3\xA9", "%C3%A9"},
    };
    for (const auto& c : cases) {
        char out[64] = {};
        EXPECT_EQ(url_percent_encode(c.text, out), std::strlen(c.encoded));
        EXPECT_STREQ(out, c.encoded);
    }

    char small[5];
    EXPECT_EQ(url_percent_encode("ab/cd", small), 2u) << "an escape that does not fit is left out whole";
    EXPECT_STREQ(small, "ab");
}

} // namespace
