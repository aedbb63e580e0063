#include "view/desktop_session.h"

#include <netdb.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include <QString>
#include <QtGlobal>

namespace numbrel {
namespace {

struct HeldMessage {
    QtMsgType type;
    std::string category;
    QString text;
};

// The message handler is a plain function, so what it holds lives here; there is one check.
std::vector<HeldMessage> heldMessages;
QtMessageHandler previousHandler = nullptr;

std::string environment(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr ? value : "";
}

// Whether something accepts a connection on the Unix socket at `path`; a path starting with a
// NUL byte names an abstract socket.
bool unixSocketAnswers(const std::string& path) {
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (path.empty() || path.size() >= sizeof address.sun_path) return false;
    std::memcpy(address.sun_path, path.data(), path.size());
    const int socket = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (socket < 0) return false;
    const auto length = static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + path.size());
    const bool answers =
        ::connect(socket, reinterpret_cast<const sockaddr*>(&address), length) == 0;
    ::close(socket);
    return answers;
}

bool tcpPortAnswers(const std::string& host, const std::string& port) {
    addrinfo hints{};
    hints.ai_socktype = SOCK_STREAM;
    addrinfo* addresses = nullptr;
    if (::getaddrinfo(host.c_str(), port.c_str(), &hints, &addresses) != 0) return false;
    bool answers = false;
    for (const addrinfo* address = addresses; address != nullptr && !answers;
         address = address->ai_next) {
        const int socket =
            ::socket(address->ai_family, address->ai_socktype | SOCK_CLOEXEC, address->ai_protocol);
        if (socket < 0) continue;
        answers = ::connect(socket, address->ai_addr, address->ai_addrlen) == 0;
        ::close(socket);
    }
    ::freeaddrinfo(addresses);
    return answers;
}

// Whether the X server DISPLAY names ("[host]:number[.screen]") accepts a connection: on its
// local socket without a host, else on TCP port 6000 + number. A form this does not know
// counts as answering, so that Qt's own message is shown rather than a guess.
bool xServerAnswers(const std::string& display) {
    const auto colon = display.rfind(':');
    if (colon == std::string::npos) return true;
    const std::string host = display.substr(0, colon);
    const std::string number = display.substr(colon + 1, display.find('.', colon) - colon - 1);
    if (number.empty() || number.find_first_not_of("0123456789") != std::string::npos ||
        number.size() > 4 || host.starts_with('/')) {
        return true;
    }
    if (host.empty() || host == "unix") {
        const std::string path = "/tmp/.X11-unix/X" + number;
        return unixSocketAnswers(std::string(1, '\0') + path) || unixSocketAnswers(path);
    }
    return tcpPortAnswers(host, std::to_string(6000 + std::stoi(number)));
}

// Whether the Wayland compositor WAYLAND_DISPLAY names (a socket in XDG_RUNTIME_DIR, or a
// full path) accepts a connection.
bool waylandAnswers(const std::string& name) {
    if (name.starts_with('/')) return unixSocketAnswers(name);
    const std::string runtime = environment("XDG_RUNTIME_DIR");
    return !runtime.empty() && unixSocketAnswers(runtime + '/' + name);
}

bool desktopSessionAnswers() {
    const std::string display = environment("DISPLAY");
    const std::string wayland = environment("WAYLAND_DISPLAY");
    return (!display.empty() && xServerAnswers(display)) ||
           (!wayland.empty() && waylandAnswers(wayland));
}

void forwardHeldMessages() {
    qInstallMessageHandler(previousHandler);
    for (const HeldMessage& message : heldMessages) {
        const QMessageLogContext context(nullptr, 0, nullptr, message.category.c_str());
        qt_message_output(message.type, context, message.text);
    }
    heldMessages.clear();
}

// Qt gives up when no platform plugin could show a window. Without a desktop session its
// messages and advice (reinstalling) miss the point: one line says what is needed. With a
// session that answers, the reason is Qt's own, so a line saying so comes before Qt's messages.
// abort() would leave a core dump; the program has done nothing yet, so it may end at once.
void holdOrGiveUp(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (type != QtFatalMsg) {
        heldMessages.push_back({type, context.category ? context.category : "", text});
        return;
    }
    if (environment("DISPLAY").empty() && environment("WAYLAND_DISPLAY").empty()) {
        std::fputs(
            "numbrel: Numbrel needs a desktop session (X11 or Wayland) to show its window, and "
            "neither DISPLAY nor WAYLAND_DISPLAY is set.\n",
            stderr);
    } else if (!desktopSessionAnswers()) {
        std::fputs(
            "numbrel: Numbrel needs a desktop session (X11 or Wayland) to show its window, and "
            "none could be reached.\n",
            stderr);
    } else {
        std::fputs("numbrel: Qt could not show a window on this desktop session:\n", stderr);
        std::fflush(stderr);
        forwardHeldMessages();
        std::fprintf(stderr, "%s\n", text.toLocal8Bit().constData());
    }
    std::_Exit(1);
}

}  // namespace

DesktopSessionCheck::DesktopSessionCheck() {
    previousHandler = qInstallMessageHandler(holdOrGiveUp);
}

DesktopSessionCheck::~DesktopSessionCheck() { passed(); }

void DesktopSessionCheck::passed() {
    if (!m_active) return;
    m_active = false;
    forwardHeldMessages();
}

}  // namespace numbrel
