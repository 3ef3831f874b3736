// A timer whose ticks arrive as events on the user-interface thread.
// Ticks are scheduled precisely, not on a coarse millisecond grid.
#pragma once

#include "controls.h"
#include "types.h"

#include <memory>

class QTimer;
class TForm;

class TTimer : public TObject {
public:
    explicit TTimer(TForm* owner);
    ~TTimer() override;

    int Interval() const { return interval_; }
    // Changing the interval of a running timer starts its period anew.
    void SetInterval(int milliseconds);
    bool Enabled() const { return enabled_; }
    // Enabling starts a full period from now, also when it was running.
    void SetEnabled(bool enabled);

    TNotifyEvent OnTimer;

private:
    void Restart();

    std::unique_ptr<QTimer> timer_;
    int interval_ = 1000;
    bool enabled_ = false;   // a new timer is off until enabled
};
