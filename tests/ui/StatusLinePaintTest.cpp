#include "MainFormFixture.h"
#include "ui/CachedGauge.h"

#include <QEvent>
#include <QLabel>
#include <QElapsedTimer>
#include <QGroupBox>
#include <QWindow>

using namespace vespera;

namespace {

class PaintCounter : public QObject {
public:
    bool eventFilter(QObject*, QEvent* event) override {
        paints += event->type() == QEvent::Paint;
        return false;
    }
    int paints = 0;
};

void settle(int ms) {
    QElapsedTimer waited;
    waited.start();
    while (waited.elapsed() < ms)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
}

} // namespace

// The status line changes every second: it repaints itself alone, with the banner drawn behind its text.
TEST_F(MainFormFixture, ANewStatusTextRepaintsTheLineAloneOverTheBanner) {
    openArmed(3600);
    settle(200);
    ASSERT_TRUE(form->windowHandle()->isExposed());
    auto* banner = child<QLabel>("Banner");
    auto* line = child<QLabel>("StatusLine");
    PaintCounter below;
    banner->installEventFilter(&below);
    form->centralWidget()->installEventFilter(&below);
    for (int i = 0; i < 3; ++i) {
        tick();
        settle(20);
    }
    EXPECT_EQ(below.paints, 0);

    const QImage drawn = line->grab().toImage();
    const QImage picture = banner->grab().toImage();
    const QPoint offset = line->geometry().topLeft() - banner->geometry().topLeft();
    const QPoint empty(line->width() - 2, line->height() - 2); // no text reaches the bottom right corner
    EXPECT_EQ(drawn.pixel(empty), picture.pixel(empty + offset));
}

// A gauge paints when its value changes and only then, without the group box under it; a value it has
// not shown before is also painted once into its picture.
TEST_F(MainFormFixture, AGaugeRepaintsAloneAndOnlyForANewValue) {
    openArmed(3600);
    child<QTimer>("Timer1")->stop();
    settle(200);
    auto* gauge = child<CachedGauge>("Progressbar1_new");
    PaintCounter own;
    PaintCounter below;
    gauge->installEventFilter(&own);
    child<QGroupBox>("GroupBox2")->installEventFilter(&below);
    const struct {
        int value;
        int paints;
    } steps[] = {{37, 2}, {37, 2}, {38, 4}, {37, 5}};
    for (const auto& step : steps) {
        gauge->showValue(step.value);
        settle(50);
        EXPECT_EQ(own.paints, step.paints) << step.value;
    }
    EXPECT_EQ(below.paints, 0);
}
