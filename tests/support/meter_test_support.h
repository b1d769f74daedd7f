#pragma once
#include "KeplerControls/meter.h"
#include "paint_count.h"

#include <gtest/gtest.h>

#include <cctype>
#include <string>
#include <vector>

// Records the range events a gauge raises with the number of paints done
// when each fired.
struct RangeEventLog {
    std::vector<std::string> events;
    std::vector<int> paintCounts;
    int paintsBefore = 0;

    explicit RangeEventLog(Kepler::TMeter& m) : paintsBefore(PaintCount(m))
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

// A test-name-safe form of a case description.
inline std::string CaseName(const char* description)
{
    std::string s;
    for (const char* p = description; *p; ++p)
        s += std::isalnum(static_cast<unsigned char>(*p)) ? *p : '_';
    return s;
}
