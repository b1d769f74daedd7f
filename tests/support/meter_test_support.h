#pragma once
#include "meter.h"
#include "meter1_settings.h"
#include "paint_count.h"

#include <gtest/gtest.h>

#include <cctype>
#include <string>
#include <vector>

// The main window's gauge, loaded the way its window description does it:
// the size first, then the other settings in the description's order.
inline void LoadMainWindowGauge(TMeter& m)
{
    ApplyMeter1Settings(m);
}

// Records the range events a gauge raises with the number of paints done
// when each fired.
struct RangeEventLog {
    std::vector<std::string> events;
    std::vector<int> paintCounts;
    int paintsBefore = 0;

    explicit RangeEventLog(TMeter& m) : paintsBefore(PaintCount(m))
    {
        auto record = [this, &m](const char* name) {
            return [this, &m, name](QObject* sender) {
                events.push_back(sender == &m ? name : "foreign sender");
                paintCounts.push_back(PaintCount(m));
            };
        };
        m.OnOverFlow = record("over");
        m.OnNormalRange = record("normal");
        m.OnUnderFlow = record("under");
    }

    std::string Joined() const
    {
        std::string s;
        for (const std::string& e : events)
            s += (s.empty() ? "" : ",") + e;
        return s;
    }
};

// The main window's gauge takes its geometry from the constructor's rims:
// a quarter circle of radius 48.783 about (52, 69).
inline void ExpectMainGaugeGeometry(const TMeter& m)
{
    EXPECT_EQ(m.MeterAngle(), 90);
    EXPECT_NEAR(m.ScaleRadius(), 48.783, 5e-4);
    EXPECT_EQ(m.OriginX(), 52);
    EXPECT_EQ(m.OriginY(), 69);
}

// A test-name-safe form of a case description.
inline std::string CaseName(const char* description)
{
    std::string s;
    for (const char* p = description; *p; ++p)
        s += std::isalnum(static_cast<unsigned char>(*p)) ? *p : '_';
    return s;
}
