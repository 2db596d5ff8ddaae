#pragma once

#include <QDoubleSpinBox>
#include <QLineEdit>

#include <functional>
#include <optional>

namespace quorvel {

// A number field of the explore panel. What is typed stays as typed, however it is written,
// until Enter or the focus leaving takes it: a number the reading finds is the new value; any
// other text is refused aloud (refused) and the field shows the value in use again.
class NumberField : public QDoubleSpinBox {
    Q_OBJECT

public:
    // The number a text stands for, if it is one the field offers.
    using Reading = std::function<std::optional<double>(const QString& text)>;

    explicit NumberField(Reading reading, QWidget* parent = nullptr);

    // Takes what is typed, as Enter does.
    void take();
    // Marks the field as refusing, with the words that say why; empty words take the mark off.
    void showRefusal(const QString& words);
    // Something has been typed that is not yet taken or refused: the text is not the value's.
    bool beingTyped() const { return lineEdit()->text() != textFromValue(value()); }

    QValidator::State validate(QString& text, int& position) const override;
    void fixup(QString& text) const override;
    double valueFromText(const QString& text) const override;
    QString textFromValue(double value) const override;

signals:
    void refused(const QString& typed);
    // Something was typed, which takes the mark of a refusal off.
    void edited();
    // A number the field offers was taken, the one in use among them, so no refusal stands.
    void taken();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void refuseUnreadable();

    Reading reading_;
    QString refusal_;
    QString description_;  // the field's own description, while it refuses nothing
};

}  // namespace quorvel
