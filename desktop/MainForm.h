#pragma once

#include "desktop/WindowSurface.h"
#include "desktop/FormResultLabels.h"
#include "desktop/FormSettingsTexts.h"
#include "desktop/HeldActions.h"
#include "desktop/StartRunner.h"

#include <QWidget>

#include <optional>

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

    const WindowSurface& surface() const { return surface_; }
    // What drives Start; tests watch its pauses and set their length.
    StartRunner& startRunner() { return *startRunner_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    using Handler = void (MainForm::*)();

    void createControls();
    void orderTabStops();
    void connectHandlers();
    void connectOption(QRadioButton* option, Handler handler);
    void whenIdle(Handler handler);
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
    // Made once the controls they read and move exist.
    std::optional<FormSettingsTexts> settingsTexts_;
    std::optional<FormResultLabels> resultLabels_;
    std::optional<StartRunner> startRunner_;
    HeldActions heldActions_{[this] { return startRunner_->running(); }};
    bool selectingFromCode_ = false;
};

}  // namespace quorvel
