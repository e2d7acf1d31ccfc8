#include "steps/chat_scripts/ScriptLines.h"

namespace ScriptLines {

QString bind(const QString &key, const QString &command)
{
    return QStringLiteral("bind ") + key + QStringLiteral(" \"") + command + QLatin1Char('"');
}

} // namespace ScriptLines
