#pragma once

#include "filemanager/ops/CopyQuestions.h"

#include <QDialog>

// "Datei überschreiben ?": replace the existing file by the source?
class TMsgOverrideFileForm : public QDialog {
    Q_OBJECT

public:
    static constexpr int kHelpContext = 80430;

    TMsgOverrideFileForm(const FileFacts &existing, const FileFacts &source, QWidget *parent = nullptr);

    // The answer of the button pressed; Cancel when the dialog was closed.
    OverwriteAnswer answer() const { return m_answer; }

    // Runs the dialog through the modal seam and returns its answer.
    static OverwriteAnswer ask(const FileFacts &existing, const FileFacts &source, QWidget *parent);

private:
    void addAnswer(class QPushButton *button, OverwriteAnswer answer);

    OverwriteAnswer m_answer = OverwriteAnswer::Cancel;
};
