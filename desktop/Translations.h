#pragma once

#include <QLocale>
#include <QString>
#include <QTranslator>

namespace quorvel {

// The program's own translations for a language, and the toolkit's, so that its dialogs and
// menus follow. Installed on the application that exists while this lives, and the core looks its
// words up through them; English installs nothing.
class Translations {
public:
    explicit Translations(const QString& language);
    ~Translations();
    Translations(const Translations&) = delete;
    Translations& operator=(const Translations&) = delete;

private:
    QLocale previousLocale_;  // the default before, which comes back afterwards
    QTranslator own_;
    QTranslator toolkit_;
};

}  // namespace quorvel
