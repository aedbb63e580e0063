#include "support/keys.h"

#include <gtest/gtest.h>

#include <string>

#include "app/control_table.h"

namespace numbrel::testing {

void press(Form1& form, std::string_view caption) {
    for (const ButtonBinding& binding : buttonBindings) {
        if ((form.*binding.button).Caption == caption) {
            form.dispatch(binding.click);
            return;
        }
    }
    ADD_FAILURE() << "no key \"" << caption << "\"";
}

void press(Form1& form, std::initializer_list<std::string_view> captions) {
    for (std::string_view caption : captions) press(form, caption);
}

Form1 switchedOn() {
    Form1 form;
    form.Command32_Click();
    return form;
}

}  // namespace numbrel::testing
