#pragma once

#include "archive/rar/UnrarApi.h"

#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>

// One archive entry as the events see it: the library's header record plus
// the full name and sizes the record's fixed fields cannot hold.
struct RarEntry {
    RARHeaderData header{};
    QString fileName;
    qint64 packSize = 0;
    qint64 unpSize = 0;
    bool encrypted() const { return header.Flags & RHDF_ENCRYPTED; }
};

// Lists, tests and extracts a RAR archive through the RAR call layer and
// reports each step through its events. One operation runs at a time.
class TRAR : public QObject {
    Q_OBJECT

public:
    explicit TRAR(QObject *parent = nullptr);
    ~TRAR() override;

    QString ArchiveName;
    QString TargetDir;
    bool Stop = false;
    // False: an existing file is refused instead of replaced.
    bool Overwrite = true;

    void setFilesToExtract(const QStringList &names);
    void setFilesToTest(const QStringList &names);
    const QStringList &filesToExtract() const { return m_filesToExtract; }
    const QStringList &filesToTest() const { return m_filesToTest; }

    std::function<int(TRAR *sender, const unsigned char *addr, int blockSize, qint64 position)> OnProcessData;
    std::function<int(TRAR *sender, const QString &arcName, int mode)> OnVolumeChange;
    std::function<void(TRAR *sender, int error)> OnError;
    std::function<void(TRAR *sender, const QString &comment)> OnComment;
    std::function<void(TRAR *sender, const RarEntry &listedFile)> OnListFile;
    std::function<void(TRAR *sender, const RarEntry &eFile)> OnExtracting;
    std::function<void(TRAR *sender, const RarEntry &eFile, bool result)> OnExtract;
    std::function<void(TRAR *sender, const RarEntry &eFile)> OnTesting;
    std::function<void(TRAR *sender, const RarEntry &eFile, bool result)> OnTested;
    std::function<void(TRAR *sender, const RarEntry &eFile, QString &password)> OnReqPassword;
    // An entry that is not even tried (unsafe name, encrypted data that
    // cannot be unpacked); reason is the text for the log. OnExtract or
    // OnTested follows with false.
    std::function<void(TRAR *sender, const RarEntry &eFile, const QString &reason)> OnRefused;

    void List();
    bool Extract();
    bool Test();

    static QString ErrorText(int error);

    // Called by the library callbacks.
    int volumeChanged(char *arcName, int mode);
    int dataProcessed(unsigned char *addr, int size);

private:
    bool walk(bool extracting);
    RarHandle open(unsigned mode, int &result);
    void reportError(int error);
    void reportComment(const RAROpenArchiveData &data);
    RarEntry entryOf(RarHandle handle, const RARHeaderData &header) const;
    QString refusal(RarHandle handle, const RarEntry &entry, bool extracting) const;

    QStringList m_filesToExtract;
    QStringList m_filesToTest;
    qint64 m_fileBytes = 0;
    QByteArray m_comment;
};
