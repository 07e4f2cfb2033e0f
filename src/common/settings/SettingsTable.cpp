#include "common/settings/SettingsTable.h"

#include "common/settings/SettingsKeys.h"
#include "platform/ProfileFile.h"

#include <QStringList>

#include <limits>
#include <tuple>
#include <utility>

namespace K = SettingsKeys;

namespace {

constexpr int kLastDock = 5;
constexpr int kFloating = 6;
constexpr int kLargestPageSize = 32767;

// Each form reads a value's text onto the value (leaving it as it was where
// the text does not fit) and gives the text a value is written as.

struct IntegerForm {
    using Value = int;
    static constexpr ValueForm kind = ValueForm::Integer;
    int low = std::numeric_limits<int>::min();
    int high = std::numeric_limits<int>::max();

    void read(const QString &text, int &value) const
    {
        int parsed = 0;
        if (ParseProfileInteger(text, parsed) && parsed >= low && parsed <= high)
            value = parsed;
    }
    static QString text(int value) { return QString::number(value); }
};

struct BooleanForm {
    using Value = bool;
    static constexpr ValueForm kind = ValueForm::Boolean;

    static void read(const QString &text, bool &value)
    {
        int parsed = 0;
        if (ParseProfileInteger(text, parsed))
            value = parsed != 0;
    }
    static QString text(bool value) { return value ? QStringLiteral("1") : QStringLiteral("0"); }
};

struct TextForm {
    using Value = QString;
    static constexpr ValueForm kind = ValueForm::Text;

    static void read(const QString &text, QString &value) { value = text; }
    static QString text(const QString &value) { return value; }
};

struct BackupExtensionForm {
    using Value = QString;
    static constexpr ValueForm kind = ValueForm::BackupExtension;

    static void read(const QString &text, QString &value) { value = NormalizedBackupExtension(text, value); }
    static QString text(const QString &value) { return value; }
};

int integerOrMissing(const QStringList &parts, int index)
{
    int value = -1;
    if (index < parts.size())
        ParseProfileInteger(parts.at(index), value);
    return value;
}

struct ToolbarPositionForm {
    using Value = ToolbarPlace;
    static constexpr ValueForm kind = ValueForm::ToolbarPosition;

    static void read(const QString &text, ToolbarPlace &place)
    {
        const QStringList parts = text.split(QLatin1Char(','));
        const int defaultDock = integerOrMissing(parts, 0);
        const int dockedTo = integerOrMissing(parts, 1);
        const int left = integerOrMissing(parts, 2);
        const int top = integerOrMissing(parts, 3);
        if (defaultDock >= 0 && defaultDock <= kLastDock)
            place.defaultDock = defaultDock;
        if (dockedTo >= 0 && dockedTo <= kFloating)
            place.dockedTo = dockedTo;
        if (left >= 0)
            place.left = left;
        if (top >= 0)
            place.top = top;
    }
    static QString text(const ToolbarPlace &place)
    {
        return QStringLiteral("%1,%2,%3,%4").arg(place.defaultDock).arg(place.dockedTo).arg(place.left).arg(place.top);
    }
};

struct ExportAreaForm {
    using Value = ExportArea;
    static constexpr ValueForm kind = ValueForm::ExportArea;

    // The first character, when a digit, is the flag (1 on); the text
    // between the first two double quotes is the separator.
    static void read(const QString &text, ExportArea &area)
    {
        if (!text.isEmpty() && text.at(0).isDigit())
            area.enabled = text.at(0) == QLatin1Char('1');
        const qsizetype open = text.indexOf(QLatin1Char('"'));
        const qsizetype close = open < 0 ? -1 : text.indexOf(QLatin1Char('"'), open + 1);
        if (close >= 0)
            area.separator = text.mid(open + 1, close - open - 1);
    }
    static QString text(const ExportArea &area)
    {
        return (area.enabled ? QStringLiteral("1,\"") : QStringLiteral("0,\"")) + area.separator + QLatin1Char('"');
    }
};

// Width and height. A size below 0 or above what the settings dialog
// offers would give an unusable page; it is clamped to that range.
struct PageFormatForm {
    using Value = std::tuple<int, int>;
    static constexpr ValueForm kind = ValueForm::PageFormat;

    static void read(const QString &text, std::tuple<int &, int &> size)
    {
        const QStringList parts = text.split(QLatin1Char(','));
        int width = 0;
        int height = 0;
        ParseProfileInteger(parts.value(0), width);
        ParseProfileInteger(parts.value(1), height);
        if (width <= 0 && height <= 0)
            return;
        size = std::make_tuple(qBound(0, width, kLargestPageSize), qBound(0, height, kLargestPageSize));
    }
    static QString text(const Value &size)
    {
        return QStringLiteral("%1,%2").arg(std::get<0>(size)).arg(std::get<1>(size));
    }
};

// slot gives the member (or a tuple of members) of a Settings object, const
// or not. A missing key reads as the text of the value held, which leaves it.
template <typename Form, typename Slot>
SettingKey keyOf(const QString &section, const QString &key, const Form &form, typename Form::Value defaultValue,
                 Slot slot)
{
    SettingKey k;
    k.section = section;
    k.key = key;
    k.form = Form::kind;
    k.defaultText = form.text(defaultValue);
    k.setDefault = [defaultValue, slot](Settings &s) { slot(s) = defaultValue; };
    k.read = [section, key, form, slot](const ProfileFile &file, Settings &s) {
        form.read(file.readString(section, key, form.text(slot(std::as_const(s)))), slot(s));
    };
    k.write = [section, key, form, slot](ProfileFile &file, const Settings &s) {
        file.writeString(section, key, form.text(slot(s)));
    };
    k.differs = [slot](const Settings &a, const Settings &b) { return !(slot(a) == slot(b)); };
    return k;
}

SettingKey inGroup(SettingKey key, int group)
{
    key.group = group;
    return key;
}

SettingKey writtenAlways(SettingKey key)
{
    key.alwaysWritten = true;
    return key;
}

// Keys "1", "2", ... up to the first empty one; a value without a comma
// gives no item. Written anew as a whole, items with neither caption nor
// command left out, so that the numbers have no gap.
SettingKey toolListKey()
{
    SettingKey k;
    k.section = K::tools;
    k.form = ValueForm::ToolList;
    k.setDefault = [](Settings &s) { s.tools.clear(); };
    k.read = [](const ProfileFile &file, Settings &s) {
        for (int n = 1;; ++n) {
            const QString value = file.readString(K::tools, QString::number(n), QString());
            if (value.isEmpty())
                return;
            const qsizetype comma = value.indexOf(QLatin1Char(','));
            if (comma >= 0)
                s.tools.append({value.left(comma), value.mid(comma + 1)});
        }
    };
    k.write = [](ProfileFile &file, const Settings &s) {
        file.eraseSection(K::tools);
        int number = 0;
        for (const ToolItem &tool : s.tools) {
            if (!tool.caption.isEmpty() || !tool.command.isEmpty())
                file.writeString(K::tools, QString::number(++number), tool.caption + QLatin1Char(',') + tool.command);
        }
    };
    k.differs = [](const Settings &a, const Settings &b) { return a.tools != b.tools; };
    return k;
}

// One row per key, in the order of the file.
QList<SettingKey> makeTable()
{
    const IntegerForm anyInteger;
    const IntegerForm notNegative{0};
    const BooleanForm boolean;
    const TextForm text;
    const QString none;
    // clang-format off
    QList<SettingKey> table = {
        keyOf(K::mainWindow, K::left, anyInteger, -1, [](auto &s) -> auto & { return s.left; }),
        keyOf(K::mainWindow, K::top, anyInteger, -1, [](auto &s) -> auto & { return s.top; }),
        keyOf(K::mainWindow, K::width, anyInteger, -1, [](auto &s) -> auto & { return s.width; }),
        keyOf(K::mainWindow, K::height, anyInteger, -1, [](auto &s) -> auto & { return s.height; }),
        keyOf(K::mainWindow, K::centred, boolean, true, [](auto &s) -> auto & { return s.centred; }),
        keyOf(K::mainWindow, K::windowState, IntegerForm{0, 2}, 0, [](auto &s) -> auto & { return s.windowState; }),
        keyOf(K::mainWindow, K::commentPanelHeight, notNegative, -1,
              [](auto &s) -> auto & { return s.commentPanelHeight; }),
    };
    for (int t = 0; t < 3; ++t)
        table.append(inGroup(keyOf(K::fields, K::toolbarPosition[t], ToolbarPositionForm(), ToolbarPlace(),
                                   [t](auto &s) -> auto & { return s.toolbarPlaces[t]; }), t + 1));
    for (int t = 0; t < 3; ++t)
        table.append(inGroup(keyOf(K::fields, K::toolbarHidden[t], boolean, false,
                                   [t](auto &s) -> auto & { return s.toolbarHidden[t]; }), t + 1));
    table += {
        keyOf(K::fields, K::commentPanelHidden, boolean, false, [](auto &s) -> auto & { return s.commentPanelHidden; }),
        keyOf(K::fields, K::commandPanelHidden, boolean, false, [](auto &s) -> auto & { return s.commandPanelHidden; }),
        keyOf(K::fields, K::statusBarHidden, boolean, false, [](auto &s) -> auto & { return s.statusBarHidden; }),
        keyOf(K::tree, K::singleExpand, boolean, false, [](auto &s) -> auto & { return s.singleExpand; }),
        keyOf(K::tree, K::autoScroll, boolean, true, [](auto &s) -> auto & { return s.autoScroll; }),
        writtenAlways(keyOf(K::files, K::projectFile, text, none, [](auto &s) -> auto & { return s.projectFile; })),
        writtenAlways(keyOf(K::files, K::macroFile, text, none, [](auto &s) -> auto & { return s.macroFile; })),
        writtenAlways(keyOf(K::files, K::helpFile, text, QStringLiteral("Brekko.hlp"),
                            [](auto &s) -> auto & { return s.helpFile; })),
        keyOf(K::project, K::makeBackup, boolean, true, [](auto &s) -> auto & { return s.makeBackup; }),
        keyOf(K::project, K::backupExtension, BackupExtensionForm(), QStringLiteral(".pr~"),
              [](auto &s) -> auto & { return s.backupExtension; }),
        keyOf(K::exportSection, K::titleArea, ExportAreaForm(), ExportArea{true, none},
              [](auto &s) -> auto & { return s.titleArea; }),
        keyOf(K::exportSection, K::commentArea, ExportAreaForm(), ExportArea{false, QStringLiteral("  ")},
              [](auto &s) -> auto & { return s.commentArea; }),
        keyOf(K::exportSection, K::commandArea, ExportAreaForm(), ExportArea{false, QStringLiteral("  ")},
              [](auto &s) -> auto & { return s.commandArea; }),
        keyOf(K::exportSection, K::customPageFormat, PageFormatForm(), {120, 60},
              [](auto &s) { return std::tie(s.customPageWidth, s.customPageHeight); }),
        keyOf(K::fileManager, K::fileManagerState, IntegerForm{0, 2}, 0,
              [](auto &s) -> auto & { return s.fileManagerState; }),
        keyOf(K::fileManager, K::fileManagerViewStyle, IntegerForm{1, 4}, 3,
              [](auto &s) -> auto & { return s.fileManagerViewStyle; }),
        toolListKey(),
    };
    // clang-format on
    return table;
}

} // namespace

const QList<SettingKey> &SettingsTable()
{
    static const QList<SettingKey> table = makeTable();
    return table;
}

Settings::Settings()
{
    for (const SettingKey &key : SettingsTable())
        key.setDefault(*this);
}

// Without an extension the backup of a project file that has none would be
// that file itself, so an empty text keeps the extension in use.
QString NormalizedBackupExtension(const QString &text, const QString &current)
{
    if (text.isEmpty())
        return current;
    const QString dotted = text.startsWith(QLatin1Char('.')) ? text : QLatin1Char('.') + text;
    return dotted.left(4);
}
