// The running program names its desktop entry and carries its icon.
#include "program_identity.h"

#include <QApplication>
#include <gtest/gtest.h>

namespace {

TEST(ProgramIdentityTest, DesktopEntryAndIconInTheWindowSizes)
{
    SetUpProgramIdentity();
    EXPECT_EQ(QGuiApplication::desktopFileName(), QStringLiteral("de.keplerprobleme.Simulation"));
    const QIcon icon = QApplication::windowIcon();
    ASSERT_FALSE(icon.isNull());
    for (int size : {16, 32, 48, 64})
        EXPECT_TRUE(icon.availableSizes().contains(QSize(size, size))) << size;
}

} // namespace
