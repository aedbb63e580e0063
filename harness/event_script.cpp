#include "event_script.h"

#include <algorithm>
#include <array>
#include <string_view>

#include "app/control_table.h"
#include "numeric/utf8_characters.h"

namespace numbrel::harness {
namespace {

// Texts a user may paste that probe the readings: extremes, signs, prefixes, blanks and
// characters from outside ASCII.
const std::array<std::string, 24>& pasteSamples() {
    static const std::array<std::string, 24> samples = {
        std::string(400, '9'),
        "0." + std::string(340, '0') + "1",
        "1E+308",
        "1.7976931348623157E+308",
        "-1.79769313486232E+308",
        "4.94065645841247E-324",
        "1E-400",
        "-0",
        "&HFFFF",
        "&O777777777777777777777",
        "&H" + std::string(300, 'F'),
        " 1 2\t3\n",
        "1.2.3",
        "2147483648",
        "-2147483649",
        "1,5",
        "inf",
        "nan",
        "1e999999999999999999999",
        "\xc3\xa9",
        "\xef\xbc\x91",
        "\xff\xfe\xc3",
        "",
        "-",
    };
    return samples;
}

void insertAtCaret(std::string& text, std::size_t caret, std::string_view inserted) {
    const auto position =
        static_cast<std::ptrdiff_t>(caret % static_cast<std::size_t>(characterCount(text) + 1));
    text.insert(leftPart(text, position).size(), inserted);
}

}  // namespace

std::uint8_t EventScript::take() { return m_pos < m_bytes.size() ? m_bytes[m_pos++] : 0; }

bool EventScript::next(Event& event) {
    if (m_pos >= m_bytes.size()) return false;
    const std::uint8_t selector = take();
    switch (selector % 8) {
        case 5: {  // typed: one byte for ASCII, two for any other UTF-16 code
            event.kind = EventKind::Type;
            const std::uint8_t first = take();
            event.code =
                static_cast<std::int16_t>(first < 0x80 ? first : ((first & 0x7F) << 8) | take());
            event.caret = take();
            return true;
        }
        case 6:
        case 7: {  // pasted: a sample, or up to 63 bytes of the script itself
            event.kind = EventKind::Paste;
            if (selector % 8 == 6) {
                event.text = pasteSamples()[take() % pasteSamples().size()];
            } else {
                const std::size_t length =
                    std::min<std::size_t>(take() % 64, m_bytes.size() - m_pos);
                event.text.assign(reinterpret_cast<const char*>(m_bytes.data() + m_pos), length);
                m_pos += length;
            }
            const std::uint8_t placement = take();
            event.replace = (placement & 1) != 0;
            event.caret = placement >> 1;
            return true;
        }
        default:  // clicks are the most common event
            event.kind = EventKind::Click;
            event.button = take() % buttonBindings.size();
            return true;
    }
}

void apply(Form1& form, Event& event) {
    switch (event.kind) {
        case EventKind::Click:
            form.dispatch(buttonBindings[event.button].click);
            break;
        case EventKind::Type:
            form.dispatchKeyPress(event.code);
            // The filter leaves nothing but an ASCII digit, one byte in UTF-8.
            if (event.code != 0) {
                insertAtCaret(form.Text1.Text, event.caret,
                              std::string(1, static_cast<char>(event.code)));
            }
            break;
        case EventKind::Paste:
            if (event.replace) {
                form.Text1.Text = event.text;
            } else {
                insertAtCaret(form.Text1.Text, event.caret, event.text);
            }
            break;
    }
}

}  // namespace numbrel::harness
