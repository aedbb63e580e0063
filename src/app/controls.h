#pragma once

// The three kinds of control record a window is made of. A record holds the properties the
// handlers use (Text, Caption, Visible, Enabled) and the ones a view needs to draw it: position
// and size in twips, and the place in the Tab order.

#include <string>

namespace numbrel {

enum class ControlKind { Button, TextBox, Label };

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
    static constexpr ControlKind kind = ControlKind::Button;

    std::string Caption;
    Twips geometry;
    int TabIndex = 0;
    bool Visible = false;
    bool Enabled = true;
};

struct TextBox {
    static constexpr ControlKind kind = ControlKind::TextBox;

    std::string Text;
    Twips geometry;
    int TabIndex = 0;
    bool Visible = false;
};

struct Label {
    static constexpr ControlKind kind = ControlKind::Label;

    std::string Caption;
    Twips geometry;
    int TabIndex = 0;
    bool Visible = false;
};

}  // namespace numbrel
