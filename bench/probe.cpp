// Watches the real game window in a real event loop, from inside but
// without changing it: the rise timer's handler is wrapped to note the time
// of every tick, and an application-wide event filter adds up the area of
// every paint event.
//
//   rofo_probe timer [ticks]   the spacing of the rise timer's ticks at speed 500
//   rofo_probe repaints        the area repainted by rise ticks and keys
#include "ROFOmain.h"
#include "engine/board.h"
#include "toolkit/runtime.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QPaintEvent>
#include <QTimer>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

double Ms(Clock::duration d) { return std::chrono::duration<double, std::milli>(d).count(); }

// Runs the game at speed 500 and records the spacing of `wanted` ticks. A
// game that ends is started again; the gap across the restart is no spacing.
int MeasureTimer(int wanted)
{
    std::vector<double> spacings;
    Clock::time_point last{};
    bool haveLast = false;
    TNotifyEvent tick = Form1->Timer1.OnTimer;
    Form1->Timer1.OnTimer = [&, tick](TObject* sender) {
        const Clock::time_point now = Clock::now();
        if (haveLast)
            spacings.push_back(Ms(now - last));
        last = now;
        haveLast = true;
        tick(sender);
        if (int(spacings.size()) >= wanted) {
            Form1->Close();
        } else if (!Form1->Timer1.Enabled()) {
            haveLast = false;
            QTimer::singleShot(0, [] { Form1->Button1.Click(); });
        }
    };
    QTimer::singleShot(100, [] {
        Form1->TimeUD.SetPosition(500);
        Form1->Button1.Click();
    });
    Application->Run();

    std::vector<double> deviations;
    double sum = 0;
    for (double s : spacings) {
        sum += s;
        deviations.push_back(std::fabs(s - 50.0));
    }
    std::sort(deviations.begin(), deviations.end());
    const auto quantile = [&](double q) {
        return deviations[std::min(deviations.size() - 1, size_t(std::ceil(q * deviations.size())) - 1)];
    };
    std::printf("ticks %zu mean_ms %.3f p50_dev_ms %.3f p99_dev_ms %.3f max_dev_ms %.3f\n", spacings.size(),
        sum / spacings.size(), quantile(0.5), quantile(0.99), deviations.back());
    return 0;
}

// Adds up the painted area: of every widget in the window, and of the board.
class PaintCounter : public QObject {
public:
    long long area = 0;
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) {
            for (const QRect& r : static_cast<QPaintEvent*>(event)->region())
                area += (long long)r.width() * r.height();
        }
        return false;
    }
};

void Settle()
{
    QElapsedTimer wait;
    wait.start();
    while (wait.elapsed() < 300)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
}

int MeasureRepaints()
{
    Form1->Show();
    Settle();   // the first full paint of the window
    PaintCounter counter;
    qApp->installEventFilter(&counter);
    bool ticked = false;
    TNotifyEvent tick = Form1->Timer1.OnTimer;
    Form1->Timer1.OnTimer = [&, tick](TObject* sender) {
        tick(sender);
        ticked = true;
    };
    const auto report = [&](const char* what) {
        QCoreApplication::processEvents();
        std::printf("%-10s images_px %6lld window_px %6lld of_board %.4f\n", what, TImage::PaintedArea(),
            counter.area, TImage::PaintedArea() / double(360 * 480));
        TImage::ResetPaintedArea();
        counter.area = 0;
    };
    Form1->Button1.Click();
    report("start");
    for (int i = 0; i < 3; ++i) {
        ticked = false;
        while (!ticked)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        report("rise");
    }
    for (char32_t key : {U'j', U'l', U'k'}) {
        const int x = PieceX;
        const int dir = PieceDir;
        Form1->FormKeyPress(Form1, key);
        report(x != PieceX || dir != PieceDir ? "key" : "key(none)");
    }
    qApp->removeEventFilter(&counter);
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    const std::string mode = argc > 1 ? argv[1] : "";
    if (mode != "timer" && mode != "repaints") {
        std::fprintf(stderr, "usage: rofo_probe timer [ticks] | repaints\n");
        return 2;
    }
    // The same calendar second for every piece: the same pieces each run.
    SetCalendarSource([] { return std::int64_t(1000); });
    Application->Initialize(argv[0]);
    Application->CreateForm(Form1);
    const int result = mode == "timer" ? MeasureTimer(argc > 2 ? std::atoi(argv[2]) : 200) : MeasureRepaints();
    Application->Finalize();
    return result;
}
