#include "common/FileChooser.h"

#include "common/ModalSeam.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDialog>
#include <QFontInfo>
#include <QHeaderView>
#include <QPrintDialog>
#include <QPrinter>
#include <QTreeView>

#include <utility>

namespace FileChooser {

namespace {

Handler g_handler;

QString firstSelected(QFileDialog &dialog)
{
    if (RunModal(&dialog) != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

// The detail view's size, type and date columns fit their texts; the name
// takes the rest.
void showWholeDetailColumns(QFileDialog &dialog)
{
    dialog.resize(dialog.sizeHint().expandedTo(QSize(840, 480)));
    auto *details = dialog.findChild<QTreeView *>(QStringLiteral("treeView"));
    if (!details)
        return;
    QHeaderView *header = details->header();
    header->setStretchLastSection(false);
    header->setSectionResizeMode(0, QHeaderView::Stretch);
    for (int column = 1; column < header->count(); ++column)
        header->setSectionResizeMode(column, QHeaderView::ResizeToContents);
}

} // namespace

void configureFileDialog(QFileDialog &dialog, const Request &request)
{
    // Qt's own dialog, so that it speaks German; each filter is shown once,
    // as the program writes it.
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    dialog.setWindowTitle(request.caption);
    if (!request.startFolder.isEmpty())
        dialog.setDirectory(request.startFolder);
    if (!request.filter.isEmpty())
        dialog.setNameFilters(toQtFilter(request.filter).split(QStringLiteral(";;")));
    switch (request.kind) {
    case Kind::OpenFile:
        dialog.setFileMode(QFileDialog::ExistingFile);
        break;
    case Kind::SaveFile:
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
        dialog.setOption(QFileDialog::DontConfirmOverwrite, !request.confirmOverwrite);
        dialog.setDefaultSuffix(request.defaultSuffix);
        break;
    default:
        dialog.setFileMode(QFileDialog::Directory);
        dialog.setOption(QFileDialog::ShowDirsOnly);
        break;
    }
    if (!request.preselectedName.isEmpty())
        dialog.selectFile(request.preselectedName);
    showWholeDetailColumns(dialog);
}

namespace {

QString runFileDialog(QWidget *parent, const Request &request)
{
    QFileDialog dialog(parent);
    configureFileDialog(dialog, request);
    return firstSelected(dialog);
}

QString withDefaultSuffix(const QString &path, const QString &suffix)
{
    if (path.isEmpty() || suffix.isEmpty() || !QFileInfo(path).suffix().isEmpty())
        return path;
    return path + QLatin1Char('.') + suffix;
}

Request makeRequest(Kind kind, const QString &caption, const QString &startFolder = {},
                    const QString &preselectedName = {})
{
    Request request;
    request.kind = kind;
    request.caption = caption;
    request.startFolder = startFolder;
    request.preselectedName = preselectedName;
    return request;
}

QString chooseFile(QWidget *parent, const Request &request)
{
    const QString path = g_handler ? g_handler(request) : runFileDialog(parent, request);
    return request.kind == Kind::SaveFile ? withDefaultSuffix(path, request.defaultSuffix) : path;
}

} // namespace

Handler setHandler(Handler handler)
{
    return std::exchange(g_handler, std::move(handler));
}

QString openFile(QWidget *parent, const QString &caption, const QString &startFolder, const QString &filter,
                 const QString &preselectedName)
{
    Request request = makeRequest(Kind::OpenFile, caption, startFolder, preselectedName);
    request.filter = filter;
    return chooseFile(parent, request);
}

QString saveFile(QWidget *parent, const QString &caption, const QString &startFolder, const QString &filter,
                 const QString &preselectedName, bool confirmOverwrite, const QString &defaultSuffix)
{
    Request request = makeRequest(Kind::SaveFile, caption, startFolder, preselectedName);
    request.filter = filter;
    request.defaultSuffix = defaultSuffix;
    request.confirmOverwrite = confirmOverwrite;
    return chooseFile(parent, request);
}

QString folder(QWidget *parent, const QString &caption, const QString &startFolder)
{
    return chooseFile(parent, makeRequest(Kind::Folder, caption, startFolder));
}

bool chooseFont(QWidget *parent, const QString &caption, QFont &font, bool fixedPitchOnly)
{
    if (g_handler) {
        Request request = makeRequest(Kind::Font, caption, {}, font.toString());
        request.fixedPitchOnly = fixedPitchOnly;
        const QString answer = g_handler(request);
        QFont chosen;
        if (answer.isEmpty() || !chosen.fromString(answer))
            return false;
        font = chosen;
        return true;
    }
    // The dialog lists installed families: it opens on the one the font
    // resolves to, and OK without a change keeps the font as it was.
    const QFontInfo resolved(font);
    QFont shown(font);
    shown.setFamily(resolved.family());
    shown.setStyleName(resolved.styleName());
    QFontDialog dialog(shown, parent);
    dialog.setWindowTitle(caption);
    dialog.setOption(QFontDialog::DontUseNativeDialog);
    dialog.setOption(QFontDialog::MonospacedFonts, fixedPitchOnly);
    if (RunModal(&dialog) != QDialog::Accepted)
        return false;
    const QFont chosen = dialog.currentFont();
    const bool same = chosen.family() == shown.family() && qFuzzyCompare(chosen.pointSizeF(), shown.pointSizeF())
                      && chosen.weight() == shown.weight() && chosen.italic() == shown.italic()
                      && chosen.underline() == shown.underline() && chosen.strikeOut() == shown.strikeOut();
    if (!same)
        font = chosen;
    return true;
}

bool choosePrinter(QWidget *parent, const QString &caption, QPrinter &printer)
{
    if (g_handler) {
        const QString answer = g_handler(makeRequest(Kind::Printer, caption, {}, printer.printerName()));
        if (answer.isEmpty())
            return false;
        if (QDir::isAbsolutePath(answer)) {
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(answer);
        } else {
            printer.setPrinterName(answer);
        }
        return true;
    }
    QPrintDialog dialog(&printer, parent);
    dialog.setWindowTitle(caption);
    return RunModal(&dialog) == QDialog::Accepted;
}

QString toQtFilter(const QString &filter)
{
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList entries;
    for (qsizetype i = 0; i < parts.size(); i += 2) {
        const QString description = parts.at(i).trimmed();
        const QString masks = i + 1 < parts.size() ? parts.at(i + 1) : QString();
        QStringList patterns;
        for (const QString &mask : masks.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
            const QString pattern = mask.trimmed();
            if (!pattern.isEmpty())
                patterns.append(pattern == QLatin1String("*.*") ? QStringLiteral("*") : pattern);
        }
        if (description.isEmpty() && patterns.isEmpty())
            continue;
        if (patterns.isEmpty())
            patterns.append(QStringLiteral("*"));
        entries.append(QStringLiteral("%1 (%2)").arg(description, patterns.join(QLatin1Char(' '))));
    }
    return entries.join(QLatin1String(";;"));
}

} // namespace FileChooser
