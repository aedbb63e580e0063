#include "view/platform/normal_state_keeper.h"

#include <QEvent>
#include <QGuiApplication>
#include <QWidget>

namespace numbrel {
namespace {

constexpr Qt::WindowStates kLargeStates = Qt::WindowMaximized | Qt::WindowFullScreen;

class NormalStateKeeper : public QObject {
public:
    explicit NormalStateKeeper(QWidget& window) : QObject(&window), m_window(window) {
        window.installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == &m_window && event->type() == QEvent::WindowStateChange &&
            (m_window.windowState() & kLargeStates)) {
            m_window.setWindowState(m_window.windowState() & ~kLargeStates);
            if (QGuiApplication::platformName().startsWith(QLatin1String("wayland"))) {
                m_window.hide();
                m_window.show();
            }
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QWidget& m_window;
};

}  // namespace

void keepInNormalState(QWidget& window) { new NormalStateKeeper(window); }

}  // namespace numbrel
