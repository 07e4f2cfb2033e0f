#pragma once

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QString>
#include <QStringList>

// Builds archives with the zip tool inside a test's folder.
namespace ZipTestArchives {

inline bool writeFile(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(path.section(QLatin1Char('/'), 0, -2));
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// Runs zip in folder with arguments; true on success.
inline bool zip(const QString &folder, const QStringList &arguments, const QByteArray &input = {})
{
    QProcess process;
    process.setWorkingDirectory(folder);
    process.start(QStringLiteral("zip"), QStringList {QStringLiteral("-q")} + arguments);
    if (!input.isEmpty()) {
        process.write(input);
        process.closeWriteChannel();
    }
    return process.waitForFinished(60000) && process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
}

// Bytes that vary, so deflate has work to do.
inline QByteArray sampleBytes(int size, int seed = 1)
{
    QByteArray bytes(size, '\0');
    quint32 state = static_cast<quint32>(seed) * 2654435761u;
    for (int i = 0; i < size; ++i) {
        state = state * 1103515245u + 12345u;
        bytes[i] = static_cast<char>((i % 7 == 0) ? (state >> 24) : 'a' + (i % 26));
    }
    return bytes;
}

} // namespace ZipTestArchives
