#include "desktop/TerminalText.h"

#include <QString>

namespace quorvel {

std::string terminalText(QStringView text)
{
    QString shown;
    shown.reserve(text.size());
    for (const QChar c : text) {
        const char16_t code = c.unicode();
        if (code == u'\n') {
            shown += u"\\n";
        } else if (code == u'\t') {
            shown += u"\\t";
        } else if (code == u'\r') {
            shown += u"\\r";
        } else if (code < 0x20 || code == 0x7f) {
            shown += QStringLiteral("\\x%1").arg(int(code), 2, 16, QLatin1Char('0'));
        } else if (code >= 0x80 && code < 0xa0) {
            // The C1 controls: some terminals take U+009B as the start of an escape sequence.
            shown += QStringLiteral("\\u%1").arg(int(code), 4, 16, QLatin1Char('0'));
        } else {
            shown += c;
        }
    }
    return shown.toStdString();
}

}  // namespace quorvel
