// Checks of the interface's files that the phone's store and its older Qt impose, and of the Hungarian
// catalogue: every QML and JavaScript file imports only the allowed modules, passes qmllint and uses no
// JavaScript newer than the phone's engine understands; every source text of the engine and the interface is
// translated.

#include <QDirIterator>
#include <QFile>
#include <QHash>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <QtTest>

namespace {

const QString sourceDir = QStringLiteral(ZAVEL_SOURCE_DIR);

QStringList interfaceFiles()
{
    QStringList files;
    QDirIterator it(sourceDir + QStringLiteral("/qml"), {QStringLiteral("*.qml"), QStringLiteral("*.js")}, QDir::Files,
                    QDirIterator::Subdirectories);
    while (it.hasNext())
        files.append(it.next());
    files.sort();
    return files;
}

QString readFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    return QString::fromUtf8(file.readAll());
}

// The text with comments and string literals blanked out, so that words inside them are not taken for code.
QString codeOnly(const QString &text)
{
    QString out = text;
    int i = 0;
    const int n = out.size();
    while (i < n) {
        const QChar c = out[i];
        if (c == QLatin1Char('/') && i + 1 < n && out[i + 1] == QLatin1Char('/')) {
            while (i < n && out[i] != QLatin1Char('\n'))
                out[i++] = QLatin1Char(' ');
        } else if (c == QLatin1Char('/') && i + 1 < n && out[i + 1] == QLatin1Char('*')) {
            while (i < n && !(out[i] == QLatin1Char('*') && i + 1 < n && out[i + 1] == QLatin1Char('/')))
                out[i++] = QLatin1Char(' ');
            for (int k = 0; k < 2 && i < n; ++k)
                out[i++] = QLatin1Char(' ');
        } else if (c == QLatin1Char('"') || c == QLatin1Char('\'')) {
            ++i;
            while (i < n && out[i] != c && out[i] != QLatin1Char('\n')) {
                if (out[i] == QLatin1Char('\\') && i + 1 < n)
                    out[i++] = QLatin1Char(' ');
                out[i++] = QLatin1Char(' ');
            }
            ++i;
        } else {
            ++i;
        }
    }
    return out;
}

struct Message
{
    QString translation;
    QString type;
};

// context -> source text -> translation, read from a Qt Linguist catalogue.
using Catalogue = QHash<QString, QHash<QString, Message>>;

bool readCatalogue(const QString &path, Catalogue *out)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    QXmlStreamReader xml(&file);
    QString context;
    QString source;
    Message message;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement())
            continue;
        if (xml.name() == QLatin1String("context")) {
            context.clear();
        } else if (xml.name() == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (xml.name() == QLatin1String("message")) {
            source.clear();
            message = Message();
        } else if (xml.name() == QLatin1String("source")) {
            source = xml.readElementText();
        } else if (xml.name() == QLatin1String("translation")) {
            message.type = xml.attributes().value(QLatin1String("type")).toString();
            message.translation = xml.readElementText();
            (*out)[context].insert(source, message);
        }
    }
    return !xml.hasError();
}

QSet<QString> placeholders(const QString &text)
{
    QSet<QString> found;
    QRegularExpressionMatchIterator it = QRegularExpression(QStringLiteral("%\\d")).globalMatch(text);
    while (it.hasNext())
        found.insert(it.next().captured(0));
    return found;
}

} // namespace

class TestQmlFiles : public QObject
{
    Q_OBJECT

private slots:
    void importsAreAllowed_data();
    void importsAreAllowed();
    void qmllintPasses_data() { importsAreAllowed_data(); }
    void qmllintPasses();
    void scriptIsUnderstoodByTheOldEngine_data() { importsAreAllowed_data(); }
    void scriptIsUnderstoodByTheOldEngine();
    void everySourceTextIsTranslated();
};

void TestQmlFiles::importsAreAllowed_data()
{
    QTest::addColumn<QString>("path");
    const QStringList files = interfaceFiles();
    QVERIFY(files.size() > 10);
    for (const QString &path : files)
        QTest::newRow(qPrintable(path.mid(sourceDir.size() + 1))) << path;
}

void TestQmlFiles::importsAreAllowed()
{
    QFETCH(QString, path);
    // The newest version of each module that the phone's store accepts.
    static const QHash<QString, QString> allowed{
        {QStringLiteral("QtQuick"), QStringLiteral("2.6")},
        {QStringLiteral("QtQuick.Window"), QStringLiteral("2.2")},
        {QStringLiteral("QtQuick.Layouts"), QStringLiteral("1.1")},
        {QStringLiteral("QtQml"), QStringLiteral("2.2")},
        {QStringLiteral("QtGraphicalEffects"), QStringLiteral("1.0")},
        {QStringLiteral("harbour.zavel"), QStringLiteral("1.0")},
    };
    static const QRegularExpression importLine(QStringLiteral("^\\s*\\.?import\\s+(\"[^\"]*\"|[\\w.]+)\\s*([\\d.]*)"));

    const QStringList lines = readFile(path).split(QLatin1Char('\n'));
    for (int i = 0; i < lines.size(); ++i) {
        const QRegularExpressionMatch m = importLine.match(lines[i]);
        if (!m.hasMatch())
            continue;
        const QString what = m.captured(1);
        const QString where = QStringLiteral("line %1: %2").arg(i + 1).arg(lines[i].trimmed());
        if (what.startsWith(QLatin1Char('"'))) {
            // Only the interface's own folders and scripts, by relative path.
            const QString relative = what.mid(1, what.size() - 2);
            QVERIFY2(!relative.contains(QLatin1Char(':')) && !relative.startsWith(QLatin1Char('/')), qPrintable(where));
            QVERIFY2(QFileInfo::exists(QFileInfo(path).absolutePath() + QLatin1Char('/') + relative),
                     qPrintable(where));
            continue;
        }
        QVERIFY2(allowed.contains(what), qPrintable(where));
        const QStringList version = m.captured(2).split(QLatin1Char('.'));
        const QStringList limit = allowed.value(what).split(QLatin1Char('.'));
        QVERIFY2(version.size() == 2, qPrintable(where));
        QVERIFY2(version[0] == limit[0] && version[1].toInt() <= limit[1].toInt(), qPrintable(where));
    }
}

void TestQmlFiles::qmllintPasses()
{
    QFETCH(QString, path);
    const QString qmllint = QStringLiteral(ZAVEL_QMLLINT);
    if (!QFileInfo(qmllint).isExecutable())
        QSKIP("qmllint is not installed");
    QProcess lint;
    lint.start(qmllint, {path});
    QVERIFY(lint.waitForFinished(30000));
    const QString output = QString::fromLocal8Bit(lint.readAllStandardOutput() + lint.readAllStandardError());
    QVERIFY2(lint.exitStatus() == QProcess::NormalExit && lint.exitCode() == 0, qPrintable(output));
}

void TestQmlFiles::scriptIsUnderstoodByTheOldEngine()
{
    QFETCH(QString, path);
    // What the phone's Qt 5.6 does not know: ES6 syntax, and the QML syntax of later Qt versions.
    static const QList<QPair<QRegularExpression, QString>> forbidden{
        {QRegularExpression(QStringLiteral("\\blet\\s+[\\w\\[{]")), QStringLiteral("let")},
        {QRegularExpression(QStringLiteral("\\bconst\\s+[\\w\\[{]")), QStringLiteral("const")},
        {QRegularExpression(QStringLiteral("=>")), QStringLiteral("arrow function")},
        {QRegularExpression(QStringLiteral("`")), QStringLiteral("template string")},
        {QRegularExpression(QStringLiteral("\\bclass\\s+\\w")), QStringLiteral("class")},
        {QRegularExpression(QStringLiteral("\\?\\.|\\?\\?")), QStringLiteral("optional chaining")},
        {QRegularExpression(QStringLiteral("\\.\\.\\.\\w")), QStringLiteral("spread")},
        {QRegularExpression(QStringLiteral("\\brequired\\s+property\\b")), QStringLiteral("required property")},
        {QRegularExpression(QStringLiteral("^\\s*component\\s+\\w+\\s*:"), QRegularExpression::MultilineOption),
         QStringLiteral("inline component")},
        {QRegularExpression(QStringLiteral("\\bQt\\.callLater\\b")), QStringLiteral("Qt.callLater (Qt 5.8)")},
        {QRegularExpression(QStringLiteral("\\bConnections\\s*\\{")),
         QStringLiteral("Connections (its handler syntax differs between Qt 5.6 and 5.15)")},
    };
    const QString code = codeOnly(readFile(path));
    for (const auto &rule : forbidden) {
        const QRegularExpressionMatch m = rule.first.match(code);
        if (m.hasMatch()) {
            const int line = code.left(m.capturedStart()).count(QLatin1Char('\n')) + 1;
            QFAIL(qPrintable(QStringLiteral("%1 at line %2").arg(rule.second).arg(line)));
        }
    }
}

void TestQmlFiles::everySourceTextIsTranslated()
{
    QTemporaryDir scratch;
    QVERIFY(scratch.isValid());
    const QString extracted = scratch.filePath(QStringLiteral("extracted.ts"));
    QProcess lupdate;
    lupdate.start(QStringLiteral(ZAVEL_LUPDATE),
                  {QStringLiteral("-silent"), sourceDir + QStringLiteral("/src/engine"),
                   sourceDir + QStringLiteral("/qml"), QStringLiteral("-ts"), extracted});
    QVERIFY(lupdate.waitForFinished(60000));
    QVERIFY2(lupdate.exitCode() == 0, lupdate.readAllStandardError().constData());

    Catalogue code;
    Catalogue catalogue;
    QVERIFY(readCatalogue(extracted, &code));
    QVERIFY(readCatalogue(sourceDir + QStringLiteral("/translations/harbour-zavel-hu.ts"), &catalogue));
    QVERIFY2(code.value(QStringLiteral("GameEngine")).size() > 30, "the engine's texts were found");

    QStringList problems;
    for (auto context = code.cbegin(); context != code.cend(); ++context) {
        for (auto it = context.value().cbegin(); it != context.value().cend(); ++it) {
            const QString where = context.key() + QStringLiteral(": \"") + it.key() + QLatin1Char('"');
            const Message message
                = catalogue.value(context.key()).value(it.key(), Message{QString(), QStringLiteral("missing")});
            if (!message.type.isEmpty())
                problems << where + QStringLiteral(" is ") + message.type;
            else if (message.translation.trimmed().isEmpty())
                problems << where + QStringLiteral(" has no translation");
            else if (placeholders(message.translation) != placeholders(it.key()))
                problems << where + QStringLiteral(" changes the placeholders");
        }
    }
    // Nothing left behind from texts that are gone.
    for (auto context = catalogue.cbegin(); context != catalogue.cend(); ++context) {
        for (auto it = context.value().cbegin(); it != context.value().cend(); ++it) {
            if (!code.value(context.key()).contains(it.key()))
                problems << context.key() + QStringLiteral(": \"") + it.key() + QStringLiteral("\" is no longer used");
        }
    }
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QLatin1Char('\n'))));
}

QTEST_GUILESS_MAIN(TestQmlFiles)

#include "tst_qmlfiles.moc"
