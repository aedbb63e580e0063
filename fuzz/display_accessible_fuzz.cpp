// The display's accessible text under any text and any query. The input gives a text (a piece of
// UTF-16 repeated up to a million units, so NULs, control characters, characters beyond 16 bits,
// lone surrogates and combining marks all come; beyond 65,536 units, digits and points), which
// is pasted over the display of the real window on the offscreen platform, and then a list of
// queries with offsets and boundaries.
// Count, text, pieces and offsets must agree; a slow query is caught by libFuzzer's -timeout.
//
// Input: 4 bytes text length (the low 3 bits pick its scale, see kLongest), 1 byte piece length
// (modulo 64, at least 1), the piece's UTF-16 units (2 bytes each, little-endian), then queries
// of 9 bytes each: a kind, and two offsets of 4 bytes (see offsetFrom).

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <span>

#include <QAccessible>
#include <QApplication>
#include <QLineEdit>
#include <QPushButton>

#include "require.h"
#include "view/form1_view.h"

namespace numbrel::fuzz {
namespace {

// The longest text of each scale: most texts are short, and so quick to try.
constexpr std::uint32_t kLongest[] = {0, 16, 256, 4096, 4096, 65'536, 65'536, 1'000'000};
// Texts longer than this are made of digits and points only: Qt lays out a million of any other
// characters (blanks, tabs, marks, characters from fallback fonts) for longer than -timeout, in
// its own code, which is not what this target tries.
constexpr int kLongestOfAnyCharacters = 65'536;
// The range extents query runs Qt's loop over each offset of the range, here as in Qt's bridge.
// Outside the text each step costs the bridge's own loop, so ranges reach at most this far out.
constexpr int kRangeOutside = 4096;

class Bytes {
public:
    explicit Bytes(std::span<const std::uint8_t> bytes) : m_bytes(bytes) {}
    bool empty() const { return m_pos >= m_bytes.size(); }
    std::uint8_t byte() { return m_pos < m_bytes.size() ? m_bytes[m_pos++] : 0; }
    std::uint32_t word(int bytes) {
        std::uint32_t value = 0;
        for (int i = 0; i < bytes; ++i) value |= std::uint32_t{byte()} << (8 * i);
        return value;
    }

private:
    std::span<const std::uint8_t> m_bytes;
    std::size_t m_pos = 0;
};

// An offset: its low two bits say how the rest counts. Any 32-bit value; one in the text; one
// near its end; or -1 to -4 (the end, the caret and two that mean nothing).
int offsetFrom(std::uint32_t raw, int count) {
    const std::uint32_t rest = raw >> 2;
    switch (raw & 3) {
        case 0:
            return static_cast<int>(raw);
        case 1:
            return static_cast<int>(rest % (static_cast<std::uint32_t>(count) + 1));
        case 2:
            return count - static_cast<int>(rest % 64) + 32;
        default:
            return -static_cast<int>(rest % 4) - 1;
    }
}

struct Window {
    Window() {
        view.show();
        for (auto* key : view.findChildren<QPushButton*>()) {
            if (key->text() == QStringLiteral("ON")) key->click();
        }
        display = view.findChild<QLineEdit*>();
        require(display != nullptr && display->isVisible(), "the display shows once switched on");
    }
    Form1View view;
    QLineEdit* display = nullptr;
};

Window& window() {
    static int argc = 1;
    static char name[] = "display_accessible_fuzz";
    static char* argv[] = {name, nullptr};
    static QApplication* app = [] {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        return new QApplication(argc, argv);
    }();
    Q_UNUSED(app);
    static Window shown;
    return shown;
}

bool isReadable(const QString& text) {
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c.unicode() == 0) return false;
        if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            ++i;
        } else if (c.isSurrogate()) {
            return false;
        }
    }
    return true;
}

int characters(const QString& text) { return static_cast<int>(text.toUcs4().size()); }

void checkPiece(QAccessibleTextInterface& text, const QString& piece, int start, int end,
                int count) {
    if (start == -1) {
        require(end == -1 && piece.isEmpty(), "no piece is -1, -1 and no text");
        return;
    }
    require(0 <= start && start <= end && end <= count, "a piece lies in the text");
    require(piece == text.text(start, end), "a piece's text is the text between its offsets");
    if (start < end) {
        int charStart = -1;
        int charEnd = -1;
        text.textAtOffset(start, QAccessible::CharBoundary, &charStart, &charEnd);
        require(charStart == start, "a piece starts where a character starts");
    }
}

void query(QAccessibleTextInterface& text, std::uint8_t kind, int a, int b, int count) {
    constexpr QAccessible::TextBoundaryType boundaries[] = {
        QAccessible::CharBoundary, QAccessible::WordBoundary, QAccessible::SentenceBoundary,
        QAccessible::ParagraphBoundary, QAccessible::LineBoundary, QAccessible::NoBoundary};
    const auto boundary = boundaries[(kind >> 3) % std::size(boundaries)];
    int start = 0;
    int end = 0;
    switch (kind % 8) {
        case 0: {
            const QString piece = text.textAtOffset(a, boundary, &start, &end);
            checkPiece(text, piece, start, end, count);
            const int at = a == -1 ? count : a == -2 ? text.cursorPosition() : a;
            if (start != -1 && boundary != QAccessible::CharBoundary && 0 <= at && at < count) {
                require(start <= at && at < end, "the piece at an offset holds it");
            }
            break;
        }
        case 1:
            checkPiece(text, text.textBeforeOffset(a, boundary, &start, &end), start, end, count);
            break;
        case 2:
            checkPiece(text, text.textAfterOffset(a, boundary, &start, &end), start, end, count);
            break;
        case 3: {
            // GetRangeExtents as Qt's bridge computes it.
            if (a < -kRangeOutside || b > count + kRangeOutside || b <= a) break;
            QRect range = text.characterRect(a);
            for (int i = a + 1; i <= b; ++i) range |= text.characterRect(i);
            const bool inText = count > 0 && a < count && b >= 0;
            require(range.isEmpty() != inText, "a range's extents are empty just outside the text");
            break;
        }
        case 4: {
            const QRect place = text.characterRect(a);
            require(place.isEmpty() == (a < 0 || a >= count), "each character has a place");
            if (!place.isEmpty()) {
                const int under = text.offsetAtPoint(place.center());
                require(0 <= under && under <= count, "a point is over an offset of the text");
            }
            break;
        }
        case 5: {
            text.setSelection(0, a, b);
            text.selection(0, &start, &end);
            require(0 <= start && start <= end && end <= count, "a selection lies in the text");
            text.removeSelection(0);
            break;
        }
        case 6: {
            text.setCursorPosition(a);
            const int caret = text.cursorPosition();
            require(0 <= caret && caret <= count, "the caret lies in the text");
            break;
        }
        default: {
            const QString part = text.text(a, b);
            require(isReadable(part), "readers get no NUL and no lone surrogate");
            require(characters(part) == std::clamp(b, 0, count) - std::clamp(a, 0, count) ||
                        part.isEmpty(),
                    "a part of the text has as many characters as its offsets say");
            text.attributes(a, &start, &end);
            break;
        }
    }
}

}  // namespace
}  // namespace numbrel::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace numbrel::fuzz;
    Window& shown = window();
    Bytes bytes({data, size});
    const std::uint32_t scaled = bytes.word(4);
    const auto length = static_cast<int>((scaled >> 3) % (kLongest[scaled & 7] + 1));
    const int pieceLength = std::max(bytes.byte() % 64, 1);
    QString piece;
    for (int i = 0; i < pieceLength; ++i) {
        auto unit = static_cast<char16_t>(bytes.word(2));
        if (length > kLongestOfAnyCharacters) unit = unit % 11 == 10 ? u'.' : u'0' + unit % 11;
        piece += QChar(unit);
    }
    QString text = piece.repeated((length + pieceLength - 1) / pieceLength).left(length);

    // As a paste does, without the clipboard's round trip through UTF-8.
    shown.display->selectAll();
    shown.display->insert(text);
    QCoreApplication::processEvents();
    shown.display->repaint();

    QAccessibleTextInterface* reader =
        QAccessible::queryAccessibleInterface(shown.display)->textInterface();
    require(reader != nullptr, "the display has a text interface");
    const int count = reader->characterCount();
    const QString whole = reader->text(0, count);
    require(isReadable(whole), "readers get no NUL and no lone surrogate");
    require(characters(whole) == count, "the text has as many characters as the count says");
    require(reader->text(-1, count + 1) == whole, "offsets outside the text clip to it");
    while (!bytes.empty()) {
        const std::uint8_t kind = bytes.byte();
        const int a = offsetFrom(bytes.word(4), count);
        const int b = offsetFrom(bytes.word(4), count);
        query(*reader, kind, a, b, count);
    }
    return 0;
}
