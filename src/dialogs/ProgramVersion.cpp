#include "dialogs/ProgramVersion.h"

ProgramVersion CurrentProgramVersion() { return {TUBAMON_VERSION_MAJOR, TUBAMON_VERSION_MINOR, TUBAMON_VERSION_PATCH}; }

QString VersionLabelText(const ProgramVersion& v)
{
    return QStringLiteral("Version %1.%2.%3 (PN: 461-2097-113)").arg(v.major).arg(v.minor).arg(v.revision);
}
