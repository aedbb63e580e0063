#include "view/desktop_session.h"

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include <QByteArray>
#include <QString>
#include <QtGlobal>

#include "view/qt_translations.h"

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
constexpr const char* kNoSession = QT_TRANSLATE_NOOP(
    "DesktopSession",
    "Numbrel needs a desktop session (X11 or Wayland) to show its window, and none could be "
    "reached.");
// The line that says why the program ends, in the user's language.
QByteArray noSessionLine;

void holdOrGiveUp(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (type == QtFatalMsg) {
        // Qt found no platform plugin that could show a window. Its own advice (reinstalling)
        // is wrong here, and abort() would leave a core dump; the program has done nothing yet,
        // so it may end at once.
        std::fputs(noSessionLine.constData(), stderr);
        std::_Exit(1);
    }
    heldMessages.push_back({type, context.category ? context.category : "", text});
}

}  // namespace

DesktopSessionCheck::DesktopSessionCheck(const Translations& translations) {
    noSessionLine = QByteArrayLiteral("numbrel: ") +
                    translations.text("DesktopSession", kNoSession).toUtf8() + '\n';
    previousHandler = qInstallMessageHandler(holdOrGiveUp);
}

DesktopSessionCheck::~DesktopSessionCheck() { passed(); }

void DesktopSessionCheck::passed() {
    if (!m_active) return;
    m_active = false;
    qInstallMessageHandler(previousHandler);
    for (const HeldMessage& message : heldMessages) {
        const QMessageLogContext context(nullptr, 0, nullptr, message.category.c_str());
        qt_message_output(message.type, context, message.text);
    }
    heldMessages.clear();
}

}  // namespace numbrel
