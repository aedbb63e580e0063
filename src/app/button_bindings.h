#pragma once

// The 33 buttons by number: each button's record and its click handler. Views and tests reach a
// handler through this table, by the button's identity, never by its caption.

#include <array>

#include "app/form1.h"

namespace numbrel {

struct ButtonBinding {
    CommandButton Form1::*button;
    void (Form1::*click)();
};

// buttonBindings[n - 1] belongs to CommandN.
inline constexpr std::array<ButtonBinding, 33> buttonBindings{{
    {&Form1::Command1, &Form1::Command1_Click},   {&Form1::Command2, &Form1::Command2_Click},
    {&Form1::Command3, &Form1::Command3_Click},   {&Form1::Command4, &Form1::Command4_Click},
    {&Form1::Command5, &Form1::Command5_Click},   {&Form1::Command6, &Form1::Command6_Click},
    {&Form1::Command7, &Form1::Command7_Click},   {&Form1::Command8, &Form1::Command8_Click},
    {&Form1::Command9, &Form1::Command9_Click},   {&Form1::Command10, &Form1::Command10_Click},
    {&Form1::Command11, &Form1::Command11_Click}, {&Form1::Command12, &Form1::Command12_Click},
    {&Form1::Command13, &Form1::Command13_Click}, {&Form1::Command14, &Form1::Command14_Click},
    {&Form1::Command15, &Form1::Command15_Click}, {&Form1::Command16, &Form1::Command16_Click},
    {&Form1::Command17, &Form1::Command17_Click}, {&Form1::Command18, &Form1::Command18_Click},
    {&Form1::Command19, &Form1::Command19_Click}, {&Form1::Command20, &Form1::Command20_Click},
    {&Form1::Command21, &Form1::Command21_Click}, {&Form1::Command22, &Form1::Command22_Click},
    {&Form1::Command23, &Form1::Command23_Click}, {&Form1::Command24, &Form1::Command24_Click},
    {&Form1::Command25, &Form1::Command25_Click}, {&Form1::Command26, &Form1::Command26_Click},
    {&Form1::Command27, &Form1::Command27_Click}, {&Form1::Command28, &Form1::Command28_Click},
    {&Form1::Command29, &Form1::Command29_Click}, {&Form1::Command30, &Form1::Command30_Click},
    {&Form1::Command31, &Form1::Command31_Click}, {&Form1::Command32, &Form1::Command32_Click},
    {&Form1::Command33, &Form1::Command33_Click},
}};

}  // namespace numbrel
