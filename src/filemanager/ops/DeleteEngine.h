#pragma once

#include "common/OperationObserver.h"

#include <QStringList>

enum class DeleteAnswer { Retry, Ignore, All, Cancel };

// What the question about a failed deletion names.
struct DeleteFailure {
    enum Kind { ReadOnlyFile, File, Folder };
    Kind kind = File;
    QString path;
    bool toTrash = true;
};

class DeleteQuestions {
public:
    virtual ~DeleteQuestions() = default;
    virtual DeleteAnswer askFailed(const DeleteFailure &failure) = 0;
};

// The question as a message box.
class MsgBoxDeleteQuestions : public DeleteQuestions {
public:
    DeleteAnswer askFailed(const DeleteFailure &failure) override;
};

// Moves the selected names of a folder to the trash or deletes them for
// good. Only the selected entries are touched; a link is removed as the link
// itself, never what it points to.
class DeleteEngine {
public:
    DeleteEngine(bool toTrash, DeleteQuestions &questions, OperationObserver observer = {});

    // False when the user cancelled; failures ignored count as done.
    bool run(const QString &folder, const QStringList &names);

private:
    bool removeOnce(const QString &path, DeleteFailure::Kind &kind);

    bool m_toTrash;
    DeleteQuestions &m_questions;
    OperationObserver m_observer;
    EventPump m_pump;
};
