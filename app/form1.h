#pragma once
#include "run_face.h"

#include <QMainWindow>

class QLabel;
class QLineEdit;
class QMenu;
class QMenuBar;
class QPushButton;
class QScrollBar;
namespace Kepler { class TMeter; }
class TDesktopRun;
class TPictureBox;
class QMessageBox;
class TWindowZoom;
namespace Kepler { class TSpinEdit; }

// The program's one window: the picture on the left, the gauge, start date,
// buttons, delay regulator and step box on the right, the two readouts below.
// Each control carries its field's name as its object name, by which scripts
// and tests find it.
class TForm1 : public QMainWindow, public Kepler::TRunFace {
    Q_OBJECT
public:
    explicit TForm1(QWidget* parent = nullptr);
    ~TForm1() override;

    // Client area below the menu bar, in pixels at 96 dpi.
    static constexpr int ClientWidth = 618;
    static constexpr int ClientHeight = 576;

    void BtnStartClick();
    void BtnStopClick();
    void SpinEdit1Change();
    // Opens the information box; the runs are held until it is closed.
    void Optiions1Click();

    // The runs, driven from the window's event loop.
    TDesktopRun& Run() { return *FRun; }

    // Zoom and full screen for a projector (Ctrl+Plus, Ctrl+Minus, Ctrl+0, F11).
    TWindowZoom& Zoom() { return *FZoom; }

    // The window as the runs see it.
    Kepler::TCanvas& PictureCanvas() override;
    void PictureChanged() override;
    int DelayMs() const override;
    std::string DecimalSeparator() const override;
    void SetMeanText(const std::string& text) override;
    std::string MeanText() const override;
    void SetTrueText(const std::string& text) override;
    std::string TrueText() const override;
    void SetGaugeValue(double value) override;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void CreateControls();
    void CreateMenu();
    void SetTabOrder();
    void SetAccessibleTexts();
    // Shows the "Infos" box once the list that asked for it is up.
    void ShowInfosFromMenu();
    // Holds the runs while the "Infos" list is open.
    void HoldRunWhileListOpen();

    enum class TInfosState { Idle, BoxQueued, BoxOpen };
    TInfosState FInfosState = TInfosState::Idle;
    TDesktopRun* FRun = nullptr;
    QMessageBox* FInfoBox = nullptr;
    TWindowZoom* FZoom = nullptr;

    QWidget* Client = nullptr;
    TPictureBox* ImgCanvas = nullptr;
    QLabel* LblThema = nullptr;
    QLabel* LbtmA = nullptr;
    QLabel* LblwA = nullptr;
    QLabel* LblVerz = nullptr;
    QLabel* Label1 = nullptr;
    Kepler::TMeter* Meter1 = nullptr;
    QLabel* Label2LblStartdatum = nullptr;
    QLabel* LblDifftendenz = nullptr;
    QLabel* LblAbwAno = nullptr;
    QLineEdit* EdtmA = nullptr;
    QLineEdit* EdtwA = nullptr;
    QPushButton* BtnStart = nullptr;
    QPushButton* BtnStop = nullptr;
    QScrollBar* ScrollBarV = nullptr;
    Kepler::TSpinEdit* SpinEdit1 = nullptr;
    QLineEdit* EdtStart = nullptr;
    QMenuBar* MainMenu1 = nullptr;
    QMenu* Optiions1 = nullptr;
    QAction* Infos1 = nullptr;
};
