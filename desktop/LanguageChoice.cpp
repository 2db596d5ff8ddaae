#include "desktop/LanguageChoice.h"

namespace quorvel {

// The build names the languages it has translations for.
const QStringList& LanguageChoice::languages()
{
    static const QStringList all = QStringLiteral("en " QUORVEL_LANGUAGES).split(QLatin1Char(' '));
    return all;
}

// A locale's encoding and modifier say nothing of its language: "de_DE.UTF-8@euro" is "de_DE".
// A country the program has no translation for falls back on the language's: Portuguese is
// Brazilian, Austrian German is German.
std::optional<QString> LanguageChoice::matching(const QString& code)
{
    QString name = code.section(QLatin1Char('.'), 0, 0).section(QLatin1Char('@'), 0, 0);
    name.replace(QLatin1Char('-'), QLatin1Char('_'));
    const QString language = name.section(QLatin1Char('_'), 0, 0).toLower();
    const QString country = name.section(QLatin1Char('_'), 1, 1).toUpper();
    const QString whole = country.isEmpty() ? language : language + QLatin1Char('_') + country;
    if (languages().contains(whole))
        return whole;
    for (const QString& known : languages()) {
        if (known.section(QLatin1Char('_'), 0, 0) == language)
            return known;
    }
    return std::nullopt;
}

// LANGUAGE lists languages to try in turn; the first locale variable that is set decides alone.
QString LanguageChoice::fromEnvironment(const QProcessEnvironment& environment)
{
    const QString locale = [&] {
        for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
            const QString value = environment.value(QString::fromLatin1(variable));
            if (!value.isEmpty())
                return value;
        }
        return QString();
    }();
    // As gettext does, a locale set to plain C speaks English whatever LANGUAGE asks.
    const bool plainC = locale == QLatin1String("C") || locale == QLatin1String("POSIX");
    if (!plainC) {
        for (const QString& wanted : environment.value(QStringLiteral("LANGUAGE")).split(QLatin1Char(':'), Qt::SkipEmptyParts)) {
            if (const auto language = matching(wanted))
                return *language;
        }
    }
    return matching(locale).value_or(QStringLiteral("en"));
}

}  // namespace quorvel
