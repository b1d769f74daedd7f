// A form made in Designer and compiled by uic sets the controls up.
#include "ui_controls_form.h"

#include <gtest/gtest.h>

using namespace Kepler;

TEST(DesignerForm, UicFormSetsTheControlsUp)
{
    QWidget form;
    Ui::ControlsForm ui;
    ui.setupUi(&form);
    EXPECT_EQ(ui.speed->geometry(), QRect(10, 10, 297, 209));
    EXPECT_EQ(ui.speed->MeterLayout(), mlCirc270);
    EXPECT_EQ(ui.speed->MeterMinValue(), 1.0);
    EXPECT_EQ(ui.speed->MeterMaxValue(), 1000.0);
    EXPECT_TRUE(ui.speed->Logarithmic());
    EXPECT_EQ(ui.speed->ThresholdHigh(), 500.0);
    EXPECT_EQ(ui.speed->Value(), 20.0);
    EXPECT_EQ(ui.speed->Caption(), "Hz");
    EXPECT_EQ(ui.speed->FrameStyle(), fsRaised);
    EXPECT_EQ(ui.limit->MinValue(), 1);
    EXPECT_EQ(ui.limit->MaxValue(), 30);
    EXPECT_EQ(ui.limit->Increment(), 2);
    EXPECT_EQ(ui.limit->Value(), 12);
    EXPECT_EQ(ui.limit->Text(), "12");
}
