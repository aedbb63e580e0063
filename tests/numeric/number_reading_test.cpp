#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "numeric/number_reading.h"
#include "numeric/number_text.h"

namespace numbrel {
namespace {

struct ReadingRow {
    std::string text;
    Fault fault;
    double value;
};

void expectReading(Checked<double> (*read)(std::string_view), const std::vector<ReadingRow>& rows) {
    for (const ReadingRow& row : rows) {
        SCOPED_TRACE("'" + row.text + "'");
        const Checked<double> result = read(row.text);
        EXPECT_EQ(result.fault, row.fault);
        if (row.fault == Fault::None) {
            EXPECT_EQ(result.value, row.value);
        }
    }
}

TEST(NumericValue, ReadsTheLeadingNumberOfAnyText) {
    expectReading(numericValue, {
                                    {"", Fault::None, 0},
                                    {"  12 ", Fault::None, 12},
                                    {"1 2", Fault::None, 12},
                                    {"\t1\n2", Fault::None, 12},
                                    {"-.5", Fault::None, -0.5},
                                    {"+7", Fault::None, 7},
                                    {".", Fault::None, 0},
                                    {"-", Fault::None, 0},
                                    {"1.2.3", Fault::None, 1.2},
                                    {"12abc", Fault::None, 12},
                                    {"1.5E+16", Fault::None, 1.5e16},
                                    {"2e3", Fault::None, 2000},
                                    {"1E", Fault::None, 1},
                                    {"1E+", Fault::None, 1},
                                    {"1E-05", Fault::None, 1e-5},
                                    {"1E+152", Fault::None, 1e152},
                                    {"007", Fault::None, 7},
                                    {"&HFF", Fault::None, 255},
                                    {"&hff", Fault::None, 255},
                                    {"&O17", Fault::None, 15},
                                    {"&H", Fault::None, 0},
                                    {"&O18", Fault::None, 1},
                                    {"1E-400", Fault::None, 0},
                                    {"0.0000000000000000000001E-400", Fault::None, 0},
                                    {"1E+300", Fault::None, 1e300},
                                    {"1E+3005", Fault::Overflow, 0},
                                    {"1E99999999999999999999999", Fault::Overflow, 0},
                                    {std::string(400, '9'), Fault::Overflow, 0},
                                    {"0." + std::string(400, '0') + "1E+400", Fault::None, 0.1},
                                });
}

TEST(NumericValue, ReadsForeignNotationsAsZeroOrTheirLeadingDigits) {
    // Texts that can only be pasted: none of them is a number of their own here.
    expectReading(numericValue, {
                                    {"inf", Fault::None, 0},
                                    {"-infinity", Fault::None, 0},
                                    {"nan", Fault::None, 0},
                                    {"0x10", Fault::None, 0},
                                    {"1,5", Fault::None, 1},
                                    {"1'000", Fault::None, 1},
                                    {"$5", Fault::None, 0},
                                    {"\xC2\xA0"
                                     "5",
                                     Fault::None, 0},  // a no-break space is not blank
                                });
}

TEST(NumericValue, KeepsTheSignOfZero) {
    EXPECT_TRUE(std::signbit(numericValue("-0").value));
    EXPECT_TRUE(std::signbit(numericValue("-1E-400").value));
}

TEST(StrictValue, AcceptsOneDecimalNumberAndNothingElse) {
    expectReading(strictValue, {
                                   {"-3", Fault::None, -3},         {" 12 ", Fault::None, 12},
                                   {"\t+1.5e2 ", Fault::None, 150}, {".5", Fault::None, 0.5},
                                   {"5.", Fault::None, 5},          {"1E-05", Fault::None, 1e-5},
                                   {"1E-400", Fault::None, 0},      {"1E+400", Fault::Overflow, 0},
                                   {"", Fault::Invalid, 0},         {"  ", Fault::Invalid, 0},
                                   {".", Fault::Invalid, 0},        {"-", Fault::Invalid, 0},
                                   {"1.2.3", Fault::Invalid, 0},    {"1 2", Fault::Invalid, 0},
                                   {"1E", Fault::Invalid, 0},       {"12abc", Fault::Invalid, 0},
                                   {"inf", Fault::Invalid, 0},      {"nan", Fault::Invalid, 0},
                                   {"0x10", Fault::Invalid, 0},     {"1,5", Fault::Invalid, 0},
                                   {"1,000", Fault::Invalid, 0},    {"$5", Fault::Invalid, 0},
                                   {"&HFF", Fault::Invalid, 0},     {"1\n", Fault::Invalid, 0},
                               });
}

// The largest double's number text lies above the largest double; both readings take it, and
// anything that rounds to it, back as the largest double. Just past that is an overflow.
TEST(Readings, TakeTheLargestNumberTextBack) {
    constexpr double max = std::numeric_limits<double>::max();
    for (auto read : {numericValue, strictValue}) {
        expectReading(read, {
                                {"1.79769313486232E+308", Fault::None, max},
                                {"-1.79769313486232E+308", Fault::None, -max},
                                {"1.797693134862324E+308", Fault::None, max},
                                {"1.7976931348623157E+308", Fault::None, max},
                                {"1.797693134862326E+308", Fault::Overflow, 0},
                                {"1.8E+308", Fault::Overflow, 0},
                            });
    }
}

// Runs under whatever locale the process has (the test run sets it from the environment) and,
// if none of them uses a decimal comma, tries to switch to one.
TEST(Readings, IgnoreTheLocale) {
    const std::string previous = std::setlocale(LC_ALL, nullptr);
    bool comma = *std::localeconv()->decimal_point == ',';
    for (const char* name : {"de_DE.UTF-8", "fr_FR.UTF-8", "de_DE.utf8", "nl_NL.UTF-8"}) {
        if (comma) break;
        comma = std::setlocale(LC_ALL, name) != nullptr;
    }
    if (!comma) GTEST_SKIP() << "no comma-decimal locale installed";
    EXPECT_EQ(numericValue("1.5").value, 1.5);
    EXPECT_EQ(numericValue("1,5").value, 1);
    EXPECT_EQ(strictValue("2.25").value, 2.25);
    EXPECT_FALSE(strictValue("2,25"));
    EXPECT_EQ(numberText(0.5), "0.5");
    EXPECT_EQ(numberText(1.23456789012346e15), "1.23456789012346E+15");
    std::setlocale(LC_ALL, previous.c_str());
}

}  // namespace
}  // namespace numbrel
