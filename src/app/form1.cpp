#include "app/form1.h"

namespace numbrel {
namespace {

CommandButton button(const char* caption, Twips geometry, int tabIndex) {
    return {.Caption = caption, .geometry = geometry, .TabIndex = tabIndex};
}

TextBox textBox(Twips geometry, int tabIndex) {
    return {.Text = {}, .geometry = geometry, .TabIndex = tabIndex};
}

// Every key of the pad is 615 x 495 twips: a pitch of 600 x 480 with a 15-twip seam.
constexpr Twips key(int left, int top) { return {left, top, 615, 495}; }
// The hidden registers stand in one column at the left edge.
constexpr Twips hiddenField(int top) { return {0, top, 495, 285}; }

}  // namespace

// The start-up state: captions, places and Tab order of all 44 controls. Everything starts
// hidden but "ON", so the window opens switched off; every text starts empty and the press
// counter at "0".
Form1::Form1()
    : Command1(button("1", key(360, 1800), 0)),
      Command2(button("2", key(960, 1800), 1)),
      Command3(button("3", key(1560, 1800), 2)),
      Command4(button("4", key(360, 1320), 3)),
      Command5(button("5", key(960, 1320), 4)),
      Command6(button("6", key(1560, 1320), 5)),
      Command7(button("7", key(360, 840), 6)),
      Command8(button("8", key(960, 840), 7)),
      Command9(button("9", key(1560, 840), 8)),
      Command10(button("-", key(2280, 1800), 9)),
      Command11(button("+", key(2280, 1320), 10)),
      Command12(button("*", key(2880, 1320), 11)),
      Command13(button("/", key(2880, 1800), 13)),
      Command14(button("=", {2280, 2280, 1215, 495}, 14)),
      Command15(button("CE", key(4200, 120), 15)),
      Command16(button("0", key(360, 2280), 20)),
      Command17(button("-/+", key(960, 2280), 23)),
      Command18(button(".", key(1560, 2280), 24)),
      Command19(button("Del", key(3600, 1320), 25)),
      Command20(button("Round (2)", key(4200, 2280), 40)),
      Command21(button("ABS", key(3600, 1800), 26)),
      Command22(button("Int", key(3600, 2280), 27)),
      Command23(button("Round Int", key(4200, 1320), 28)),
      Command24(button("Round (1)", key(4200, 1800), 29)),
      Command25(button("^2", key(4800, 1320), 30)),
      Command26(button("^x", key(4800, 1800), 31)),
      Command27(button("Sqr 2", key(4800, 2280), 33)),
      Command28(button("Sin", key(5400, 1320), 35)),
      Command29(button("Cos", key(5400, 1800), 36)),
      Command30(button("Tan", key(5400, 2280), 37)),
      Command31(button("C", key(3600, 120), 41)),
      Command32(button("ON", key(4800, 120), 42)),
      Command33(button("Off", key(5400, 120), 43)),
      Text1(textBox({360, 240, 1815, 375}, 12)),
      Text2(textBox(hiddenField(0), 16)),
      Text3(textBox(hiddenField(240), 17)),
      Text4(textBox(hiddenField(480), 18)),
      Text5(textBox(hiddenField(720), 19)),
      Text6(textBox(hiddenField(960), 21)),
      Text7(textBox(hiddenField(1440), 32)),
      Text8(textBox(hiddenField(1680), 34)),
      Text9(textBox(hiddenField(2040), 38)),
      Text10(textBox(hiddenField(2520), 39)),
      Label1({.Caption = "0", .geometry = {0, 3000, 375, 375}, .TabIndex = 22}) {
    Command32.Visible = true;
}

}  // namespace numbrel
