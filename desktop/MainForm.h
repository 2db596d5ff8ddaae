#pragma once

#include "core/window/FormView.h"
#include "core/window/MainFormModel.h"
#include "desktop/WindowSurface.h"

#include <QTimer>
#include <QWidget>

#include <chrono>

class QAction;
class QFileDialog;
class QGroupBox;
class QLabel;
class QMenu;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace quorvel {

class ExplorePanel;
class SavePicture;
class SpeedScrollBar;
class KeyboardHelpDialog;

// The program's one window: its 24 controls over the window's model, and the picture that Start
// draws on the client area, with the explore panel beside them once asked for. The window turns
// a person's input into actions for the model, keeps the one timer a pause needs, and shows the
// model's state in its controls.
class MainForm : public QWidget, private FormView {
    Q_OBJECT

public:
    // Pauses last 15 ms per slowdown 1; tests may make them take no time.
    explicit MainForm(std::chrono::nanoseconds decrementLength = standardDecrementLength);
    ~MainForm() override;

    MainFormModel& model() { return model_; }
    // Sets the window as the setup has it, before the first Start.
    void applySetup(const Setup& setup);
    // Where the picture is drawn, in the window's coordinates.
    QRect pictureArea() const;
    // The speed options with their frame and the settings' text boxes: kept, never shown.
    bool isNeverShown(const QWidget* control) const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    // The tests' window, which sees the picture as drawn and saved, and the run's pauses and end.
    friend class FormUnderTest;

    // Opens the explore panel beside the picture, which keeps its place and size, or closes it.
    void openExplore(bool open);
    // The picture as shown, its labels included and its controls left out, at the screen's
    // pixel ratio: what Copy picture and a PNG hold.
    QImage shownPicture() const;

    void createControls();
    void orderTabStops();
    void connectInput();
    void connectOption(QRadioButton* option, Option choice);
    void moveSpeed(int action);
    void focusTheSelection();
    void createExploreCommands();
    void createPictureCommands();
    // The picture as the Save picture command writes it, as SVG, PNG or JPEG.
    SavePicture pictureToSave() const;
    void askToSavePicture();
    static QString typedName(const QFileDialog& dialog);
    void copyPicture();
    void createExplorePanel();
    // Ctrl+E and the picture menu's entry: the panel turns from open to closed or back when the
    // model carries the toggle out.
    void toggleExplore();
    void popUpPictureMenu(QPoint globalPlace);
    void showKeyboardHelp();
    void showOptions(const FormState& state);
    void showExplore(const ExploreState& explore);
    void showSceneCaptions(SceneKind scene);
    void keepOnScreen();
    int panelHeight() const;
    void describePictureAnew();

    void showState() override;
    void showPicture() override;
    void startTimer(std::chrono::nanoseconds length) override;
    void startSettleTimer(std::chrono::milliseconds length) override { settleTimer_.start(length); }
    // The picture shows a run's progress and its end; the window has nothing more to do then.
    void pauseBegun(std::chrono::nanoseconds) override {}
    void runFinished() override {}
    void reportStop(const std::string& message) override;
    void endProgram() override;
    void showGraph() override;
    void announce(const std::string& words) override;

    SpeedScrollBar* HScroll1 = nullptr;
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

    QAction* exploreAction_ = nullptr;
    QAction* saveAction_ = nullptr;
    QAction* copyAction_ = nullptr;
    QMenu* pictureMenu_ = nullptr;  // made when first asked for
    ExplorePanel* explorePanel_ = nullptr;  // made when first opened
    KeyboardHelpDialog* keyboardHelp_ = nullptr;  // made when first asked for

    WindowSurface surface_;
    MainFormModel model_;
    QTimer timer_;
    QTimer settleTimer_;
    bool thumbReleased_ = false;
    bool runShown_ = false;  // the controls show a run under way
    SceneKind captionsScene_ = SceneKind::Mirror;  // whose words the labels show
    bool closing_ = false;
};

}  // namespace quorvel
