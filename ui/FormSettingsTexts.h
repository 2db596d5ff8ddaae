#pragma once

#include "sim/SettingsTexts.h"

class QLineEdit;

namespace quorvel {

// The settings as the window's hidden text boxes hold them.
class FormSettingsTexts : public SettingsTexts {
public:
    FormSettingsTexts(const QLineEdit& nPosun, const QLineEdit& nKmitocet, const QLineEdit& nSpomaleni);

    std::string distanceText() const override;
    std::string frequencyText() const override;
    std::string slowdownText() const override;

private:
    const QLineEdit& nPosun_;
    const QLineEdit& nKmitocet_;
    const QLineEdit& nSpomaleni_;
};

}  // namespace quorvel
