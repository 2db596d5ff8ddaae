#pragma once

#include "draw/WindowSurface.h"
#include "ui/EventLoopPacer.h"
#include "ui/InputDeferral.h"

#include <QWidget>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QScrollBar;

namespace quorvel {

// The program's one window: its 24 controls, the handlers that change the settings, and the
// Start command, which draws the picture on the client area.
class MainForm : public QWidget {
    Q_OBJECT

public:
    MainForm();

    // Replaces the real-time pacing, so that tests can run Start without waiting.
    void setPacer(Pacer& pacer);

    const WindowSurface& surface() const { return surface_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    using Handler = void (MainForm::*)();

    void createControls();
    void orderTabStops();
    void connectHandlers();
    void connectOption(QRadioButton* option, Handler handler);
    void select(QRadioButton* option, Handler handler);
    void hidePromptAndResults();

    void Form_Load();
    void cmdStart_Click();
    void cmdKonec_Click();
    void op0_Click();
    void op250_Click();
    void op1_Click();
    void op2_Click();
    void opPomalá_Click();
    void opPomalejší_Click();
    void opRychlá_Click();
    void HScroll1_Change();

    QScrollBar* HScroll1 = nullptr;
    QGroupBox* frmAnimace = nullptr;
    QRadioButton* opPomalá = nullptr;
    QRadioButton* opPomalejší = nullptr;
    QRadioButton* opRychlá = nullptr;
    QLineEdit* nSpomaleni = nullptr;
    QGroupBox* frmKmitocet = nullptr;
    QRadioButton* op2 = nullptr;
    QRadioButton* op1 = nullptr;
    QLineEdit* nKmitocet = nullptr;
    QPushButton* cmdKonec = nullptr;
    QGroupBox* frmPosun = nullptr;
    QRadioButton* op250 = nullptr;
    QRadioButton* op0 = nullptr;
    QLineEdit* nPosun = nullptr;
    QPushButton* cmdStart = nullptr;
    QLabel* labSoucet = nullptr;
    QLabel* labDetektor = nullptr;
    QLabel* labZdroj = nullptr;
    QLabel* labKliknuti = nullptr;
    QLabel* labCas = nullptr;
    QLabel* labRadius = nullptr;
    QLabel* labPosun = nullptr;
    QLabel* labZrcadlení = nullptr;

    WindowSurface surface_;
    EventLoopPacer eventLoopPacer_;
    InputDeferral inputDeferral_;
    Pacer* pacer_ = &eventLoopPacer_;
    bool selectingFromCode_ = false;
    bool startRunning_ = false;
    bool closeRequested_ = false;
};

}  // namespace quorvel
