#include <QApplication>
#include <QIcon>

#include "view/command_line.h"
#include "view/desktop_session.h"
#include "view/form1_view.h"
#include "view/qt_translations.h"

int main(int argc, char* argv[]) {
    numbrel::Translations translations;
    if (const auto status = numbrel::answerInformationOptions(argc, argv, translations)) {
        return *status;
    }

    numbrel::DesktopSessionCheck sessionCheck(translations);
    QApplication app(argc, argv);  // takes Qt's own options out of argv
    sessionCheck.passed();
    translations.install();
    if (const auto status = numbrel::rejectLeftoverArguments(argc, argv, translations)) {
        return *status;
    }

    QApplication::setApplicationName(QStringLiteral("Numbrel"));
    QGuiApplication::setDesktopFileName(QStringLiteral("org.numbrel.Numbrel"));

    QIcon icon;
    for (const int size : {128, 64, 48, 32, 16}) {
        icon.addFile(QStringLiteral(":/icons/numbrel-%1.png").arg(size), QSize(size, size));
    }
    QApplication::setWindowIcon(icon);

    numbrel::Form1View window;
    window.show();
    return QApplication::exec();
}
