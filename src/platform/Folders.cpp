#include "platform/Folders.h"
#include <QDir>
#include <QProcessEnvironment>

namespace {
QStringList chainUnder(const QString& root)
{
    const QString org = QDir(root).filePath(QStringLiteral("OrvanTech"));
    return {QDir::cleanPath(root), QDir::cleanPath(org),
            QDir::cleanPath(QDir(org).filePath(QStringLiteral("Tubamon")))};
}

QString calUnder(const QString& root)
{
    return QDir::cleanPath(QDir(root).filePath(QStringLiteral("Orvan/Amplifier Calibration Files")));
}
}   // namespace

Folders::Folders()
{
#ifdef Q_OS_WIN
    dataChain_ = {QStringLiteral("c:/ProgramData"), QStringLiteral("c:/ProgramData/OrvanTech"),
                  QStringLiteral("c:/ProgramData/OrvanTech/Tubamon")};
    calFolder_ = QStringLiteral("c:/Orvan/Amplifier Calibration Files");
    home_ = QStringLiteral("c:/");
#else
    const auto env = QProcessEnvironment::systemEnvironment();
    QString dataRoot = env.value(QStringLiteral("XDG_DATA_HOME"));
    if (dataRoot.isEmpty())
        dataRoot = QDir::home().filePath(QStringLiteral(".local/share"));
    dataChain_ = chainUnder(dataRoot);
    calFolder_ = calUnder(QDir::homePath());
    home_ = QDir::homePath();
#endif
}

Folders::Folders(const QString& dataRoot, const QString& calRoot)
    : dataChain_(chainUnder(dataRoot)), calFolder_(calUnder(calRoot)), home_(QDir::cleanPath(calRoot))
{
}
