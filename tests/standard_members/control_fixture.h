#pragma once
#include "KeplerControls/meter.h"
#include "KeplerControls/spin_button.h"
#include "KeplerControls/spin_edit.h"

#include <QApplication>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>
#include <memory>

// A shown 200 by 100 window holding one control of the type under test.
template <typename T>
class ControlFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        Window = std::make_unique<QWidget>();
        Window->resize(200, 100);
        Control = new T(Window.get());
        Control->setGeometry(10, 10, 61, 40);
        Window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(Window.get()));
    }

    std::unique_ptr<QWidget> Window;
    T* Control = nullptr;
};

using ControlTypes = ::testing::Types<Kepler::TMeter, Kepler::TSpinEdit, Kepler::TSpinButton>;
