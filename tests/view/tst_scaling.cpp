// The window on a screen scaled by 2 (run with QT_SCALE_FACTOR=2): every control doubles in
// device pixels and text is drawn at the device's resolution, not enlarged from a small picture.

#include <QImage>
#include <QPixmap>

#include "view_helpers.h"

using namespace Qt::Literals::StringLiterals;
using namespace view_test;

namespace {

constexpr int kScale = 2;

// Whether the image has detail finer than kScale x kScale blocks: a picture drawn at the lower
// resolution and enlarged has none.
bool hasDeviceResolutionDetail(const QImage& image) {
    for (int y = 0; y + kScale <= image.height(); y += kScale) {
        for (int x = 0; x + kScale <= image.width(); x += kScale) {
            for (int dy = 0; dy < kScale; ++dy) {
                for (int dx = 0; dx < kScale; ++dx) {
                    if (image.pixel(x + dx, y + dy) != image.pixel(x, y)) return true;
                }
            }
        }
    }
    return false;
}

}  // namespace

class ScalingTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        Form1View view;
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        QCOMPARE(view.devicePixelRatio(), qreal(kScale));
    }

    // The window and its controls keep their places at 96 dpi, in pixels twice as large.
    void windowDoublesInDevicePixels() {
        Form1View view;
        QVERIFY(switchOn(view));
        QCOMPARE(view.size(), QSize(445, 234));
        QCOMPARE(key(view, u"="_s)->geometry(), QRect(152, 152, 81, 33));
        QCOMPARE(view.grab().size(), QSize(890, 468));
    }

    // Glyphs hinted at the device's resolution have other widths; the font still fits them.
    void longestNumberShowsWhole() {
        Form1View view;
        QVERIFY(switchOn(view));
        click(view, {u"1"_s, u"2"_s, u"3"_s, u"4"_s, u"5"_s, u"6"_s, u"7"_s, u"8"_s, u"8"_s,
                     u"^2"_s, u"^x"_s, u"1"_s, u"9"_s, u"-/+"_s, u"="_s, u"-/+"_s});
        QCOMPARE(display(view)->text(), u"-3.32989854173732E-308"_s);
        QVERIFY(showsWhole(*display(view)));
    }

    void textIsDrawnAtDeviceResolution() {
        Form1View view;
        QVERIFY(switchOn(view));
        click(view, {u"8"_s, u"8"_s, u"8"_s});
        const QPixmap picture = display(view)->grab();
        QCOMPARE(picture.devicePixelRatio(), qreal(kScale));
        QCOMPARE(picture.size(), display(view)->size() * kScale);
        // The inside of the display, clear of its frame: only the digits' edges are left to
        // show detail.
        const QRect inside = QRect(QPoint(0, 0), picture.size()).adjusted(8, 8, -8, -8);
        QVERIFY(hasDeviceResolutionDetail(picture.toImage().copy(inside)));
    }
};

QTEST_MAIN(ScalingTest)
#include "tst_scaling.moc"
