#pragma once
#include <QString>
#include <QStringList>

// The layering of src/: which folders a source file may include from.
namespace layers {
struct SourceFile {
    QString path;   // relative to the source root, e.g. "src/link/OVLink.cpp"
    QString text;
};

// One line per quoted include that breaks the rules: "src/link/X.cpp: status/Y.h".
QStringList IncludeViolations(const QList<SourceFile>& files);
}   // namespace layers
