// Key-to-pixels latency of the real window on an X server: the time from a key event's delivery
// to the window until the X server holds the repainted pixels (the backing store's flush,
// followed by a round trip to the server). Run it on a quiet X server, such as Xvfb at 96 dpi
// without a window manager:
//     numbrel_key_latency [ROUNDS]
// Each round types 40 digits into the display (from the tenth digit on the display takes a
// narrow face, then smaller sizes down to its smallest, after which the text scrolls), clicks "C",
// and clicks "Del" on the empty display (a refusal, which flashes the display). Typed digits are
// reported by the font size they led to. The first round, when every font size is new, is reported
// on its own. Then, up to 10 times, 100,000 digits are pasted over the display with Ctrl+V, and
// a digit typed and "Del" clicked on that long text.

#include <algorithm>
#include <charconv>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <optional>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>

#include <xcb/xcb.h>

#include "view/form1_view.h"
#include "view/widgets/display.h"

namespace {

using Clock = std::chrono::steady_clock;
using Milliseconds = std::chrono::duration<double, std::milli>;

// The window, noting when each repaint has reached the X server.
class TimedView : public numbrel::Form1View {
public:
    std::optional<Clock::time_point> flushed;

protected:
    bool event(QEvent* event) override {
        const bool handled = Form1View::event(event);
        if (event->type() == QEvent::UpdateRequest) {
            const auto* x11 = qApp->nativeInterface<QNativeInterface::QX11Application>();
            xcb_connection_t* connection = x11->connection();
            std::free(
                xcb_get_input_focus_reply(connection, xcb_get_input_focus(connection), nullptr));
            flushed = Clock::now();
        }
        return handled;
    }
};

// Notes when the timed event reaches its widget, before any filter or handler sees it.
class DeliveryClock : public QObject {
public:
    QObject* target = nullptr;
    QEvent::Type type = QEvent::None;
    std::optional<Clock::time_point> delivered;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == target && event->type() == type && !delivered) delivered = Clock::now();
        return false;
    }
};

struct Samples {
    std::map<std::string, std::vector<double>> byKind;

    void print(const char* heading) const {
        std::printf("%s\n%-34s %6s %8s %8s %8s\n", heading, "event", "count", "median", "p90",
                    "max");
        for (const auto& entry : byKind) {
            std::vector<double> values = entry.second;
            std::ranges::sort(values);
            const auto at = [&values](double fraction) {
                return values[static_cast<std::size_t>(fraction * double(values.size() - 1))];
            };
            std::printf("%-34s %6s %8s %8s %8s\n", entry.first.c_str(),
                        text(double(values.size()), 0).c_str(), text(at(0.5), 3).c_str(),
                        text(at(0.9), 3).c_str(), text(values.back(), 3).c_str());
        }
    }

    // The value with the given number of decimals, whatever the locale.
    static std::string text(double value, int decimals) {
        char digits[32];
        const auto end =
            std::to_chars(digits, digits + sizeof digits, value, std::chars_format::fixed, decimals)
                .ptr;
        return std::string(digits, end);
    }
};

class Bench {
public:
    Bench(TimedView& view, DeliveryClock& clock) : m_view(view), m_clock(clock) {}

    // Posts the events, runs the event loop until the repaint has reached the server, and
    // returns the time since the timed event's delivery. Throws when no repaint follows the
    // event within 2 s, since then there is nothing to time.
    double measure(QObject* target, QEvent::Type timed, const std::vector<QEvent*>& events) {
        m_clock.target = target;
        m_clock.type = timed;
        m_clock.delivered.reset();
        m_view.flushed.reset();
        for (QEvent* event : events) QCoreApplication::postEvent(target, event);
        const auto deadline = Clock::now() + std::chrono::seconds(2);
        while (!(m_clock.delivered && m_view.flushed && *m_view.flushed > *m_clock.delivered) &&
               Clock::now() < deadline) {
            QCoreApplication::processEvents(QEventLoop::AllEvents);
        }
        settle();
        if (!m_clock.delivered || !m_view.flushed || *m_view.flushed <= *m_clock.delivered)
            throw std::runtime_error("no repaint reached the X server within 2 s of an event");
        return Milliseconds(*m_view.flushed - *m_clock.delivered).count();
    }

    double type(QWidget* display, char digit) {
        const auto key = static_cast<Qt::Key>(Qt::Key_0 + (digit - '0'));
        const QString text(QChar::fromLatin1(digit));
        return measure(display, QEvent::KeyPress,
                       {new QKeyEvent(QEvent::KeyPress, key, Qt::NoModifier, text),
                        new QKeyEvent(QEvent::KeyRelease, key, Qt::NoModifier, text)});
    }

    double paste(QWidget* display) {
        return measure(display, QEvent::KeyPress,
                       {new QKeyEvent(QEvent::KeyPress, Qt::Key_V, Qt::ControlModifier),
                        new QKeyEvent(QEvent::KeyRelease, Qt::Key_V, Qt::ControlModifier)});
    }

    double click(QPushButton& button) {
        const QPointF centre = QRectF(button.rect()).center();
        const QPointF global = button.mapToGlobal(centre);
        return measure(&button, QEvent::MouseButtonRelease,
                       {new QMouseEvent(QEvent::MouseButtonPress, centre, global, Qt::LeftButton,
                                        Qt::LeftButton, Qt::NoModifier),
                        new QMouseEvent(QEvent::MouseButtonRelease, centre, global, Qt::LeftButton,
                                        Qt::NoButton, Qt::NoModifier)});
    }

    // Lets the server and the event loop go idle between two measurements.
    static void settle() {
        const auto until = Clock::now() + std::chrono::milliseconds(3);
        while (Clock::now() < until) {
            QCoreApplication::processEvents(QEventLoop::AllEvents);
            std::this_thread::sleep_for(std::chrono::microseconds(200));
        }
    }

private:
    TimedView& m_view;
    DeliveryClock& m_clock;
};

QPushButton& key(QWidget& view, const QString& caption) {
    for (auto* button : view.findChildren<QPushButton*>()) {
        if (button->text() == caption) return *button;
    }
    throw std::runtime_error("the window has no key " + caption.toStdString());
}

int run(int rounds) {
    TimedView view;
    DeliveryClock clock;
    qApp->installEventFilter(&clock);
    view.show();
    Bench bench(view, clock);
    const auto shownBy = Clock::now() + std::chrono::milliseconds(500);
    while (Clock::now() < shownBy) Bench::settle();
    bench.click(key(view, QStringLiteral("ON")));
    auto* display = view.findChild<numbrel::Display*>();
    if (display == nullptr) throw std::runtime_error("the window has no display");

    Samples cold;
    Samples warm;
    for (int round = 0; round < rounds; ++round) {
        Samples& samples = round == 0 ? cold : warm;
        for (int digit = 1; digit <= 40; ++digit) {
            const double latency = bench.type(display, char('0' + digit % 10));
            const qreal size = display->font().pointSizeF();
            const char* kind = size == numbrel::Display::kFullPointSize ? "typed digit, full size"
                               : size == numbrel::Display::kFloorPointSize
                                   ? "typed digit, smallest size"
                                   : "typed digit, font shrunk";
            samples.byKind[kind].push_back(latency);
        }
        samples.byKind["click \"C\""].push_back(bench.click(key(view, QStringLiteral("C"))));
        samples.byKind["click \"Del\", refused (flash)"].push_back(
            bench.click(key(view, QStringLiteral("Del"))));
        const auto flashOver = Clock::now() + std::chrono::milliseconds(400);
        while (Clock::now() < flashOver) Bench::settle();
    }
    cold.print("first round (every font size new), milliseconds:");
    warm.print("later rounds, milliseconds:");

    Samples pasted;
    QGuiApplication::clipboard()->setText(QString(100'000, u'9'));
    for (int round = 0; round < std::min(rounds, 10); ++round) {
        display->selectAll();
        pasted.byKind["paste of 100,000 digits"].push_back(bench.paste(display));
        pasted.byKind["typed digit after it"].push_back(bench.type(display, '5'));
        pasted.byKind["click \"Del\" after it"].push_back(
            bench.click(key(view, QStringLiteral("Del"))));
    }
    pasted.print("on a display of 100,000 digits, milliseconds:");
    return 0;
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    if (qApp->nativeInterface<QNativeInterface::QX11Application>() == nullptr) {
        std::fputs("numbrel_key_latency: needs an X server (QT_QPA_PLATFORM=xcb)\n", stderr);
        return 2;
    }
    int rounds = 40;
    if (argc > 1)
        std::from_chars(argv[1], argv[1] + std::char_traits<char>::length(argv[1]), rounds);
    QApplication::setCursorFlashTime(0);  // no caret blinking between the measurements
    try {
        return run(rounds);
    } catch (const std::runtime_error& error) {
        std::fprintf(stderr, "numbrel_key_latency: %s\n", error.what());
        return 1;
    }
}
