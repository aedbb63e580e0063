// The window as a client of a Wayland compositor (run by under_weston.sh): asked to fill the
// screen, as the title bar's maximize button and the compositor's shortcuts ask, it stays alive,
// at its one size, showing what it showed, even when it draws at once. A protocol error would
// end the program here.

#include <QWindow>

#include "view_helpers.h"

using namespace Qt::Literals::StringLiterals;
using namespace view_test;

class WaylandStatesTest : public QObject {
    Q_OBJECT

private slots:
    void largeStatesLeaveTheWindowAsItWas_data() {
        QTest::addColumn<Qt::WindowState>("state");
        QTest::newRow("maximized") << Qt::WindowMaximized;
        QTest::newRow("full screen") << Qt::WindowFullScreen;
    }
    void largeStatesLeaveTheWindowAsItWas() {
        QFETCH(Qt::WindowState, state);
        Form1View view;
        QVERIFY(switchOn(view));
        click(view, {u"4"_s, u"2"_s});
        const QSize size = view.size();
        // The window draws as soon as it has heard of a new state, as one whose content changes
        // then would; drawing at its size in the state the compositor configured is an error.
        connect(view.windowHandle(), &QWindow::windowStateChanged, &view,
                [&view] { view.repaint(); }, Qt::QueuedConnection);

        view.windowHandle()->setWindowStates(state);
        // Long enough for the compositor's answer and for the caret to blink, which draws.
        QTest::qWait(1500);
        QTRY_VERIFY(view.windowHandle()->isExposed());
        QCOMPARE(view.windowState(), Qt::WindowNoState);
        QCOMPARE(view.size(), size);
        QCOMPARE(view.windowHandle()->size(), size);
        QCOMPARE(display(view)->text(), u"42"_s);
    }
};

QTEST_MAIN(WaylandStatesTest)
#include "tst_wayland_states.moc"
