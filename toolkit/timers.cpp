#include "timers.h"

#include "application.h"

#include <QTimer>

TTimer::TTimer(TForm*) : timer_(std::make_unique<QTimer>())
{
    timer_->setTimerType(Qt::PreciseTimer);
    QObject::connect(timer_.get(), &QTimer::timeout, [this] {
        if (OnTimer)
            InvokeHandler([this] { OnTimer(this); });
    });
}

TTimer::~TTimer() = default;

void TTimer::SetInterval(int milliseconds)
{
    interval_ = milliseconds;
    Restart();
}

void TTimer::SetEnabled(bool enabled)
{
    enabled_ = enabled;
    Restart();
}

void TTimer::Restart()
{
    if (enabled_ && interval_ > 0)
        timer_->start(interval_);
    else
        timer_->stop();
}
