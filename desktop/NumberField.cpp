#include "desktop/NumberField.h"

#include <QKeyEvent>
#include <QLineEdit>

namespace quorvel {

NumberField::NumberField(Reading reading, QWidget* parent) : QDoubleSpinBox(parent), reading_(std::move(reading))
{
    // Numbers are written with a point in every language, as the settings and the page write them;
    // the reading takes the language's own separator too.
    setLocale(QLocale::c());
    connect(lineEdit(), &QLineEdit::textEdited, this, &NumberField::edited);
}

// Nothing typed is changed or dropped while it is typed: what is not yet a number the field
// offers may become one.
QValidator::State NumberField::validate(QString& text, int&) const { return reading_(text) ? QValidator::Acceptable : QValidator::Intermediate; }

void NumberField::fixup(QString&) const {}

double NumberField::valueFromText(const QString& text) const { return reading_(text).value_or(value()); }

// As the page and the panel's words write a number: 2, not 2.0.
QString NumberField::textFromValue(double value) const { return QString::number(value, 'g', 12); }

void NumberField::take()
{
    refuseUnreadable();
    interpretText();
}

void NumberField::showRefusal(const QString& words)
{
    if (words == refusal_)
        return;
    if (refusal_.isEmpty())
        description_ = accessibleDescription();
    refusal_ = words;
    setAccessibleDescription(words.isEmpty() ? description_ : words);
    // A red ground, which every style draws a field's text on; an empty palette inherits again.
    QPalette marked;
    if (!words.isEmpty())
        marked.setColor(QPalette::Base, QColor(0xff, 0xd8, 0xd8));
    setPalette(words.isEmpty() ? QPalette() : marked);
}

void NumberField::refuseUnreadable()
{
    const QString typed = lineEdit()->text();
    if (reading_(typed))
        emit taken();
    else
        emit refused(typed);
}

void NumberField::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
        refuseUnreadable();
    QDoubleSpinBox::keyPressEvent(event);
}

void NumberField::focusOutEvent(QFocusEvent* event)
{
    refuseUnreadable();
    QDoubleSpinBox::focusOutEvent(event);
}

}  // namespace quorvel
