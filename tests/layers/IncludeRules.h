#pragma once
#include <QString>
#include <QStringList>

// The layering of src/: which folders a source file may include from.
namespace layers {
struct SourceFile {
    QString path;   // relative to the source root, e.g. "src/link/OVLink.cpp"
    QString text;
};

// One line per quoted include that breaks the rules: "src/link/X.cpp: status/Y.h"; and one per
// header that breaks them for the source when a permitted include leads to it through the
// headers of the tree, with the chain: "src/status/X.cpp: files/Y.h -> app/frmMain.h".
// Includes name files below src/ ("folder/File.h").
QStringList IncludeViolations(const QList<SourceFile>& files);
}   // namespace layers
