#pragma once
#include "KeplerControls/enum_set.h"
#include "speed_button.h"

#include <cstdint>
#include <memory>

namespace Kepler {

class TTimer;

enum TTimeBtnState { tbFocusRect, tbAllowTimer };

using TTimeBtnStates = TEnumSet<TTimeBtnState>;

// One half of a spin button pair: a speed button that repeats its click while
// held down on it, first after InitialRepeatDelay, then every RepeatInterval.
class TTimerSpeedButton : public TSpeedButton {
    Q_OBJECT

public:
    static constexpr int InitialRepeatDelay = 400;
    static constexpr int RepeatInterval = 100;

    explicit TTimerSpeedButton(QWidget* parent = nullptr);
    ~TTimerSpeedButton() override;

    TTimeBtnStates TimeBtnState() const { return FTimeBtnState; }
    void SetTimeBtnState(TTimeBtnStates v);
    bool IsDownButton() const { return FDownButton; }
    void SetDownButton(bool v) { FDownButton = v; }
    // Absent until the first press.
    TTimer* RepeatTimer() const { return FRepeatTimer.get(); }

protected:
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    void Paint(QPainter& painter) override;

private:
    // The repeat timer's handler. An error from the click stops the timer
    // and is passed on.
    void RepeatTick(QObject* Sender);

    std::unique_ptr<TTimer> FRepeatTimer;
    TTimeBtnStates FTimeBtnState;
    bool FDownButton = false;
};

} // namespace Kepler
