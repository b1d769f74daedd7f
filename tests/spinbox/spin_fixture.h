#pragma once
#include "KeplerControls/spin_edit.h"
#include "test_platform.h"

#include <QApplication>
#include <QLineEdit>
#include <QLocale>
#include <QTest>
#include <QVBoxLayout>
#include <QWidget>
#include <gtest/gtest.h>
#include <memory>

// A shown window holding a spin box and a plain edit to move the focus to,
// with counted alerts, counted change notifications and hand-driven timers.
class SpinFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        TestPlatform.OnBeep = [this] { ++Beeps; };
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        Window = std::make_unique<QWidget>();
        Window->resize(200, 100);
        Spin = new Kepler::TSpinEdit(Window.get());
        Spin->SetBounds(10, 10, 61, 22);
        Other = new QLineEdit(Window.get());
        Other->setGeometry(10, 50, 80, 22);
        Window->show();
        Window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(Window.get()));
        Other->setFocus(Qt::OtherFocusReason);
    }

    void TearDown() override
    {
        Window.reset();
        QLocale::setDefault(QLocale::c());
    }

    void CountChanges()
    {
        Spin->OnChange = [this](QObject* sender) {
            EXPECT_EQ(sender, Spin);
            ++Changes;
        };
    }

    void FocusSpin()
    {
        Spin->setFocus(Qt::TabFocusReason);
        ASSERT_TRUE(Spin->hasFocus());
    }

    void FocusOther()
    {
        Other->setFocus(Qt::TabFocusReason);
        ASSERT_TRUE(Other->hasFocus());
    }

    TTestPlatform TestPlatform{true}; // timers driven by hand
    std::unique_ptr<QWidget> Window;
    Kepler::TSpinEdit* Spin = nullptr;
    QLineEdit* Other = nullptr;
    int Beeps = 0;
    int Changes = 0;
};
