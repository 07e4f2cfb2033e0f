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

// Runs program in folder with arguments; true on success.
inline bool runTool(const QString &program, const QString &folder, const QStringList &arguments,
                    const QByteArray &input = {})
{
    QProcess process;
    process.setWorkingDirectory(folder);
    process.start(program, arguments);
    if (!input.isEmpty()) {
        process.write(input);
        process.closeWriteChannel();
    }
    return process.waitForFinished(60000) && process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
}

// Runs zip in folder with arguments; true on success.
inline bool zip(const QString &folder, const QStringList &arguments, const QByteArray &input = {})
{
    return runTool(QStringLiteral("zip"), folder, QStringList{QStringLiteral("-q")} + arguments, input);
}

// Writes archive from names in folder with AES-256 encryption under password.
inline bool zipAes(const QString &folder, const QString &archive, const QString &password, const QStringList &names)
{
    return runTool(QStringLiteral("bsdtar"), folder,
                   QStringList{QStringLiteral("--format"), QStringLiteral("zip"), QStringLiteral("--options"),
                               QStringLiteral("zip:encryption=aes256"), QStringLiteral("--passphrase"), password,
                               QStringLiteral("-cf"), archive}
                       + names);
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
