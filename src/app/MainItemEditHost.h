#pragma once

#include "tree/ItemEditHost.h"

class TMainForm;

// The main window as seen by the entry edit dialog.
class MainItemEditHost : public ItemEditHost {
public:
    explicit MainItemEditHost(TMainForm &form)
        : m_form(form)
    {
    }

    Project &project() override;
    ProjectEntry *selectedEntry() override;
    QStringList commentFieldLines() override;
    QString commandFieldText() override;
    void entryDisplayChanged(ProjectEntry *entry) override;
    void setImagesShown(bool shown) override;
    void imagesEdited() override;
    void markModified() override;
    void showStoredEntry(bool commentReplaced) override;

private:
    TMainForm &m_form;
};
