#pragma once

namespace numbrel {

class Translations;

/// Covers the construction of QApplication, which connects to the window system. When no window
/// can be shown (no DISPLAY or WAYLAND_DISPLAY, an X server that does not answer, a dead Wayland
/// socket), Qt prints several lines and aborts; while this check lives, it holds Qt's messages
/// back instead, and if Qt gives up it prints one line saying that a desktop session is needed
/// and ends the program with status 1 (in the user's language). passed() hands the held messages
/// on to Qt's output.
class DesktopSessionCheck {
public:
    explicit DesktopSessionCheck(const Translations& translations);
    ~DesktopSessionCheck();
    DesktopSessionCheck(const DesktopSessionCheck&) = delete;
    DesktopSessionCheck& operator=(const DesktopSessionCheck&) = delete;

    /// QApplication exists: stops holding messages back and prints those held so far.
    void passed();

private:
    bool m_active = true;
};

}  // namespace numbrel
