#pragma once
// The main window's controls, found by their object names, for tests that
// drive the window as a user would.
#include "form1.h"
#include "KeplerControls/meter.h"
#include "picture_box.h"
#include "KeplerControls/spin_edit.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollBar>
#include <gtest/gtest.h>

struct TForm1Controls {
    explicit TForm1Controls(TForm1& form) : Form(form) {}

    TForm1& Form;
    QWidget* Client = Find<QWidget>("Client");
    TPictureBox* ImgCanvas = Find<TPictureBox>("ImgCanvas");
    QLabel* LblThema = Find<QLabel>("LblThema");
    QLabel* LbtmA = Find<QLabel>("LbtmA");
    QLabel* LblwA = Find<QLabel>("LblwA");
    QLabel* LblVerz = Find<QLabel>("LblVerz");
    QLabel* Label1 = Find<QLabel>("Label1");
    Kepler::TMeter* Meter1 = Find<Kepler::TMeter>("Meter1");
    QLabel* Label2LblStartdatum = Find<QLabel>("Label2LblStartdatum");
    QLabel* LblDifftendenz = Find<QLabel>("LblDifftendenz");
    QLabel* LblAbwAno = Find<QLabel>("LblAbwAno");
    QLineEdit* EdtmA = Find<QLineEdit>("EdtmA");
    QLineEdit* EdtwA = Find<QLineEdit>("EdtwA");
    QPushButton* BtnStart = Find<QPushButton>("BtnStart");
    QPushButton* BtnStop = Find<QPushButton>("BtnStop");
    QScrollBar* ScrollBarV = Find<QScrollBar>("ScrollBarV");
    Kepler::TSpinEdit* SpinEdit1 = Find<Kepler::TSpinEdit>("SpinEdit1");
    QLineEdit* EdtStart = Find<QLineEdit>("EdtStart");
    QMenuBar* MainMenu1 = Find<QMenuBar>("MainMenu1");
    QMenu* Optiions1 = Find<QMenu>("Optiions1");
    QAction* Infos1 = Find<QAction>("Infos1");

private:
    template <class T>
    T* Find(const char* name)
    {
        T* found = Form.findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(found, nullptr) << "the window has no " << name;
        return found;
    }
};
