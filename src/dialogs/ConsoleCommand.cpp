#include "dialogs/ConsoleCommand.h"
#include <QList>

std::optional<QString> UnsendableCommandText(const QString& command)
{
    for (const char32_t c : command.toUcs4()) {
        if (c > 0xFF) {
            const QString shown = QString::fromUcs4(&c, 1);
            const QString code = QString::number(c, 16).toUpper().rightJustified(4, QLatin1Char('0'));
            return QStringLiteral("The command holds \"%1\" (U+%2), a character the link cannot carry; "
                                  "nothing was sent.")
                .arg(shown, code);
        }
    }
    return std::nullopt;
}
