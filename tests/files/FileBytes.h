#pragma once
// Whole files as bytes, for the tests of the files folder.
#include <QByteArray>
#include <QFile>
#include <QString>
#include <gtest/gtest.h>

// The file's bytes, or "<missing>" when it cannot be read.
inline QByteArray ReadFileBytes(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

inline void WriteFileBytes(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

// A file of tests/files/golden.
inline QByteArray GoldenFile(const char* name)
{
    return ReadFileBytes(QStringLiteral(TUBAMON_SOURCE_DIR "/tests/files/golden/") + QLatin1String(name));
}
