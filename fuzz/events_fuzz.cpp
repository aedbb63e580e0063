// A byte string as a script of clicks, typed characters and pastes run against Form1; after
// every event the form's invariants must hold.

#include <algorithm>
#include <array>
#include <cctype>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "app/control_table.h"
#include "event_script.h"
#include "numeric/number_reading.h"
#include "numeric/number_text.h"
#include "require.h"

namespace numbrel::fuzz {
namespace {

// One record's properties that handlers may change.
struct RecordState {
    std::string text;
    bool visible = false;
    bool enabled = true;

    friend bool operator==(const RecordState&, const RecordState&) = default;
};

std::vector<RecordState> snapshot(const Form1& form) {
    std::vector<RecordState> states;
    visitControls(form, [&](const ControlRow&, const auto& record) {
        RecordState state{.visible = record.Visible};
        if constexpr (requires { record.Text; }) state.text = record.Text;
        if constexpr (requires { record.Caption; }) state.text = record.Caption;
        if constexpr (requires { record.Enabled; }) state.enabled = record.Enabled;
        states.push_back(state);
    });
    return states;
}

// Positions in the snapshot, and of "=" among the buttons.
constexpr std::size_t kDisplay = controlIndex(&Form1::Text1);
constexpr std::size_t kCounter = controlIndex(&Form1::Label1);
constexpr std::size_t kEquals = buttonIndex(&Form1::Command14);

bool isWholeNumberText(std::string_view text) {
    return !text.empty() && std::ranges::all_of(text, [](char c) { return c >= '0' && c <= '9'; });
}

bool mentionsNonFinite(std::string_view text) {
    std::string lower(text);
    std::ranges::transform(lower, lower.begin(), [](unsigned char c) { return std::tolower(c); });
    return lower.find("inf") != std::string::npos || lower.find("nan") != std::string::npos;
}

// Keys that write a computed number into the display: "=", "-/+" and the function keys.
bool writesNumber(std::size_t button) {
    constexpr std::array writers{&Form1::Command14, &Form1::Command17, &Form1::Command20,
                                 &Form1::Command21, &Form1::Command22, &Form1::Command23,
                                 &Form1::Command24, &Form1::Command25, &Form1::Command27,
                                 &Form1::Command28, &Form1::Command29, &Form1::Command30};
    return std::ranges::find(writers, buttonBindings[button].button) != writers.end();
}

void checkState(const Form1& form) {
    require(isWholeNumberText(form.Label1.Caption), "the press counter holds a whole number");
    require(form.Text6.Text.empty() ||
                (form.Text6.Text.size() == 1 && isWholeNumberText(form.Text6.Text)),
            "the repeat register is empty or one digit");
    for (const TextBox* hidden : {&form.Text2, &form.Text3, &form.Text4, &form.Text5, &form.Text6,
                                  &form.Text7, &form.Text8, &form.Text9, &form.Text10}) {
        require(!hidden->Visible, "the registers are never shown");
    }
    require(!form.Label1.Visible, "the press counter is never shown");

    require(form.Command32.Visible, "\"ON\" is always shown");
    const bool on = !form.Command32.Enabled;
    require(form.Text1.Visible == on, "the display is shown exactly while switched on");
    for (const ButtonBinding& binding : buttonBindings) {
        if (binding.button == &Form1::Command32) continue;
        const CommandButton& button = form.*binding.button;
        require(button.Visible == on && button.Enabled, "the keys are shown exactly while on");
    }
}

void checkClick(std::size_t button, const std::vector<RecordState>& before, const Form1& form) {
    const std::vector<RecordState> after = snapshot(form);
    const std::string& display = after[kDisplay].text;
    const bool displayChanged = display != before[kDisplay].text;
    if (displayChanged) {
        require(!mentionsNonFinite(display) || mentionsNonFinite(before[kDisplay].text),
                "no key writes 'inf' or 'nan'");
    }
    if (displayChanged && writesNumber(button)) {
        const Checked<double> written = strictValue(display);
        require(written && numberText(written.value) == display, "a key writes number text");
    }

    if (button == kEquals) {
        const Checked<double> count = strictValue(before[kCounter].text);
        require(after[kCounter].text == numberText(count.value + 1), "\"=\" counts every press");
    }
    const Refusal refusal = form.lastRefusal();
    if (!refusal) return;
    require((button == kEquals) == (refusal.step != Step::None),
            "a refusal names a step of \"=\" and only of \"=\"");
    for (std::size_t i = 0; i < after.size(); ++i) {
        // A refused "=" keeps its press and what the steps before the failing one wrote.
        if (button == kEquals && (i == kDisplay || i == kCounter)) continue;
        require(after[i] == before[i], "a refused key changes nothing");
    }
}

}  // namespace
}  // namespace numbrel::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace numbrel;
    Form1 form;
    harness::EventScript script({data, size});
    harness::Event event;
    while (script.next(event)) {
        const std::vector<fuzz::RecordState> before = fuzz::snapshot(form);
        const std::int16_t typed = event.code;
        harness::apply(form, event);
        if (event.kind == harness::EventKind::Click) fuzz::checkClick(event.button, before, form);
        if (event.kind == harness::EventKind::Type) {
            const bool digit = typed >= '0' && typed <= '9';
            fuzz::require(event.code == (digit ? typed : 0), "only digits get through the filter");
        }
        fuzz::checkState(form);
    }
    return 0;
}
