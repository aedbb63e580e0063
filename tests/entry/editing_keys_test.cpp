#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/form1.h"

namespace numbrel {
namespace {

struct EditRow {
    std::string before;
    std::string after;
};

void expectEdits(void (Form1::*key)(), const std::vector<EditRow>& rows) {
    for (const EditRow& row : rows) {
        SCOPED_TRACE("'" + row.before + "'");
        Form1 form;
        form.Text1.Text = row.before;
        form.Text6.Text = "4";
        (form.*key)();
        EXPECT_EQ(form.Text1.Text, row.after);
        EXPECT_EQ(form.Text6.Text, "4");
        EXPECT_FALSE(form.lastRefusal());
    }
}

TEST(SignKey, NegatesAndRewritesAsNumberText) {
    expectEdits(&Form1::Command17_Click, {
                                             {"12", "-12"},
                                             {"-12", "12"},
                                             {"0.50", "-0.5"},
                                             {"007", "-7"},
                                             {"12.", "-12"},
                                             {"1.2.3", "-1.2"},
                                             {"1234567890123456", "-1.23456789012346E+15"},
                                             {"", "0"},
                                             {".", "0"},
                                             {"-", "0"},
                                             {"abc", "0"},
                                             {"inf", "0"},
                                             {"1E-400", "0"},
                                             // the largest double, and its own text again
                                             {"1.7976931348623157E+308", "-1.79769313486232E+308"},
                                             {"-1.79769313486232E+308", "1.79769313486232E+308"},
                                         });
}

TEST(DeleteKey, RemovesTheLastCharacter) {
    expectEdits(&Form1::Command19_Click, {
                                             {"123", "12"},
                                             {"5", ""},
                                             {"-5", "-"},
                                             {"3.", "3"},
                                             {"1E+15", "1E+1"},
                                             {"12\xC3\xA9", "12"},    // a pasted 'é' goes whole
                                             {"7\xE2\x82\xAC", "7"},  // and so does '€'
                                         });
}

TEST(EditingKeys, RefuseWhatTheyCannotDoAndChangeNothing) {
    Form1 form;
    form.Command19_Click();  // "Del" on an empty display
    EXPECT_EQ(form.lastRefusal(), Refusal{Reason::NothingToDelete});
    EXPECT_EQ(form.Text1.Text, "");

    form.Text1.Text = "1E+3005";  // beyond the double range
    form.Command17_Click();
    EXPECT_EQ(form.lastRefusal(), Refusal{Reason::NumberTooLarge});
    EXPECT_EQ(form.Text1.Text, "1E+3005");

    form.Command19_Click();  // the next event starts afresh
    EXPECT_FALSE(form.lastRefusal());
    EXPECT_EQ(form.Text1.Text, "1E+300");
}

}  // namespace
}  // namespace numbrel
