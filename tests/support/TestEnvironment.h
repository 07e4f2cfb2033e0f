#pragma once

#include <QString>
#include <QTemporaryDir>

// Fresh state for one test: HOME and the XDG folders in a temporary folder,
// the program directory in a folder of its own, and helpers to make files.
class TestEnvironment {
public:
    TestEnvironment();
    ~TestEnvironment();

    QString root() const { return m_dir.path(); }
    QString path(const QString &relative) const;
    QString programDirectory() const { return path(QStringLiteral("program")) + QLatin1Char('/'); }

    // Creates a file (and its folders) with the given bytes; returns its path.
    QString writeFile(const QString &relative, const QByteArray &bytes) const;
    QString makeFolder(const QString &relative) const;

    // Makes relative a drive of its own in the volume table.
    QString addVolume(const QString &relative) const;

private:
    QTemporaryDir m_dir;
};
