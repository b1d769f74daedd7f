#pragma once
// What both replays of the recorded sessions check: the engine alone and the
// real window must show, row for row, what the run loop showed.
#include "run_sessions.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace RunSessions {

inline void ExpectRecordedRows(const std::string& session, const std::vector<std::string>& rows)
{
    static const TTable table = ReadTable(KEPLER_RUN_SESSIONS_TABLE);
    const auto recorded = table.find(session);
    ASSERT_NE(recorded, table.end()) << "no rows recorded";
    EXPECT_EQ(rows.size(), recorded->second.size());
    for (std::size_t i = 0; i < std::min(rows.size(), recorded->second.size()); ++i)
        ASSERT_EQ(rows[i], recorded->second[i]) << "row " << i + 1;
}

// Test names allow no '-'.
inline std::string SessionTestName(const ::testing::TestParamInfo<TSession>& info)
{
    std::string name = info.param.Name;
    std::replace(name.begin(), name.end(), '-', '_');
    return name;
}

} // namespace RunSessions
