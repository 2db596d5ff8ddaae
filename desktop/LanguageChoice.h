#pragma once

#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

#include <optional>

namespace quorvel {

// Which of the program's languages it speaks: the one asked for on the command line, else the
// first the environment names as gettext reads it (LANGUAGE's list, then LC_ALL, LC_MESSAGES,
// LANG). A language is named by its code: "de", "pt_BR"; English, the default, by "en".
class LanguageChoice {
public:
    static const QStringList& languages();  // every language, English first

    // The language a code such as "de_AT.UTF-8", "pt-BR" or "pt" names, if the program has it.
    static std::optional<QString> matching(const QString& code);

    static QString fromEnvironment(const QProcessEnvironment& environment);
};

}  // namespace quorvel
