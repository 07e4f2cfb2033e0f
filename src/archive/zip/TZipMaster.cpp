#include "archive/zip/TZipMaster.h"

#include "archive/safety/ExtractionTarget.h"
#include "archive/zip/UnzipRecords.h"
#include "common/MsgBox.h"
#include "platform/FileSystem.h"
#include "platform/NativeNames.h"

#include <QDir>
#include <QFileInfo>
#include <QLibrary>

#include <array>
#include <cstring>
#include <unistd.h>
#include <vector>

namespace {

struct Module {
    QLibrary library;
    UnzDllExecFunction exec = nullptr;
    GetUnzDllVersionFunction version = nullptr;
};

Module *g_module = nullptr;

void showInformation(const QString &text)
{
    ShowMsgBox(QStringLiteral("Unzip"), text, MsgBox::Information, MsgBox::DefaultBeep, MsgBox::Ok, 0);
}

// Zero-terminated UTF-8, cut at a character boundary when it is too long.
void copyText(char *buffer, size_t size, const QString &text)
{
    const QByteArray bytes = text.toUtf8();
    size_t length = qMin<size_t>(static_cast<size_t>(bytes.size()), size - 1);
    while (length < static_cast<size_t>(bytes.size()) && length > 0 && (bytes[length] & 0xC0) == 0x80)
        --length;
    std::memset(buffer, 0, size);
    std::memcpy(buffer, bytes.constData(), length);
}

// The target folder cannot be used: nothing is extracted.
void showTargetError()
{
    ShowMsgBox(QStringLiteral("Fehler: Kann Zielverzeichnis nicht erstellen..."),
               QStringLiteral("Das angegebene Zielverzeichnis konnte nicht erstellt werden.\r"
                              "Das entpacken des Archivbinhaltes ist somit nicht möglich."),
               MsgBox::Error, MsgBox::ErrorBeep, MsgBox::Ok, 0);
}

// Removes one trailing CR or LF, then one more.
QString withoutLineEnd(QString message)
{
    for (int i = 0; i < 2; ++i) {
        if (message.endsWith(QLatin1Char('\r')) || message.endsWith(QLatin1Char('\n')))
            message.chop(1);
    }
    return message;
}

} // namespace

TZipMaster::TZipMaster() = default;
TZipMaster::~TZipMaster() = default;

void TZipMaster::setZipFilename(const QString &fileName)
{
    // The module runs in the target folder: a relative name would miss.
    m_zipFilename = fileName.isEmpty() ? fileName : QFileInfo(fileName).absoluteFilePath();
    ReadDirectory();
}

void TZipMaster::ReadDirectory()
{
    m_entries.clear();
    if (!m_zipFilename.isEmpty() && FileSystem::exists(m_zipFilename))
        m_entries = ReadZipDirectory(m_zipFilename);
    if (OnDirUpdate)
        OnDirUpdate();
}

void TZipMaster::setPassword(const QString &password)
{
    m_password = password.left(80);
}

void TZipMaster::setDLLDirectory(const QString &folder)
{
    m_dllDirectory = folder;
    while (m_dllDirectory.size() > 1
           && (m_dllDirectory.endsWith(QLatin1Char('/')) || m_dllDirectory.endsWith(QLatin1Char('\\'))))
        m_dllDirectory.chop(1);
}

bool TZipMaster::Load()
{
    if (g_module)
        return true;
    auto module = new Module;
    const QString besideProgram = m_dllDirectory + QLatin1Char('/') + QLatin1String(UnzipModuleFileName);
    if (!m_dllDirectory.isEmpty() && QFileInfo::exists(besideProgram))
        module->library.setFileName(besideProgram);
    else
        module->library.setFileName(QLatin1String(UnzipModuleFileName));
    if (!module->library.load()) {
        delete module;
        showInformation(QStringLiteral("UNZIP.DLL nicht gefunden"));
        return false;
    }
    if (Trace)
        showInformation(QStringLiteral("UNZIP.DLL geladen"));
    module->exec = reinterpret_cast<UnzDllExecFunction>(module->library.resolve("UnzDllExec"));
    module->version = reinterpret_cast<GetUnzDllVersionFunction>(module->library.resolve("GetUnzDllVersion"));
    if (!module->exec)
        showInformation(QStringLiteral("UnzDllExec-Funktion nicht gefunden in UNZIP.DLL"));
    if (!module->version)
        showInformation(QStringLiteral("GetZipDllVersion-Funktion nicht gefunden in UNZIP.DLL"));
    g_module = module;
    return true;
}

void TZipMaster::Unload()
{
    if (!g_module)
        return;
    g_module->library.unload();
    delete g_module;
    g_module = nullptr;
}

bool TZipMaster::isLoaded()
{
    return g_module != nullptr;
}

void TZipMaster::RunLibrary()
{
    m_successCount = 0;
    m_targetFailed = false;
    if (m_zipFilename.isEmpty() || !FileSystem::fileExists(m_zipFilename)) {
        showInformation(QStringLiteral("Error - no zip file specified"));
        return;
    }
    if (m_busy)
        return;
    m_busy = true;
    Cancel = false;
    const bool loadedHere = !isLoaded();
    if (!loadedHere || Load())
        callModule();
    if (loadedHere)
        Unload();
    m_busy = false;
}

void TZipMaster::callModule()
{
    if (!g_module->exec)
        return;
    // The module gets the target as an open folder: one that cannot be
    // entered stops the run before anything is written elsewhere.
    int targetFolder = -1;
    if (!(ExtrOptions & ExtrTest)) {
        const QString folder = ExtrBaseDir.isEmpty() ? QStringLiteral(".") : ExtrBaseDir;
        targetFolder = ExtractionTarget::openFolder(NativeNames::encode(folder).constData());
        if (targetFolder < 0) {
            m_targetFailed = true;
            FSpecArgs.clear();
            showTargetError();
            return;
        }
    }
    std::vector<std::array<char, UnzNameChars>> names(static_cast<size_t>(FSpecArgs.size()));
    std::vector<QByteArray> wholeNames;
    std::vector<const char *> fullNames;
    for (size_t i = 0; i < names.size(); ++i) {
        const QString &name = FSpecArgs.at(static_cast<qsizetype>(i));
        copyText(names[i].data(), UnzNameChars, name);
        wholeNames.push_back(name.toUtf8());
    }
    for (const QByteArray &name : wholeNames)
        fullNames.push_back(name.constData());
    const QByteArray archivePath = NativeNames::encode(QFileInfo(m_zipFilename).absoluteFilePath());
    UnzCommandRecord command{};
    command.windowHandle = OwnerWindow;
    command.caller = this;
    command.version = UnzVersion;
    command.callback = &TZipMaster::Callback;
    command.trace = Trace ? 1 : 0;
    command.promptToOverwrite = 0;
    copyText(command.password, sizeof command.password, m_password);
    command.test = (ExtrOptions & ExtrTest) ? 1 : 0;
    command.comments = 0;
    command.convert = 0;
    command.quiet = 1;
    command.verbose = (Verbose || Trace) ? 1 : 0;
    command.update = (ExtrOptions & ExtrUpdate) ? 1 : 0;
    command.freshen = ((ExtrOptions & ExtrFreshen) && !(ExtrOptions & ExtrUpdate)) ? 1 : 0;
    command.directories = (ExtrOptions & ExtrDirNames) ? 1 : 0;
    command.overwrite = (ExtrOptions & ExtrOverWrite) ? 1 : 0;
    command.argumentCount = static_cast<int32_t>(names.size());
    copyText(command.archiveName, sizeof command.archiveName, QFileInfo(m_zipFilename).absoluteFilePath());
    command.seven = UnzSeven;
    command.names = names.empty() ? nullptr : reinterpret_cast<char(*)[UnzNameChars]>(names.data());
    command.extensionMark = UnzExtensionMark;
    command.targetFolder = targetFolder;
    command.archivePath = archivePath.constData();
    command.fullNames = fullNames.empty() ? nullptr : fullNames.data();
    try {
        m_successCount = g_module->exec(&command);
    } catch (...) {
        showInformation(QStringLiteral("Fatal DLL Error: abort exception"));
    }
    if (targetFolder >= 0)
        ::close(targetFolder);
    FSpecArgs.clear();
}

int32_t TZipMaster::Callback(UnzCallbackRecord *record)
{
    auto *master = static_cast<TZipMaster *>(record->caller);
    record->fileNameOrMessage[UnzMessageChars - 1] = '\0';
    const auto text = [record] {
        return QString::fromUtf8(record->fullText ? record->fullText : record->fileNameOrMessage);
    };
    switch (record->actionCode) {
    case UnzActionFileBegins:
        if (master->OnProgress)
            master->OnProgress(FileBegins, text(), record->fileSize);
        break;
    case UnzActionStep:
        if (master->OnProgress)
            master->OnProgress(Step, QStringLiteral(" "), 0);
        break;
    case UnzActionBatchEnds:
        if (master->OnProgress)
            master->OnProgress(BatchEnds, QStringLiteral(" "), 0);
        break;
    case UnzActionPassword:
        copyText(record->fileNameOrMessage, UnzPasswordChars,
                 master->OnPassword ? master->OnPassword(text()).left(80) : QString());
        break;
    default:
        if (record->actionCode >= UnzActionMessage && master->OnMessage)
            master->OnMessage(record->errorCode, withoutLineEnd(text()));
        break;
    }
    return master->Cancel ? 1 : 0;
}
