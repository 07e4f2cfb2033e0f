#include "TestRegistry.h"

#include <QDirIterator>
#include <QFile>
#include <QMap>
#include <QRegularExpression>
#include <QSet>
#include <QTest>

namespace {

QString readAll(const QString &fileName)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll());
}

// Blanks out comments and string and character literals, so that numbers and
// names inside them do not count.
QString codeOnly(const QString &source)
{
    QString code = source;
    const qsizetype n = code.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = code.at(i);
        const QChar next = i + 1 < n ? code.at(i + 1) : QChar();
        if (c == QLatin1Char('/') && next == QLatin1Char('/')) {
            while (i < n && code.at(i) != QLatin1Char('\n'))
                code[i++] = QLatin1Char(' ');
        } else if (c == QLatin1Char('/') && next == QLatin1Char('*')) {
            const qsizetype end = code.indexOf(QStringLiteral("*/"), i + 2);
            const qsizetype stop = end < 0 ? n : end + 2;
            for (; i < stop; ++i)
                code[i] = QLatin1Char(' ');
            --i;
        } else if (c == QLatin1Char('"') || c == QLatin1Char('\'')) {
            code[i++] = QLatin1Char(' ');
            while (i < n && code.at(i) != c) {
                if (code.at(i) == QLatin1Char('\\') && i + 1 < n)
                    code[i++] = QLatin1Char(' ');
                code[i++] = QLatin1Char(' ');
            }
            if (i < n)
                code[i] = QLatin1Char(' ');
        }
    }
    return code;
}

// Finds the help context numbers the program passes: five-digit numbers in
// a statement that names help (a help button, a help context constant,
// ShowHelp), that calls a function taking a help context parameter, or that
// returns a brace list of a type with a help context member.
class HelpContextScanner {
public:
    explicit HelpContextScanner(const QString &sourceFolder)
    {
        QDirIterator it(sourceFolder, {QStringLiteral("*.cpp"), QStringLiteral("*.h")}, QDir::Files,
                        QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString path = it.next();
            m_files.insert(QDir(sourceFolder).relativeFilePath(path), codeOnly(readAll(path)));
        }
        collectHelpFunctions();
    }

    // Context number -> the first file that uses it.
    QMap<int, QString> contexts() const
    {
        static const QRegularExpression number(QStringLiteral("\\b([2-8]\\d{4})\\b"));
        static const QRegularExpression mentionsHelp(QStringLiteral("help"), QRegularExpression::CaseInsensitiveOption);
        static const QRegularExpression returnsList(QStringLiteral("\\breturn\\s*\\{"));
        static const QRegularExpression helpMember(QStringLiteral("\\bint\\s+\\w*help\\w*\\s*;"),
                                                   QRegularExpression::CaseInsensitiveOption);
        QMap<int, QString> found;
        for (auto file = m_files.cbegin(); file != m_files.cend(); ++file) {
            const bool hasHelpMember = file.value().contains(helpMember);
            for (const QString &statement : file.value().split(QLatin1Char(';'))) {
                const bool counts = statement.contains(mentionsHelp) || callsHelpFunction(statement)
                                    || (hasHelpMember && statement.contains(returnsList));
                if (!counts)
                    continue;
                for (const QRegularExpressionMatch &match : number.globalMatch(statement)) {
                    const int context = match.captured(1).toInt();
                    if (!found.contains(context))
                        found.insert(context, file.key());
                }
            }
        }
        return found;
    }

private:
    void collectHelpFunctions()
    {
        static const QRegularExpression declaration(QStringLiteral("\\b(\\w+)\\s*\\(([^()]*)\\)"));
        static const QRegularExpression helpParameter(QStringLiteral("\\bint\\s+\\w*help\\w*"),
                                                      QRegularExpression::CaseInsensitiveOption);
        for (const QString &code : std::as_const(m_files)) {
            for (const QRegularExpressionMatch &match : declaration.globalMatch(code)) {
                if (match.captured(2).contains(helpParameter))
                    m_helpFunctions.insert(match.captured(1));
            }
        }
    }

    bool callsHelpFunction(const QString &statement) const
    {
        static const QRegularExpression call(QStringLiteral("\\b(\\w+)\\s*\\("));
        for (const QRegularExpressionMatch &match : call.globalMatch(statement)) {
            if (m_helpFunctions.contains(match.captured(1)))
                return true;
        }
        return false;
    }

    QMap<QString, QString> m_files;
    QSet<QString> m_helpFunctions;
};

// The text of a topic: from its anchor to the next numbered anchor, tags removed.
QString topicText(const QString &html, int context)
{
    const QRegularExpression anchor(QStringLiteral("\\b(name|id)\\s*=\\s*[\"']?%1[\"'\\s>]").arg(context),
                                    QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch match = anchor.match(html);
    if (!match.hasMatch())
        return {};
    static const QRegularExpression nextAnchor(QStringLiteral("<a\\s+(name|id)\\s*=\\s*[\"']?\\d+"),
                                               QRegularExpression::CaseInsensitiveOption);
    const qsizetype start = match.capturedEnd();
    const QRegularExpressionMatch next = nextAnchor.match(html, start);
    QString text = html.mid(start, next.hasMatch() ? next.capturedStart() - start : -1);
    static const QRegularExpression tag(QStringLiteral("<[^>]*>"));
    return text.remove(tag).simplified();
}

QString helpFile()
{
    return QStringLiteral(BREKKO_SOURCE_DIR "/resources/help/Brekko.html");
}

} // namespace

class HelpTopicsTest : public QObject {
    Q_OBJECT

private slots:
    void scannerFindsEveryWayOfPassingAContext();
    void everyContextInTheCodeHasATopic_data();
    void everyContextInTheCodeHasATopic();
    void anchorsAreUnique();
};

void HelpTopicsTest::scannerFindsEveryWayOfPassingAContext()
{
    const QMap<int, QString> found = HelpContextScanner(QStringLiteral(BREKKO_SOURCE_DIR "/src")).contexts();
    // A dialog constant, a message box wrapper, a direct ShowMsgBox call and
    // a brace list of a texts struct.
    for (int context : {30100, 80210, 80330, 80010, 80020})
        QVERIFY2(found.contains(context), qPrintable(QString::number(context)));
    QVERIFY(!found.contains(32767));
}

void HelpTopicsTest::everyContextInTheCodeHasATopic_data()
{
    QTest::addColumn<int>("context");
    const QMap<int, QString> found = HelpContextScanner(QStringLiteral(BREKKO_SOURCE_DIR "/src")).contexts();
    for (auto it = found.cbegin(); it != found.cend(); ++it)
        QTest::addRow("%d %s", it.key(), qPrintable(it.value())) << it.key();
}

void HelpTopicsTest::everyContextInTheCodeHasATopic()
{
    QFETCH(int, context);
    const QString html = readAll(helpFile());
    QVERIFY2(!html.isEmpty(), qPrintable(helpFile()));
    const QString text = topicText(html, context);
    QVERIFY2(!text.isEmpty(), "no topic in the help file");
    QVERIFY2(text.split(QLatin1Char(' ')).size() >= 15, qPrintable(QStringLiteral("topic too short: ") + text));
}

void HelpTopicsTest::anchorsAreUnique()
{
    const QString html = readAll(helpFile());
    static const QRegularExpression anchor(QStringLiteral("<a\\s+(?:name|id)\\s*=\\s*[\"']?([\\w-]+)"),
                                           QRegularExpression::CaseInsensitiveOption);
    QSet<QString> seen;
    for (const QRegularExpressionMatch &match : anchor.globalMatch(html)) {
        QVERIFY2(!seen.contains(match.captured(1)), qPrintable(match.captured(1)));
        seen.insert(match.captured(1));
    }
    QVERIFY(seen.contains(QStringLiteral("inhalt")));
}

BREKKO_TEST_MAIN(HelpTopicsTest)
#include "HelpTopicsTest.moc"
