#include <QApplication>
#include <QIcon>

#include "view/form1_view.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Numbrel"));
    QGuiApplication::setDesktopFileName(QStringLiteral("org.numbrel.Numbrel"));

    QIcon icon;
    icon.addFile(QStringLiteral(":/icons/numbrel-32.png"));
    icon.addFile(QStringLiteral(":/icons/numbrel-16.png"));
    QApplication::setWindowIcon(icon);

    numbrel::Form1View window;
    window.show();
    return QApplication::exec();
}
