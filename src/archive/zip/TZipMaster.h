#pragma once

#include "archive/zip/ZipDirectory.h"

#include <QString>
#include <QStringList>

#include <functional>

struct UnzCallbackRecord;

// File name of the unzip module beside the program.
inline constexpr char UnzipModuleFileName[] = "libbrekko_unzip.so";

// Reads a ZIP archive's directory itself and hands testing and extraction
// to the unzip module, loaded at run time.
class TZipMaster {
public:
    enum ExtrOption : int { ExtrDirNames = 1, ExtrOverWrite = 2, ExtrFreshen = 4, ExtrUpdate = 8, ExtrTest = 16 };
    enum ProgressType : int { FileBegins = 0, Step = 1, BatchEnds = 2 };

    TZipMaster();
    ~TZipMaster();
    TZipMaster(const TZipMaster &) = delete;
    TZipMaster &operator=(const TZipMaster &) = delete;

    bool Verbose = false;
    bool Trace = false;
    QString ExtrBaseDir;
    int ExtrOptions = 0;
    QStringList FSpecArgs;
    // Set by the owner to stop a running call; cleared before each call.
    bool Cancel = false;
    void *OwnerWindow = nullptr;

    std::function<void()> OnDirUpdate;
    std::function<void(int type, const QString &fileName, qint32 fileSize)> OnProgress;
    std::function<void(int errorCode, const QString &message)> OnMessage;
    // An encrypted entry needs a password; empty gives none.
    std::function<QString(const QString &fileName)> OnPassword;

    // Setting the name re-reads the directory; throws ZipDirectoryError.
    void setZipFilename(const QString &fileName);
    void ReadDirectory();

    // At most 80 characters are kept.
    void setPassword(const QString &password);
    QString password() const { return m_password; }

    void setDLLDirectory(const QString &folder);

    const QList<ZipDirEntry> &DirEntries() const { return m_entries; }
    int Count() const { return static_cast<int>(m_entries.size()); }
    int SuccessCount() const { return m_successCount; }
    // The last run found no usable target folder and extracted nothing.
    bool targetFailed() const { return m_targetFailed; }

    // The process-wide module handle.
    bool Load();
    static void Unload();
    static bool isLoaded();

    void RunLibrary();

    // Called by the module.
    static int32_t Callback(UnzCallbackRecord *record);

private:
    void callModule();

    QString m_zipFilename;
    QString m_password;
    QString m_dllDirectory;
    QList<ZipDirEntry> m_entries;
    int m_successCount = 0;
    bool m_targetFailed = false;
    bool m_busy = false;
};
