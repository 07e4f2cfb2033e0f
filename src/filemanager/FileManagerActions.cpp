#include "filemanager/FileManagerActions.h"

#include "commands/ActionHandover.h"

namespace {

QString FirstName(const FileManagerSelection &selection)
{
    return selection.folder + selection.names.value(0);
}

FileManagerActions g_notices;
FileManagerActions *g_installed = nullptr;

} // namespace

bool FileManagerActions::copy(QWidget *, const FileManagerSelection &selection)
{
    ShowNotAvailable(QStringLiteral("Kopieren"), FirstName(selection));
    return false;
}

bool FileManagerActions::move(QWidget *, const FileManagerSelection &selection)
{
    ShowNotAvailable(QStringLiteral("Verschieben"), FirstName(selection));
    return false;
}

bool FileManagerActions::remove(QWidget *, const FileManagerSelection &selection)
{
    ShowNotAvailable(QStringLiteral("Löschen"), FirstName(selection));
    return false;
}

bool FileManagerActions::makeFolder(QWidget *, const QString &folder)
{
    ShowNotAvailable(QStringLiteral("Verzeichnis erstellen"), folder);
    return false;
}

bool FileManagerActions::properties(QWidget *, const FileManagerSelection &selection)
{
    ShowNotAvailable(QStringLiteral("Eigenschaften"), FirstName(selection));
    return false;
}

bool FileManagerActions::selectGroup(QWidget *, const FileManagerSelection &selection, GroupSelection &)
{
    ShowNotAvailable(QStringLiteral("Gruppe markieren"), selection.folder);
    return false;
}

void FileManagerActions::editFile(QWidget *, const QString &fileName)
{
    ShowNotAvailable(QStringLiteral("Editor"), fileName);
}

void FileManagerActions::unrar(QWidget *owner, const QString &archive)
{
    CurrentActionHandover().openRarExtraction(owner, archive);
}

void FileManagerActions::unzip(QWidget *owner, const QString &archive)
{
    CurrentActionHandover().openZipExtraction(owner, archive);
}

FileManagerActions &CurrentFileManagerActions()
{
    return g_installed ? *g_installed : g_notices;
}

FileManagerActions *SetFileManagerActions(FileManagerActions *actions)
{
    FileManagerActions *previous = g_installed;
    g_installed = actions;
    return previous;
}
