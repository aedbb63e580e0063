#pragma once

// The three kinds of control record a window is made of. A record holds the properties the
// handlers use (Text, Caption, Visible, Enabled) and the ones a view needs to draw it: position
// and size in twips, and the place in the Tab order.

#include <string>

namespace numbrel {

// Position and size in twips (1/1440 inch), measured from the top-left corner of the window's
// client area.
struct Twips {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;

    friend bool operator==(const Twips&, const Twips&) = default;
};

struct CommandButton {
    std::string Caption;
    Twips geometry;
    int TabIndex = 0;
    bool Visible = false;
    bool Enabled = true;
};

struct TextBox {
    std::string Text;
    Twips geometry;
    int TabIndex = 0;
    bool Visible = false;
};

// The one label is the press counter. It has a type of its own, not a text box's, so that the
// counter's rules (state/press_counter.h) take only the counter and every register is a TextBox.
struct Label {
    std::string Caption;
    Twips geometry;
    int TabIndex = 0;
    bool Visible = false;
};

}  // namespace numbrel
