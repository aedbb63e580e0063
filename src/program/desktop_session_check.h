#pragma once

namespace numbrel {

class Translations;

// Covers the construction of QApplication, which connects to the window system. When no window
// can be shown, Qt prints several lines and aborts; while this check lives, it holds Qt's
// messages back instead, and if Qt gives up it ends the program with status 1. Without a
// desktop session (neither DISPLAY nor WAYLAND_DISPLAY set, or no server answering at them) it
// prints one line saying that one is needed; with a session that answers, a line saying that Qt
// failed, then Qt's own messages (both lines in the user's language). passed() hands the held
// messages on to Qt's output.
class DesktopSessionCheck {
public:
    explicit DesktopSessionCheck(const Translations& translations);
    ~DesktopSessionCheck();
    DesktopSessionCheck(const DesktopSessionCheck&) = delete;
    DesktopSessionCheck& operator=(const DesktopSessionCheck&) = delete;

    // QApplication exists: stops holding messages back and prints those held so far.
    void passed();

private:
    bool m_active = true;
};

}  // namespace numbrel
