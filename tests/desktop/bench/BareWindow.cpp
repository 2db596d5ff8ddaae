// The anchors of the start-up comparison: a plain toolkit window of Quorvel's size with nothing
// in it; with the argument "text", with one line of text, which brings in the fonts; with
// "controls", with Quorvel's 24 controls as laid out, but nothing behind them.

#include "core/draw/FontFaces.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QWidget>

#include "core/layout/WindowLabels.h"

namespace {

using namespace quorvel;

QWidget* plainControl(const WindowControl& layout, QWidget* parent)
{
    const QString caption = QString::fromUtf8(layout.caption.data(), static_cast<qsizetype>(layout.caption.size()));
    switch (layout.kind) {
    case ControlKind::ScrollBar: return new QScrollBar(Qt::Horizontal, parent);
    case ControlKind::Frame: return new QGroupBox(caption, parent);
    case ControlKind::Option: return new QRadioButton(caption, parent);
    case ControlKind::TextBox: return new QLineEdit(parent);
    case ControlKind::Button: return new QPushButton(caption, parent);
    case ControlKind::Label: return new QLabel(caption, parent);
    }
    return nullptr;
}

// Shown as the window opens: the frames the user sees, their options, the buttons and the
// prompt and headings.
void addControls(QWidget& window)
{
    QFont serif;
    serif.setFamilies(QString::fromUtf8(quorvel::serifFaces.data(), static_cast<qsizetype>(quorvel::serifFaces.size())).split(QStringLiteral(", ")));
    serif.setPixelSize(16);
    serif.setBold(true);
    window.setFont(serif);
    for (const WindowControl& layout : windowControls) {
        auto* parent = layout.parent.empty() ? &window : window.findChild<QWidget*>(QString::fromUtf8(layout.parent.data(), static_cast<qsizetype>(layout.parent.size())));
        QWidget* control = plainControl(layout, parent);
        control->setObjectName(QString::fromUtf8(layout.name.data(), static_cast<qsizetype>(layout.name.size())));
        control->setGeometry(layout.box.left, layout.box.top, layout.box.width, layout.box.height);
        if (auto* label = qobject_cast<QLabel*>(control))
            label->setWordWrap(true);
        const bool labelShown = layout.kind != ControlKind::Label || windowLabel(layout.name).shown != WindowLabel::Shown::AsResult;
        control->setVisible(layout.kind != ControlKind::TextBox && layout.name != "frmAnimace" && labelShown);
    }
}

}  // namespace

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Bare window"));
    window.resize(pictureSize.width, pictureSize.height);
    if (QApplication::arguments().contains(QStringLiteral("text")))
        (new QLabel(QStringLiteral("Difraction on mirror"), &window))->setGeometry(256, 8, 225, 25);
    if (QApplication::arguments().contains(QStringLiteral("controls")))
        addControls(window);
    window.show();
    return application.exec();
}
