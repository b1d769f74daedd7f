#pragma once
// Records every event a control raises as "name arguments", in order:
// "click", "dblclick", "down button shift x y", "up ...", "move shift x y",
// and, for controls that have them, "enter", "exit", "change",
// "keydown key shift text", "keyup ..." and "keypress character". An event
// from another sender is marked "foreign sender ". Unhooks on destruction.
#include "KeplerControls/notify_event.h"

#include <QKeySequence>
#include <QObject>
#include <string>
#include <vector>

template <class Control>
class ControlEventLog {
public:
    std::vector<std::string> entries;

    explicit ControlEventLog(Control& c) : FControl(c)
    {
        c.OnClick = Notify("click");
        c.OnDblClick = Notify("dblclick");
        c.OnMouseDown = Mouse("down");
        c.OnMouseUp = Mouse("up");
        c.OnMouseMove = [this](QObject* s, Kepler::TShiftState sh, int x, int y) {
            Add(s, "move " + Num(sh) + " " + Num(x) + " " + Num(y));
        };
        if constexpr (requires { c.OnEnter; c.OnExit; c.OnChange; }) {
            c.OnEnter = Notify("enter");
            c.OnExit = Notify("exit");
            c.OnChange = Notify("change");
        }
        if constexpr (requires { c.OnKeyDown; c.OnKeyUp; c.OnKeyPress; }) {
            c.OnKeyDown = Key("keydown");
            c.OnKeyUp = Key("keyup");
            c.OnKeyPress = [this](QObject* s, char16_t& ch) { Add(s, "keypress " + Num(ch)); };
        }
    }

    ~ControlEventLog()
    {
        Control& c = FControl;
        c.OnClick = c.OnDblClick = {};
        c.OnMouseDown = c.OnMouseUp = {};
        c.OnMouseMove = {};
        if constexpr (requires { c.OnEnter; c.OnExit; c.OnChange; })
            c.OnEnter = c.OnExit = c.OnChange = {};
        if constexpr (requires { c.OnKeyDown; c.OnKeyUp; c.OnKeyPress; }) {
            c.OnKeyDown = c.OnKeyUp = {};
            c.OnKeyPress = {};
        }
    }

    ControlEventLog(const ControlEventLog&) = delete;
    ControlEventLog& operator=(const ControlEventLog&) = delete;

private:
    static std::string Num(int v) { return std::to_string(v); }

    void Add(QObject* sender, const std::string& entry)
    {
        entries.push_back((sender == &FControl ? "" : "foreign sender ") + entry);
    }

    Kepler::TNotifyEvent Notify(const char* name)
    {
        return [this, name](QObject* s) { Add(s, name); };
    }

    Kepler::TMouseEvent Mouse(const char* name)
    {
        return [this, name](QObject* s, Kepler::TMouseButton b, Kepler::TShiftState sh, int x, int y) {
            Add(s, std::string(name) + " " + Num(b) + " " + Num(sh) + " " + Num(x) + " " + Num(y));
        };
    }

    // Key events also note the text shown at that moment.
    Kepler::TKeyEvent Key(const char* name)
    {
        return [this, name](QObject* s, int& k, Kepler::TShiftState sh) {
            Add(s, std::string(name) + " " + QKeySequence(k).toString().toStdString() + " " + Num(sh) + " " +
                       FControl.Text().toStdString());
        };
    }

    Control& FControl;
};
