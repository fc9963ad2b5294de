#include "text/cp1252.h"
#include "text/format.h"

#include <gtest/gtest.h>

namespace vrx {
namespace {

TEST(Format, NumberPictures) {
    struct Case {
        double value;
        int decimals;
        const char* text;
    };
    // Halves of the decimal value round away from zero, also where the double lies just below
    // the half (23.85, 1.005, 2.675) or a product lands on it (150 counts x 0.159 LPM).
    const Case cases[] = {
        {1.59, 1, "1.6"},      {0.125, 2, "0.13"},        {0.375, 2, "0.38"},  {2.0 / 3.7853, 2, "0.53"},
        {0.5 / 3.7853, 2, "0.13"}, {0.25, 1, "0.3"},      {0.0, 1, "0.0"},     {-0.01, 1, "0.0"},
        {0.53 * 3.7853, 1, "2.0"}, {23.85, 1, "23.9"},    {150 * 0.159, 1, "23.9"}, {1.005, 2, "1.01"},
        {2.675, 2, "2.68"},    {-0.05, 1, "-0.1"},        {9.95, 1, "10.0"},   {99.995, 2, "100.00"},
        {1e-300, 2, "0.00"},   {12.0, 0, "12"},
    };
    for (const auto& c : cases) EXPECT_EQ(formatFixed(c.value, c.decimals), c.text) << c.value;
    EXPECT_EQ(formatWhole(1499.5), "1,500");
    EXPECT_EQ(formatWhole(-0.4), "0");
    EXPECT_EQ(formatWhole(158.0), "158");

    EXPECT_EQ(formatThousands(0), "0");
    EXPECT_EQ(formatThousands(1500), "1,500");
    EXPECT_EQ(formatThousands(999), "999");
    EXPECT_EQ(formatThousands(1234567), "1,234,567");
    EXPECT_EQ(formatThousands(-7650), "-7,650");
    EXPECT_EQ(roundHalfEven(2.5), 2.0);
    EXPECT_EQ(roundHalfEven(3.5), 4.0);
    EXPECT_EQ(roundHalfEven(-2.5), -2.0);
}

TEST(Format, DateTimes) {
    EXPECT_EQ(formatGeneralDateTime({2026, 12, 8, 21, 30, 5}), "12/8/2026 9:30:05 PM");
    EXPECT_EQ(formatGeneralDateTime({2026, 1, 2, 0, 5, 9}), "1/2/2026 12:05:09 AM");
    EXPECT_EQ(formatGeneralDateTime({2026, 6, 14, 12, 0, 0}), "6/14/2026 12:00:00 PM");
    EXPECT_EQ(formatShortStamp({2011, 6, 14, 9, 3, 7}), "06/14/11 09:03:07");
}

TEST(Cp1252, RoundTripsAndReplacesWhatItCannotHold) {
    const std::string utf8 = "Caf\xC3\xA9 \xE2\x82\xAC \xC2\xB0" "C \xE2\x80\x9Cq\xE2\x80\x9D";
    const std::string bytes = utf8ToCp1252(utf8);
    EXPECT_EQ(bytes, std::string("Caf\xE9 \x80 \xB0" "C \x93q\x94"));
    EXPECT_EQ(cp1252ToUtf8(bytes), utf8);
    EXPECT_EQ(utf8ToCp1252("\xE6\x97\xA5x"), "?x");        // CJK has no byte
    EXPECT_EQ(utf8ToCp1252("a\xC3"), "a?");                // cut in the middle
    EXPECT_EQ(utf8ToCp1252("\xFF\xFE"), "??");             // not UTF-8 at all
    EXPECT_EQ(cp1252ToUtf8("\x81"), "\xC2\x81");           // undefined byte kept as a control
    EXPECT_EQ(utf8ToCp1252("\xC2\x81"), "\x81");
}

} // namespace
} // namespace vrx
