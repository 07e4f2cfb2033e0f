#pragma once

#include <QDateTime>
#include <QString>

// What the overwrite question shows of one file.
struct FileFacts {
    QString path;
    qint64 size = 0;
    QDateTime modified;

    static FileFacts of(const QString &path);
};

enum class OverwriteAnswer { Overwrite, OverwriteAll, Skip, Cancel };
enum class RemoveAnswer { Ignore, All, Cancel };

// The questions and reports of a copy or move run. The windows answer them
// with dialogs, tests with scripts.
class CopyQuestions {
public:
    virtual ~CopyQuestions() = default;

    // An existing target: replace it with source?
    virtual OverwriteAnswer askOverwrite(const FileFacts &existing, const FileFacts &source) = 0;
    // The user pressed abort: really stop?
    virtual bool confirmAbort(bool move) = 0;
    // A target folder could not be made: skip it and go on?
    virtual bool skipUncreatableFolder(const QString &target, bool move) = 0;
    // A moved source could not be removed.
    virtual RemoveAnswer askRemoveFailed(const QString &source) = 0;
    // A file could not be copied; reason is the system's text.
    virtual void reportCopyFailed(const QString &source, const QString &target, const QString &reason, bool move) = 0;
};

// The questions as message boxes; the overwrite question is left to the
// window that owns its dialog.
class MsgBoxCopyQuestions : public CopyQuestions {
public:
    bool confirmAbort(bool move) override;
    bool skipUncreatableFolder(const QString &target, bool move) override;
    RemoveAnswer askRemoveFailed(const QString &source) override;
    void reportCopyFailed(const QString &source, const QString &target, const QString &reason, bool move) override;
};
