#include <gtest/gtest.h>

#include <climits>
#include <stdexcept>

#include "app/config.hpp"
#include "support/temp_dir.hpp"

namespace {

kalvanor::config config_from(const test::temp_dir& dir, const std::string& text)
{
    return kalvanor::config(dir.write("config.txt", text));
}

std::string message_of(const std::function<void()>& action)
{
    try {
        action();
    } catch (const std::runtime_error&) {
        return "unexpected std::runtime_error";
    } catch (const std::exception& e) {
        return e.what();
    }
    return "no exception";
}

TEST(config, missing_file_is_a_plain_exception)
{
    test::temp_dir dir;
    EXPECT_EQ(message_of([&] { kalvanor::config c(dir.file("config.txt")); }), "Config file not found.");
    // A folder of that name opens but cannot be read.
    EXPECT_EQ(message_of([&] { kalvanor::config c(dir.path()); }), "Config file not found.");
}

TEST(config, crlf_and_lf_files_give_the_same_entries)
{
    test::temp_dir dir;
    const kalvanor::config lf = config_from(dir, "width=1024\ncursor=yes\n");
    const kalvanor::config crlf = config_from(dir, "width=1024\r\ncursor=yes\r\n");
    EXPECT_EQ(crlf.get("width"), "1024");
    EXPECT_EQ(crlf.get("cursor"), lf.get("cursor"));
    EXPECT_TRUE(crlf.get_bool("cursor"));
}

TEST(config, lines_are_split_at_the_first_equals_sign_and_kept_verbatim)
{
    test::temp_dir dir;
    const kalvanor::config c = config_from(
        dir, "a=b=c\n=empty key\nwidth = 1024\n# height=640\nfullscreen\n\n\nlast=no line end");
    EXPECT_EQ(c.get("a"), "b=c");
    EXPECT_EQ(c.get(""), "empty key");
    EXPECT_EQ(c.get("width "), " 1024");
    EXPECT_EQ(c.get("# height"), "640");
    EXPECT_EQ(c.get("fullscreen"), "");
    EXPECT_EQ(c.get("last"), "no line end");
    // "width " is not "width": blanks count.
    EXPECT_EQ(message_of([&] { c.get("width"); }), "Config key 'width' not found.");
    // A key without '=' exists, so the boolean check is what fails.
    EXPECT_EQ(message_of([&] { c.get_bool("fullscreen"); }), "Config entry 'fullscreen' is not a boolean value.");
}

TEST(config, the_last_of_repeated_keys_wins)
{
    test::temp_dir dir;
    EXPECT_EQ(config_from(dir, "width=800\nwidth=1280\n").get_int("width"), 1280);
}

TEST(config, a_nul_byte_ends_the_line)
{
    test::temp_dir dir;
    const kalvanor::config c = config_from(dir, std::string("cursor=yes\0junk\nkey\0=v\n", 22));
    EXPECT_TRUE(c.get_bool("cursor"));
    EXPECT_EQ(c.get("key"), "");
}

TEST(config, only_yes_and_no_are_booleans)
{
    test::temp_dir dir;
    const kalvanor::config c =
        config_from(dir, "a=yes\nb=no\nc=YES\nd=true\ne=\nf=yes \ng=1\n");
    EXPECT_TRUE(c.get_bool("a"));
    EXPECT_FALSE(c.get_bool("b"));
    for (const char* key : {"c", "d", "e", "f", "g"}) {
        EXPECT_EQ(message_of([&] { c.get_bool(key); }),
                  std::string("Config entry '") + key + "' is not a boolean value.");
    }
    EXPECT_EQ(message_of([&] { c.get_bool("cursor"); }), "Config key 'cursor' not found.");
}

TEST(config, integers_read_as_atoi_reads_them)
{
    test::temp_dir dir;
    const kalvanor::config c = config_from(dir,
                                           "px=1024px\nabc=abc\nempty=\nblank= \t-42x\nplus=+7\n"
                                           "sign=-\nlate=12 34\n");
    EXPECT_EQ(c.get_int("px"), 1024);
    EXPECT_EQ(c.get_int("abc"), 0);
    EXPECT_EQ(c.get_int("empty"), 0);
    EXPECT_EQ(c.get_int("blank"), -42);
    EXPECT_EQ(c.get_int("plus"), 7);
    EXPECT_EQ(c.get_int("sign"), 0);
    EXPECT_EQ(c.get_int("late"), 12);
    EXPECT_EQ(message_of([&] { c.get_int("height"); }), "Config key 'height' not found.");
}

TEST(config, integers_beyond_the_int_range_are_clamped)
{
    EXPECT_EQ(kalvanor::parse_int("2147483647"), INT_MAX);
    EXPECT_EQ(kalvanor::parse_int("-2147483648"), INT_MIN);
    EXPECT_EQ(kalvanor::parse_int("2147483648"), INT_MAX);
    EXPECT_EQ(kalvanor::parse_int("-2147483649"), INT_MIN);
    EXPECT_EQ(kalvanor::parse_int("99999999999999999999999999999"), INT_MAX);
    EXPECT_EQ(kalvanor::parse_int("-99999999999999999999999999999"), INT_MIN);
    EXPECT_EQ(kalvanor::parse_int("000000000000000000000000000001"), 1);
}

} // namespace
