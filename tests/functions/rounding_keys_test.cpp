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
    std::string result;  // empty: refused, display kept
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
        EXPECT_EQ(form.lastEventFaulted(), refused);
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
        for (const char* display : {"", ".", "1.2.3", "abc", "inf", "nan", "1E+400"}) {
            rows.push_back({key, display, ""});
        }
    }
    rows.push_back({"Sqr 2", "-4", ""});
    rows.push_back({"^2", "1E+155", ""});  // the square lies beyond the double range
    rows.push_back({"^2", "1E+3005", ""});
    expectFunctionRows(rows);
}

TEST(TrigonometricKeys, WorkInDegreesThroughTheAngleRegister) {
    struct Row {
        std::string key, display, result, radians;
    };
    const std::vector<Row> rows = {
        {"Sin", "", "0", "0"},
        {"Cos", ".", "1", "0"},
        {"Tan", "", "0", "0"},
        {"Sin", "30", "0.5", "0.523598775666667"},
        {"Cos", "60", "0.5", "1.04719755133333"},
        {"Tan", "45", "1", "0.7853981635"},
        {"Sin", "90", "1", "1.570796327"},
        {"Sin", "45", "0.707106781", "0.7853981635"},
        {"Sin", "-30", "-0.5", "-0.523598775666667"},
        {"Sin", "180", "0", "3.141592654"},
        {"Cos", "90", "0", "1.570796327"},
        {"Sin", "360", "1E-09", "6.283185308"},  // pi is 3.141592654, so not quite a full turn
        {"Tan", "90", "-4875588902.82154", "1.570796327"},
        {"Sin", "1000000", "-0.984807357", "17453.2925222222"},
        // angles where the step order and the trip through the register show in the result
        {"Tan", "2067", "19.081138407", "36.0759556434333"},
        {"Sin", "-556", "0.275637357", "-9.70403064235556"},
        {"Cos", "21458", "-0.788010723", "374.512750941845"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.key + " of '" + row.display + "'");
        Form1 form;
        form.Text1.Text = row.display;
        press(form, row.key);
        EXPECT_FALSE(form.lastEventFaulted());
        EXPECT_EQ(form.Text1.Text, row.result);
        EXPECT_EQ(form.Text9.Text, row.radians);
    }
}

TEST(TrigonometricKeys, TakeTheirOwnResultAsDegreesWhenPressedAgain) {
    Form1 form;
    form.Text1.Text = "90";
    press(form, {"Sin", "Sin"});
    EXPECT_EQ(form.Text1.Text, "0.017452406");
}

TEST(TrigonometricKeys, RefuseAnAngleWhoseRadiansOverflow) {
    Form1 form;
    form.Text1.Text = "1E+308";
    form.Text9.Text = "1";
    press(form, "Cos");
    EXPECT_TRUE(form.lastEventFaulted());
    EXPECT_EQ(form.Text1.Text, "1E+308");
    EXPECT_EQ(form.Text9.Text, "1");
}

}  // namespace
}  // namespace numbrel
