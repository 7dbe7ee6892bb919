#include <gtest/gtest.h>

#include <climits>
#include <functional>
#include <string>
#include <utility>

#include "app/config.hpp"
#include "support/message_of.hpp"
#include "support/temp_dir.hpp"

namespace {

using namespace std::string_literals;

TEST(config, lines_split_at_the_first_equals_sign_and_are_kept_verbatim)
{
    test::temp_dir dir;
    // LF and CRLF ends, blank lines, a repeated key (the last wins), a NUL that ends its line and
    // a last line without an end.
    const kalvanor::config c(dir.write("config.txt", "a=b=c\r\n=empty key\nwidth = 1024\n# height=640\nfullscreen\n\n"
                                                     "\r\nw=800\r\nw=1280\ncursor=yes\0junk\nkey\0=v\nlast=no end"s));
    const std::pair<const char*, const char*> entries[] = {
        {"a", "b=c"}, {"", "empty key"}, {"width ", " 1024"}, {"# height", "640"}, {"fullscreen", ""},
        {"w", "1280"}, {"cursor", "yes"}, {"key", ""}, {"last", "no end"}};
    for (const auto& [key, value] : entries) {
        EXPECT_EQ(c.get(key), value) << key;
    }
    EXPECT_TRUE(c.get_bool("cursor"));
}

TEST(config, failures_are_plain_exceptions_with_these_messages)
{
    test::temp_dir dir;
    // A missing file, missing keys read as numbers or booleans and "true" or "Yes" are the
    // end-to-end bad_config test's.
    const kalvanor::config c(dir.write("config.txt", "width = 1024\nfullscreen\nb=no\nf=yes \ng=1\n"));
    EXPECT_FALSE(c.get_bool("b"));
    const std::pair<std::function<void()>, std::string> cases[] = {
        {[&] { kalvanor::config(dir.path()); }, "Config file not found."}, // a folder opens, but reads nothing
        {[&] { c.get("width"); }, "Config key 'width' not found."},         // "width " is another key
        {[&] { c.get_bool("fullscreen"); }, "Config entry 'fullscreen' is not a boolean value."},
        {[&] { c.get_bool("f"); }, "Config entry 'f' is not a boolean value."},
        {[&] { c.get_bool("g"); }, "Config entry 'g' is not a boolean value."},
    };
    for (const auto& [action, message] : cases) {
        // Only kalvanor::exception is caught: a std::runtime_error escapes and fails the test.
        EXPECT_EQ(test::message_of(action), message);
    }
}

TEST(config, integers_read_as_atoi_reads_them_clamped_to_int)
{
    const std::pair<const char*, int> cases[] = {
        {"1024px", 1024}, {"abc", 0}, {"", 0}, {" \t-42x", -42}, {"+7", 7}, {"-", 0}, {"12 34", 12},
        {"2147483647", INT_MAX}, {"-2147483648", INT_MIN}, {"2147483648", INT_MAX}, {"-2147483649", INT_MIN},
        {"99999999999999999999999999999", INT_MAX}, {"-99999999999999999999999999999", INT_MIN},
        {"000000000000000000000000000001", 1}};
    for (const auto& [text, value] : cases) {
        EXPECT_EQ(kalvanor::parse_int(text), value) << text;
    }
}

} // namespace
