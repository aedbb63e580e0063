#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/form1.h"
#include "support/keys.h"

namespace numbrel {
namespace {

using testing::press;

struct FunctionRow {
    std::string key;
    std::string display;
    std::string result;             // empty: refused, display kept
    Reason refusal = Reason::None;  // why, when refused
};

void expectFunctionRows(const std::vector<FunctionRow>& rows) {
    for (const FunctionRow& row : rows) {
        SCOPED_TRACE(row.key + " on '" + row.display + "'");
        Form1 form;
        form.Text1.Text = row.display;
        form.Text2.Text = "5";
        form.Label1.Caption = "3";
        press(form, row.key);
        const bool refused = row.result.empty();
        EXPECT_EQ(form.lastRefusal(), Refusal{row.refusal});
        EXPECT_EQ(form.Text1.Text, refused ? row.display : row.result);
        EXPECT_EQ(form.Text2.Text, "5");  // a pending operation stays pending
        EXPECT_EQ(form.Label1.Caption, "3");
    }
}

TEST(FunctionKeys, ReplaceTheDisplayByNumberText) {
    expectFunctionRows({
        {"Round (2)", "3.14159", "3.14"},
        {"Round (2)", "0.125", "0.12"},
        {"Round (2)", "2.675", "2.68"},  // halves are judged on the text, not the binary value
        {"Round (2)", "8.345", "8.34"},
        {"Round (2)", "7", "7"},
        {"Round (1)", "0.25", "0.2"},
        {"Round (1)", "0.45", "0.4"},
        {"Round (1)", "-0.05", "0"},  // a tie to the even negative zero
        {"Round Int", "2.5", "2"},
        {"Round Int", "3.5", "4"},
        {"Round Int", "-2.5", "-2"},
        {"Round Int", " 1E+20 ", "1E+20"},
        {"Round (2)", "-0.0000000001", "0"},  // negative zero is written '0'
        {"Int", "2.7", "2"},
        {"Int", "-2.5", "-3"},
        {"ABS", "-4.5", "4.5"},
        {"ABS", "4.50", "4.5"},
        {"^2", "", "0"},
        {"^2", "1.5", "2.25"},
        {"^2", "-3", "9"},
        {"^2", "1.2.3", "1.44"},
        {"^2", "abc", "0"},
        {"^2", "123456789", "1.52415787501905E+16"},
        {"Sqr 2", "16", "4"},
        {"Sqr 2", "2", "1.4142135623731"},
        {"Sqr 2", "-0", "0"},
    });
}

TEST(FunctionKeys, RefuseWhatIsOutsideTheirDomain) {
    std::vector<FunctionRow> rows;
    for (const char* key : {"Round (2)", "Round (1)", "Round Int", "ABS", "Int", "Sqr 2"}) {
        for (const char* display : {"", ".", "1.2.3", "abc", "inf", "nan"}) {
            rows.push_back({key, display, "", Reason::NoNumber});
        }
        rows.push_back({key, "1E+400", "", Reason::NumberTooLarge});
    }
    rows.push_back({"Sqr 2", "-4", "", Reason::SquareRootOfNegative});
    // the square lies beyond the double range
    rows.push_back({"^2", "1E+155", "", Reason::ResultTooLarge});
    rows.push_back({"^2", "1E+3005", "", Reason::NumberTooLarge});
    expectFunctionRows(rows);
}

}  // namespace
}  // namespace numbrel
