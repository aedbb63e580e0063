#include "view/platform/fixed_size.h"

#include <QEvent>
#include <QGuiApplication>
#include <QWidget>

#include "view/platform/x11_hints.h"

namespace numbrel {
namespace {

constexpr Qt::WindowStates kLargeStates = Qt::WindowMaximized | Qt::WindowFullScreen;

class SizeKeeper : public QObject {
public:
    explicit SizeKeeper(QWidget& window) : QObject(&window), m_window(window) {
        window.installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched != &m_window) return false;
        // The native window exists now and is mapped only after this event.
        if (event->type() == QEvent::Show) offerNoResizing(m_window);
        if (event->type() == QEvent::WindowStateChange &&
            (m_window.windowState() & kLargeStates)) {
            m_window.setWindowState(m_window.windowState() & ~kLargeStates);
            if (QGuiApplication::platformName().startsWith(QLatin1String("wayland"))) {
                m_window.hide();
                m_window.show();
            }
        }
        return false;
    }

private:
    QWidget& m_window;
};

}  // namespace

void fixSize(QWidget& window, const QSize& size) {
    window.setFixedSize(size);
    window.setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                          Qt::WindowCloseButtonHint);
    new SizeKeeper(window);
}

}  // namespace numbrel
