#pragma once

#include "common/OperationObserver.h"
#include "filemanager/ops/CopyQuestions.h"

#include <QStringList>

#include <functional>

struct CopyOptions {
    bool move = false;
    // Ask before an existing file is replaced.
    bool askOverwrite = true;
    // Give each copy the permission bits of its source.
    bool carryAttributes = true;
};

// Copies or moves the selected names of a folder into a target folder. A
// move is a copy followed by the removal of each source once its copy is
// complete and closed; it never renames. Links are copied as links. A copy
// takes its name, or replaces an older file, only once it is complete.
class CopyEngine {
public:
    static constexpr qint64 BlockSize = 20480;

    // observer.progress receives the percentage of the bytes done whenever
    // it changes; observer.runPendingEvents runs between blocks.
    CopyEngine(CopyOptions options, CopyQuestions &questions, OperationObserver observer = {});

    // True when every name was processed; false when the run stopped (a
    // failure, a cancelled question, a confirmed abort).
    bool run(const QString &folder, const QStringList &names, const QString &targetFolder, qint64 bytesNeeded);

    // Asks to stop; the user is asked to confirm the next time events have
    // run, and the run ends there once confirmed.
    void requestAbort() { m_abortRequested = true; }
    qint64 bytesDone() const { return m_bytesDone; }

    // Called with source and target before each file.
    std::function<void(const QString &source, const QString &target)> onFile;

private:
    bool copyFolder(const QString &source, const QString &target);
    bool copyFile(const QString &source, const QString &target, bool link, bool inNewFolder);
    bool copyLink(const QString &source, const QString &target, bool replace);
    bool copyContents(const QString &source, const QString &target, bool replace);
    bool removeSource(const QString &source);
    void advance(qint64 bytes);
    // Lets events run when it is time; false once an abort is confirmed.
    bool keepGoing();

    CopyOptions m_options;
    CopyQuestions &m_questions;
    OperationObserver m_observer;
    EventPump m_pump;
    bool m_abortRequested = false;
    bool m_abortConfirmed = false;
    bool m_ignoreAllRemoveErrors = false;
    qint64 m_bytesNeeded = 0;
    qint64 m_bytesDone = 0;
    int m_percent = -1;
};

// Why the names cannot go to targetFolder (a folder into itself or below
// itself, anything onto itself, a file where a folder of its name is or the
// other way round, at any depth); empty when they can. Nothing is touched.
QString CopyRefusal(const QString &folder, const QStringList &names, const QString &targetFolder, bool move);
void ShowCopyRefusal(const QString &text);
