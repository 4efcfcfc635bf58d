#include "scheduler/time_text.h"

#include <gtest/gtest.h>

using namespace scheduler;

TEST(TimeText, NormalisesOnlySevenCharacterTexts) {
    const std::pair<const char*, const char*> cases[] = {
        {"7:55:00", "07:55:00"}, {" 7:55:00 ", "07:55:00"}, {"07:55:00", "07:55:00"},
        {"7:55", "7:55"},        {"", ""},                  {"\t\r\n ", ""},
        {"1234567", "01234567"}, {"12:15:00\x1a", "12:15:00"},
    };
    for (auto [in, out] : cases) EXPECT_EQ(normaliseTime(in), out) << '"' << in << '"';
}

TEST(TimeText, ComparesBytesUnsignedWithPrefixSmaller) {
    struct Case { const char* a; const char* b; int sign; };
    const Case cases[] = {
        {"07:55:00", "07:55:00", 0},
        {"", "00:00:00", -1},           // the empty text is smallest
        {"", "", 0},
        {"7:55", "23:59:59", 1},        // an unpadded hour is not a time here
        {"12:15", "12:15:00", -1},      // prefix
        {"09:59:59", "10:00:00", -1},
        {"\xb0\xa1", "zz", 1},          // bytes above 0x7f are large, not negative
    };
    auto sign = [](int v) { return (v > 0) - (v < 0); };
    for (const Case& c : cases) {
        EXPECT_EQ(sign(compareTimeTexts(c.a, c.b)), c.sign) << c.a << " vs " << c.b;
        EXPECT_EQ(sign(compareTimeTexts(c.b, c.a)), -c.sign) << c.b << " vs " << c.a;
    }
    EXPECT_LT(compareTimeTexts(normaliseTime("7:55:00"), "08:00:00"), 0);
}

TEST(TimeText, ReadsAsTimeOfDay) {
    const std::pair<const char*, bool> cases[] = {
        {"5:00:13", true},   {"12:15:00", true}, {"12:15", true},    {"0:0", true},
        {"23:59:59", true},  {"007:05:09", true},
        {"25:00:00", false}, {"7:61:00", false}, {"12:15:60", false}, {"24:00", false},
        {":15", false},      {"12:", false},     {"12:15:", false},   {"12:15:00:00", false},
        {"12-15", false},    {"a:15", false},    {"12 :15", false},  {"12:15:0x", false},
        {"12\xa3\xba" "15", false},  // full-width colon is no separator
        {"99999999999999999999:00", false},
    };
    for (auto [in, ok] : cases) EXPECT_EQ(readsAsTimeOfDay(in), ok) << in;
}

TEST(TimeText, ClockTextHasTwoDigitHour) {
    EXPECT_EQ(clockText(7, 5, 9), "07:05:09");
    EXPECT_EQ(clockText(23, 59, 0), "23:59:00");
    EXPECT_EQ(compareTimeTexts(clockText(7, 55, 0), normaliseTime("7:55:00")), 0);
}
