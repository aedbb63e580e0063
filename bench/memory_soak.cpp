// Resident memory of the real window over a long session, on Qt's offscreen platform:
//     numbrel_memory_soak [EVENTS]   (default 100000)
// Random events from a fixed seed, decoded as the fuzzers and benchmarks decode them (clicks on
// the keys that are shown, characters typed into the display, pastes over or into it), go to
// the window as a user's would (one paste in 16 long); after each, a screen reader's questions about the display (its
// text, the pieces at the caret, the extents of the characters around it). Prints the resident
// memory every 10,000 events; then after 50 pastes of 100,000 digits over the whole display, one
// after another.

#include <charconv>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>

#include "app/control_table.h"
#include "event_script.h"
#include "view/form1_view.h"

namespace {

// VmRSS from /proc/self/status, in kB.
long residentKilobytes() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmRSS:", 0) == 0) return std::stol(line.substr(6));
    }
    return -1;
}

constexpr qsizetype kLongPaste = 20'000;

class Session {
public:
    Session() {
        m_view.show();
        QCoreApplication::processEvents();
        m_display = m_view.findChild<QLineEdit*>();
        for (const numbrel::ButtonBinding& binding : numbrel::buttonBindings) {
            const char* name = numbrel::controlTable[numbrel::controlIndex(binding.button)].name;
            m_keys.push_back(m_view.findChild<QPushButton*>(QString::fromLatin1(name)));
        }
    }

    void apply(const numbrel::harness::Event& event) {
        using numbrel::harness::EventKind;
        const auto caret = [&] {
            return static_cast<int>(event.caret %
                                    static_cast<std::size_t>(m_display->text().size() + 1));
        };
        switch (event.kind) {
            case EventKind::Click:
                if (QPushButton* key = m_keys[event.button]; key->isVisible() && key->isEnabled())
                    key->click();
                break;
            case EventKind::Type: {
                if (!m_display->isVisible()) break;
                m_display->setCursorPosition(caret());
                const QString text(QChar(static_cast<char16_t>(event.code)));
                QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, text);
                QCoreApplication::sendEvent(m_display, &press);
                break;
            }
            case EventKind::Paste: {
                if (!m_display->isVisible()) break;
                // One paste in 16 is long: its text repeated to 20,000 characters or more.
                QString pasted = QString::fromStdString(event.text);
                if (event.caret % 16 == 0 && !pasted.isEmpty())
                    pasted = pasted.repeated(kLongPaste / pasted.size() + 1);
                QGuiApplication::clipboard()->setText(pasted);
                if (event.replace) {
                    m_display->selectAll();
                } else {
                    m_display->setCursorPosition(caret());
                }
                m_display->paste();
                break;
            }
        }
        QCoreApplication::processEvents();
    }

    void pasteOverAll(const QString& text) {
        QGuiApplication::clipboard()->setText(text);
        m_display->selectAll();
        m_display->paste();
        QCoreApplication::processEvents();
    }

    void askAsAReader() {
        QAccessibleTextInterface* text =
            QAccessible::queryAccessibleInterface(m_display)->textInterface();
        const int caret = text->cursorPosition();
        int start = 0;
        int end = 0;
        text->text(0, text->characterCount());
        text->textAtOffset(caret, QAccessible::WordBoundary, &start, &end);
        text->textAtOffset(caret, QAccessible::CharBoundary, &start, &end);
        QRect range;
        for (int i = caret - 3; i <= caret + 3; ++i) range |= text->characterRect(i);
    }

private:
    numbrel::Form1View m_view;
    QLineEdit* m_display = nullptr;
    std::vector<QPushButton*> m_keys;
};

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    long events = 100'000;
    if (argc > 1) std::from_chars(argv[1], argv[1] + std::char_traits<char>::length(argv[1]), events);

    std::mt19937 random(2024);
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(80 * events));
    for (std::uint8_t& byte : bytes) byte = static_cast<std::uint8_t>(random());
    numbrel::harness::EventScript script(bytes);
    numbrel::harness::Event event;

    Session session;
    std::printf("%10s %14s\n", "events", "resident kB");
    std::printf("%10d %14ld\n", 0, residentKilobytes());
    for (long done = 1; done <= events && script.next(event); ++done) {
        session.apply(event);
        session.askAsAReader();
        if (done % 10'000 == 0) std::printf("%10ld %14ld\n", done, residentKilobytes());
        std::fflush(stdout);
    }
    for (int paste = 0; paste < 50; ++paste) {
        session.pasteOverAll(QString(100'000, QChar(u'0' + paste % 10)));
        session.askAsAReader();
    }
    std::printf("then 50 pastes of 100,000 digits: %ld kB\n", residentKilobytes());
    return 0;
}
