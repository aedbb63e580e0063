#include "program/desktop_session_probe.h"

#include <netdb.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstddef>
#include <cstdlib>
#include <cstring>
#include <string>

namespace numbrel {
namespace {

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

}  // namespace

DesktopSession probeDesktopSession() {
    const std::string display = environment("DISPLAY");
    const std::string wayland = environment("WAYLAND_DISPLAY");
    if (display.empty() && wayland.empty()) return DesktopSession::NotSet;
    const bool answers = (!display.empty() && xServerAnswers(display)) ||
                         (!wayland.empty() && waylandAnswers(wayland));
    return answers ? DesktopSession::Answers : DesktopSession::Unreachable;
}

}  // namespace numbrel
