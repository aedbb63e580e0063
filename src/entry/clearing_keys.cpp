// "C" and "CE". "C" drops only the number being entered, so a mistyped operand can be entered
// again; "CE" starts a new calculation.

#include "app/form1.h"
#include "state/press_counter.h"

namespace numbrel {

// "CE": empties the display, the operator registers and the repeat register, and sets the press
// counter back to "0", so the next "=" is a first one. The angle register keeps its text.
void Form1::Command15_Click() {
    for (TextBox* field : {&Text1, &Text2, &Text3, &Text4, &Text5, &Text6, &Text7}) {
        field->Text.clear();
    }
    resetCounter(Label1);
    finish({});
}

// "C": empties the display; pending operations, the repeat digit and the counter stay.
void Form1::Command31_Click() {
    Text1.Text.clear();
    finish({});
}

}  // namespace numbrel
