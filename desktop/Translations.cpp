#include "desktop/Translations.h"

#include "core/text/Translation.h"

#include <QCoreApplication>
#include <QLibraryInfo>

namespace quorvel {

Translations::Translations(const QString& language)
{
    // The panel's number fields take numbers as the language writes them.
    QLocale::setDefault(QLocale(language));
    if (language == QLatin1String("en"))
        return;
    if (own_.load(QStringLiteral(":/translations/quorvel_%1.qm").arg(language)))
        QCoreApplication::installTranslator(&own_);
    // The locale tries qtbase_pt_BR before qtbase_pt, and the like.
    if (toolkit_.load(QLocale(language), QStringLiteral("qtbase"), QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&toolkit_);
    installTranslation([](const std::string& context, const std::string& source) {
        return QCoreApplication::translate(context.c_str(), source.c_str()).toStdString();
    });
}

Translations::~Translations()
{
    installTranslation({});
    QLocale::setDefault(previousLocale_);
}

}  // namespace quorvel
