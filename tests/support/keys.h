#pragma once

// Drives a Form1 the way a user does: by the captions on its keys.

#include <initializer_list>
#include <string_view>

#include "app/form1.h"

namespace numbrel::testing {

// Clicks the button whose caption is `caption`; fails the test if there is none.
void press(Form1& form, std::string_view caption);

// Clicks the keys one after another.
void press(Form1& form, std::initializer_list<std::string_view> captions);

// A Form1 switched on, as every calculation starts.
Form1 switchedOn();

}  // namespace numbrel::testing
