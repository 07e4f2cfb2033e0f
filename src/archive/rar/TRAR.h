#pragma once

#include "archive/rar/UnrarApi.h"

#include <QObject>
#include <QString>

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
// Encrypted entries are reported, never asked a password for: the layer
// cannot decrypt RAR data.
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

    std::function<int(TRAR *sender, const unsigned char *addr, int blockSize, qint64 position)> OnProcessData;
    std::function<int(TRAR *sender, const QString &arcName, int mode)> OnVolumeChange;
    std::function<void(TRAR *sender, int error)> OnError;
    std::function<void(TRAR *sender, const QString &comment)> OnComment;
    std::function<void(TRAR *sender, const RarEntry &listedFile)> OnListFile;
    std::function<void(TRAR *sender, const RarEntry &eFile)> OnExtracting;
    std::function<void(TRAR *sender, const RarEntry &eFile, bool result)> OnExtract;
    std::function<void(TRAR *sender, const RarEntry &eFile)> OnTesting;
    std::function<void(TRAR *sender, const RarEntry &eFile, bool result)> OnTested;
    // Why an entry failed or was not tried (encrypted data that cannot be
    // unpacked, an unsafe name, a full medium); reason is the text for the
    // log. OnExtract or OnTested follows with false.
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
    QString refusal(const RarEntry &entry) const;

    qint64 m_fileBytes = 0;
    QByteArray m_comment;
};
