#include "program/desktop_session_check.h"

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include <QByteArray>
#include <QString>
#include <QtGlobal>

#include "program/command_line.h"
#include "program/desktop_session_probe.h"
#include "program/translations.h"

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

constexpr const char* kNotSet = QT_TRANSLATE_NOOP(
    "DesktopSession",
    "Numbrel needs a desktop session (X11 or Wayland) to show its window, and neither DISPLAY "
    "nor WAYLAND_DISPLAY is set.");
constexpr const char* kUnreachable = QT_TRANSLATE_NOOP(
    "DesktopSession",
    "Numbrel needs a desktop session (X11 or Wayland) to show its window, and none could be "
    "reached.");
constexpr const char* kQtFailed =
    QT_TRANSLATE_NOOP("DesktopSession", "Qt could not show a window on this desktop session:");

// The lines that say why the program ends, in the user's language, made before Qt starts.
struct GiveUpLines {
    QByteArray notSet;
    QByteArray unreachable;
    QByteArray qtFailed;
};
GiveUpLines giveUpLines;

QByteArray programLine(const Translations& translations, const char* text) {
    return errorLine(translations.text("DesktopSession", text));
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
    switch (probeDesktopSession()) {
    case DesktopSession::NotSet:
        std::fputs(giveUpLines.notSet.constData(), stderr);
        break;
    case DesktopSession::Unreachable:
        std::fputs(giveUpLines.unreachable.constData(), stderr);
        break;
    case DesktopSession::Answers:
        std::fputs(giveUpLines.qtFailed.constData(), stderr);
        std::fflush(stderr);
        forwardHeldMessages();
        std::fprintf(stderr, "%s\n", text.toLocal8Bit().constData());
        break;
    }
    std::_Exit(1);
}

}  // namespace

DesktopSessionCheck::DesktopSessionCheck(const Translations& translations) {
    giveUpLines = {programLine(translations, kNotSet), programLine(translations, kUnreachable),
                   programLine(translations, kQtFailed)};
    previousHandler = qInstallMessageHandler(holdOrGiveUp);
}

DesktopSessionCheck::~DesktopSessionCheck() { passed(); }

void DesktopSessionCheck::passed() {
    if (!m_active) return;
    m_active = false;
    forwardHeldMessages();
}

}  // namespace numbrel
