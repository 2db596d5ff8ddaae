// The anchors of the start-up comparison: a plain toolkit window of Quorvel's size with nothing
// in it; with the argument "text", with one line of text, which brings in the fonts; with
// "controls", with Quorvel's 24 controls as laid out, but nothing behind them.

#include "core/FontFaces.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QWidget>

namespace {

void addControls(QWidget& window)
{
    QFont serif;
    serif.setFamilies(QString::fromUtf8(quorvel::serifFaces.data(), static_cast<qsizetype>(quorvel::serifFaces.size())).split(QStringLiteral(", ")));
    serif.setPixelSize(16);
    serif.setBold(true);
    window.setFont(serif);
    (new QScrollBar(Qt::Horizontal, &window))->setGeometry(256, 40, 169, 17);
    auto* animace = new QGroupBox(QStringLiteral("Animace"), &window);
    animace->setGeometry(64, 232, 81, 81);
    animace->hide();
    for (const auto& [caption, top] : {std::pair{"Pomalá", 56}, std::pair{"Pomalejší", 40}, std::pair{"Rychlá", 24}})
        (new QRadioButton(QString::fromUtf8(caption), animace))->setGeometry(8, top, 57, 17);
    const auto frame = [&window](const char* caption, QRect geometry, std::initializer_list<std::pair<const char*, QRect>> options) {
        auto* box = new QGroupBox(QString::fromUtf8(caption), &window);
        box->setGeometry(geometry);
        for (const auto& [option, place] : options)
            (new QRadioButton(QString::fromUtf8(option), box))->setGeometry(place);
    };
    frame("Frequency", {152, 56, 89, 41}, {{"2", {48, 24, 33, 13}}, {"1", {16, 24, 41, 13}}});
    frame("Distance", {32, 56, 89, 41}, {{"250", {40, 24, 41, 13}}, {"0", {8, 24, 41, 13}}});
    for (const QRect box : {QRect(440, 8, 65, 25), QRect(248, 88, 41, 19), QRect(24, 40, 41, 19)}) {
        auto* hidden = new QLineEdit(&window);
        hidden->setGeometry(box);
        hidden->hide();
    }
    (new QPushButton(QStringLiteral("Exit"), &window))->setGeometry(624, 16, 89, 28);
    (new QPushButton(QStringLiteral("Start"), &window))->setGeometry(528, 16, 89, 28);
    for (const auto& [caption, geometry, shown] : {std::tuple{"Cornu spiral and sum vector", QRect(336, 48, 113, 57), false},
                                                   std::tuple{"Detector", QRect(464, 48, 65, 25), false},
                                                   std::tuple{"Source", QRect(0, 232, 57, 17), false},
                                                   std::tuple{"Please press button Start", QRect(160, 320, 225, 33), true},
                                                   std::tuple{"Time (length)", QRect(8, 104, 153, 25), false},
                                                   std::tuple{"Photon vectors after reaching the detector", QRect(8, 152, 137, 57), false},
                                                   std::tuple{"Distance from middle of the mirror", QRect(24, 8, 161, 41), true},
                                                   std::tuple{"Difraction on mirror", QRect(256, 8, 225, 25), true}}) {
        auto* label = new QLabel(QString::fromUtf8(caption), &window);
        label->setGeometry(geometry);
        label->setWordWrap(true);
        label->setVisible(shown);
    }
}

}  // namespace

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Bare window"));
    window.resize(800, 581);
    if (QApplication::arguments().contains(QStringLiteral("text")))
        (new QLabel(QStringLiteral("Difraction on mirror"), &window))->setGeometry(256, 8, 225, 25);
    if (QApplication::arguments().contains(QStringLiteral("controls")))
        addControls(window);
    window.show();
    return application.exec();
}
