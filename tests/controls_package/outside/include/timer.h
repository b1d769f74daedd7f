#pragma once
// The outside program's own timer, with a name the controls' toolkit uses too.
struct TTimer {
    int Interval = 1000;
};
