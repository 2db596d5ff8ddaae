#include "ui/FormSettingsTexts.h"

#include <QLineEdit>

namespace quorvel {

FormSettingsTexts::FormSettingsTexts(const QLineEdit& nPosun, const QLineEdit& nKmitocet, const QLineEdit& nSpomaleni)
    : nPosun_(nPosun), nKmitocet_(nKmitocet), nSpomaleni_(nSpomaleni)
{
}

std::string FormSettingsTexts::distanceText() const { return nPosun_.text().toStdString(); }

std::string FormSettingsTexts::frequencyText() const { return nKmitocet_.text().toStdString(); }

std::string FormSettingsTexts::slowdownText() const { return nSpomaleni_.text().toStdString(); }

}  // namespace quorvel
