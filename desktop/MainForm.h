#pragma once

#include "core/FormView.h"
#include "core/MainFormModel.h"
#include "desktop/WindowSurface.h"

#include <QTimer>
#include <QWidget>

#include <chrono>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QScrollBar;

namespace quorvel {

// The program's one window: its 24 controls over the window's model, and the picture that Start
// draws on the client area. The window turns a person's input into actions for the model, keeps
// the one timer a pause needs, and shows the model's state in its controls.
class MainForm : public QWidget, private FormView {
    Q_OBJECT

public:
    // Pauses last 15 ms per slowdown 1; tests may make them take no time.
    explicit MainForm(std::chrono::nanoseconds decrementLength = standardDecrementLength);

    MainFormModel& model() { return model_; }
    const WindowSurface& surface() const { return surface_; }

signals:
    // After each point followed by a pause; the point is on the screen then.
    void paused(std::chrono::nanoseconds length);
    // A run has ended, whole or stopped by a settings text.
    void finished();

protected:
    void paintEvent(QPaintEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void createControls();
    void orderTabStops();
    void connectInput();
    void connectOption(QRadioButton* option, Option choice);
    void moveSpeed(int action);
    void focusTheSelection();

    void showState() override;
    void showPicture() override;
    void startTimer(std::chrono::nanoseconds length) override;
    void pauseBegun(std::chrono::nanoseconds length) override { emit paused(length); }
    void runFinished() override { emit finished(); }
    void reportStop(const std::string& message) override;
    void endProgram() override;

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
    MainFormModel model_;
    QTimer timer_;
    bool thumbReleased_ = false;
    bool closing_ = false;
};

}  // namespace quorvel
