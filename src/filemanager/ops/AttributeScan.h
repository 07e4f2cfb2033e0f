#pragma once

#include "common/OperationObserver.h"

#include <QStringList>

#include <functional>

// Counts, bytes and attribute states of a selection: folders recursively
// outside subfolders whose name begins with "."; a selected link as what it
// points to, links below the selection as themselves.
struct AttributeScanResult {
    qint64 folders = 0;
    qint64 files = 0;
    qint64 bytes = 0;
    // Unchecked: no file has it; Checked: all have it; PartiallyChecked: some.
    // Links carry no attributes and are left out of these.
    Qt::CheckState readOnly = Qt::Unchecked;
    Qt::CheckState hidden = Qt::Unchecked;

    qint64 readOnlyFiles = 0;
    qint64 hiddenFiles = 0;
    qint64 attributeFiles = 0;
};

// Scans the selected names of folder; afterFolder receives the running
// figures after each folder.
AttributeScanResult ScanAttributes(const QString &folder, const QStringList &names,
                                   const std::function<void(const AttributeScanResult &)> &afterFolder = {});

enum class AttributeAnswer { Retry, Ignore, Cancel };

class AttributeQuestions {
public:
    virtual ~AttributeQuestions() = default;
    // attribute is the attribute's German name ("Schreibgeschützt").
    virtual AttributeAnswer askFailed(const QString &attribute, const QString &file) = 0;
};

// The question as a message box; "Ignorieren" and "Alle" both give Ignore.
class MsgBoxAttributeQuestions : public AttributeQuestions {
public:
    AttributeAnswer askFailed(const QString &attribute, const QString &file) override;
};

// Gives every file of the selection the read-only state wanted, when it
// differs from the scanned one: Checked sets it, anything else clears it.
// Files that already match and links are left alone. False when the user
// stopped at a failure.
bool ApplyReadOnly(const QString &folder, const QStringList &names, Qt::CheckState scanned, Qt::CheckState wanted,
                   AttributeQuestions &questions, const OperationObserver &observer = {});
