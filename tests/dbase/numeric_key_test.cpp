#include "data/dbase/numeric_key.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace {

using dbase::NumericKey;

std::string hex(const dbase::BcdKey& key) {
    std::string out;
    char buf[3];
    for (std::uint8_t b : key) {
        std::snprintf(buf, sizeof buf, "%02x", b);
        out += buf;
    }
    return out;
}

NumericKey parse(const std::string& text) {
    auto key = NumericKey::fromFieldText(text);
    EXPECT_TRUE(key) << text;
    return key.value_or(NumericKey{});
}

// Keys as written by the Borland files and TDbf for the same values.
TEST(NumericKey, EncodesLikeOtherWriters) {
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"     0", "340100000000000000000000"}, {"     1", "350910000000000000000000"},
        {"     5", "350950000000000000000000"}, {"    10", "360910000000000000000000"},
        {"    12", "360912000000000000000000"}, {"   100", "370910000000000000000000"},
        {"   317", "371131700000000000000000"}, {" 32767", "391932767000000000000000"},
        {"1023495", "3b2110234950000000000000"}, {"    -3", "358930000000000000000000"},
        {"   -16", "368916000000000000000000"}, {"      ", "340100000000000000000000"},
        {"  0.05", "330950000000000000000000"}, {" 12.50", "361112500000000000000000"},
    };
    for (const auto& [text, expected] : cases) {
        const NumericKey key = parse(text);
        EXPECT_EQ(hex(key.toBcd()), expected) << text;
        EXPECT_EQ(NumericKey::fromBcd(key.toBcd().data()), key) << text;
    }
}

TEST(NumericKey, OrdersByValue) {
    const std::vector<std::string> ascending = {"-100", "-12", "-3", "-0.5", "", "0.05", "0.5", "1", "9", "10", "12", "100", "32767"};
    for (std::size_t i = 0; i < ascending.size(); ++i)
        for (std::size_t j = 0; j < ascending.size(); ++j) {
            const int expected = i < j ? -1 : (i > j ? 1 : 0);
            EXPECT_EQ(dbase::compare(parse(ascending[i]), parse(ascending[j])), expected) << ascending[i] << " vs " << ascending[j];
        }
}

TEST(NumericKey, ReadingIgnoresTheDigitCountByte) {
    // Other writers put various values in byte 1; only its sign bit counts.
    dbase::BcdKey key = parse("120").toBcd();
    for (std::uint8_t byte1 : {0x29, 0x41, 0x03}) {
        key[1] = byte1;
        EXPECT_EQ(NumericKey::fromBcd(key.data()), parse("120"));
    }
}

TEST(NumericKey, SameValueWrittenDifferently) {
    EXPECT_EQ(parse("007"), parse("7"));
    EXPECT_EQ(parse("+7.00"), parse("  7"));
    EXPECT_EQ(parse("-0"), parse("0"));
}

TEST(NumericKey, RefusesNonNumbers) {
    for (const char* text : {"abc", "1-2", "1.2.3", "-", ".", "12a", "*****", "1 2"}) EXPECT_FALSE(NumericKey::fromFieldText(text)) << text;
}

}  // namespace
