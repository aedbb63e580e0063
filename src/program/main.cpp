#include <QApplication>
#include <QIcon>

#include "program/command_line.h"
#include "program/desktop_session_check.h"
#include "program/translations.h"
#include "view/form1_view.h"

namespace {

// Reading the icon's images loads Qt's image format plugins, which would hold back the window's
// first appearance, so the icon is set once the event loop runs; the window takes it then.
void setIconOnceRunning(QApplication& app) {
    QMetaObject::invokeMethod(
        &app,
        [] {
            QIcon icon;
            for (const int size : {NUMBREL_ICON_SIZES}) {
                icon.addFile(QStringLiteral(":/icons/numbrel-%1.png").arg(size), QSize(size, size));
            }
            QApplication::setWindowIcon(icon);
        },
        Qt::QueuedConnection);
}

}  // namespace

int main(int argc, char* argv[]) {
    numbrel::Translations translations;
    if (const auto status = numbrel::answerBeforeStart(argc, argv, translations)) {
        return *status;
    }

    numbrel::DesktopSessionCheck sessionCheck(translations);
    QApplication app(argc, argv);  // takes Qt's own options out of argv
    sessionCheck.passed();
    translations.install();
    if (const auto status = numbrel::rejectLeftoverArguments(argc, argv, translations)) {
        return *status;
    }

    QApplication::setApplicationName(QString::fromLatin1(numbrel::Form1::Caption));
    QGuiApplication::setDesktopFileName(QStringLiteral(NUMBREL_APP_ID));

    numbrel::Form1View window;
    window.show();
    setIconOnceRunning(app);
    return QApplication::exec();
}
