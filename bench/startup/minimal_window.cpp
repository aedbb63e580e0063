// The baseline for start-up figures: a window of Numbrel's size with 33 push buttons and a line
// edit, default fonts, no icon and no resources.

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Minimal"));
    window.setFixedSize(445, 234);

    auto* edit = new QLineEdit(&window);
    edit->setGeometry(24, 16, 121, 25);
    for (int i = 0; i < 33; ++i) {
        auto* button = new QPushButton(QString::number(i + 1), &window);
        button->setGeometry(24 + (i % 11) * 38, 60 + (i / 11) * 34, 36, 32);
    }
    window.show();
    return QApplication::exec();
}
