// Checks of the interface's files: what the phone's Qt 5.6 can load (singletons imported, ES5 JavaScript), every
// colour from the Theme, a clean qmllint, and a Hungarian catalogue that translates every text of the engine and the
// interface. The imports the store accepts are checked on the installed files by tst_install.

#include <QDirIterator>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <QtTest>

namespace {

QString readText(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

// Every singleton the interface's folders declare in their qmldir: name -> folder.
QHash<QString, QString> singletons()
{
    QHash<QString, QString> found;
    QDirIterator it(QStringLiteral(ZAVEL_SOURCE_DIR "/qml"), {QStringLiteral("qmldir")}, QDir::Files,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString qmldir = it.next();
        for (const QString &line : readText(qmldir).split('\n')) {
            const QStringList words = line.simplified().split(' ');
            if (words.size() == 4 && words[0] == QLatin1String("singleton"))
                found.insert(words[1], QFileInfo(qmldir).canonicalPath());
        }
    }
    return found;
}

} // namespace

class TestQmlFiles : public QObject
{
    Q_OBJECT

private slots:
    void loadsOnThePhone_data()
    {
        QTest::addColumn<QString>("path");
        const QDir source(QStringLiteral(ZAVEL_SOURCE_DIR));
        QDirIterator it(source.filePath(QStringLiteral("qml")), {QStringLiteral("*.qml"), QStringLiteral("*.js")},
                        QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString path = it.next();
            QTest::newRow(qPrintable(source.relativeFilePath(path))) << path;
        }
    }

    // The phone's Qt 5.6 finds a folder's singletons only through an import of that folder, also from a file in
    // the folder itself ("import \".\""), and runs ES5 JavaScript: a newer construct is a syntax error there, a
    // newer library function a TypeError, though both work here.
    void loadsOnThePhone()
    {
        QFETCH(QString, path);
        const QString text = readText(path);
        // The code without its comments and the contents of its string literals.
        static const QRegularExpression noise(
            QStringLiteral("//[^\\n]*|/\\*.*?\\*/|\"(?:[^\"\\\\\\n]|\\\\.)*\"|'(?:[^'\\\\\\n]|\\\\.)*'"),
            QRegularExpression::DotMatchesEverythingOption);
        const QString code = QString(text).replace(noise, QStringLiteral("\"\""));

        static const QRegularExpression importLine(QStringLiteral("^\\s*import\\s+\"([^\"]+)\""),
                                                   QRegularExpression::MultilineOption);
        QSet<QString> imported;
        for (auto it = importLine.globalMatch(text); it.hasNext();)
            imported.insert(QFileInfo(QFileInfo(path).dir(), it.next().captured(1)).canonicalFilePath());
        static const QHash<QString, QString> declared = singletons();
        for (auto it = declared.constBegin(); it != declared.constEnd(); ++it) {
            const QRegularExpression use(QStringLiteral("(?<![\\w.])%1\\s*\\.").arg(it.key()));
            if (code.contains(use))
                QVERIFY2(imported.contains(it.value()), qPrintable(it.key() + " is used without importing its folder"));
        }

        static const QRegularExpression newer(QStringLiteral(
            "\\b(let|const|class)\\s+\\w|=>|`|\\.\\.\\.\\w|\\bfor\\s*\\([^;)]*\\bof\\b|\\bQt\\.callLater\\b"
            "|\\.(includes|startsWith|endsWith|padStart|padEnd|findIndex|find|entries|values)\\s*\\("
            "|\\b(Object\\.(assign|values|entries)|Array\\.from|Number\\.isNaN|Math\\.(trunc|sign))\\b"));
        const QRegularExpressionMatch match = newer.match(code);
        QVERIFY2(!match.hasMatch(), qPrintable("newer than ES5: " + match.captured(0)));

        // Every colour of the interface lives in the Theme, the card artwork's too.
        static const QRegularExpression colour(
            QStringLiteral("\"#[0-9a-fA-F]{3,8}\"|:\\s*\"(white|black|red|green|blue|yellow|gray|grey)\""));
        if (!path.endsWith(QLatin1String("Theme.qml")))
            QVERIFY2(!text.contains(colour),
                     qPrintable("a colour outside the Theme: " + colour.match(text).captured(0)));

        if (!QFileInfo(QStringLiteral(ZAVEL_QMLLINT)).isExecutable())
            QSKIP("qmllint is not installed");
        QProcess lint;
        lint.start(QStringLiteral(ZAVEL_QMLLINT), {path});
        QVERIFY(lint.waitForFinished(30000));
        QVERIFY2(lint.exitStatus() == QProcess::NormalExit && lint.exitCode() == 0,
                 lint.readAllStandardOutput() + lint.readAllStandardError());
    }

    // lupdate merges the code's texts into a copy of the catalogue: a text the catalogue lacks comes out
    // unfinished, and one the code no longer has comes out vanished.
    void everySourceTextIsTranslated()
    {
        QTemporaryDir scratch;
        const QString merged = scratch.filePath(QStringLiteral("harbour-zavel-hu.ts"));
        QVERIFY(QFile::copy(QStringLiteral(ZAVEL_SOURCE_DIR "/translations/harbour-zavel-hu.ts"), merged));
        QProcess lupdate;
        lupdate.start(QStringLiteral(ZAVEL_LUPDATE),
                      {QStringLiteral("-silent"), QStringLiteral(ZAVEL_SOURCE_DIR "/src/engine"),
                       QStringLiteral(ZAVEL_SOURCE_DIR "/qml"), QStringLiteral("-ts"), merged});
        QVERIFY(lupdate.waitForFinished(60000));
        QVERIFY2(lupdate.exitCode() == 0, lupdate.readAllStandardError().constData());

        // The placeholders (%1, %2, ...) a text holds.
        const auto placeholders = [](const QString &text) {
            QSet<QString> found;
            for (auto it = QRegularExpression(QStringLiteral("%\\d")).globalMatch(text); it.hasNext();)
                found.insert(it.next().captured(0));
            return found;
        };
        QXmlStreamReader xml(readText(merged));
        QString context;
        QString source;
        QStringList problems;
        while (!xml.atEnd()) {
            if (xml.readNext() != QXmlStreamReader::StartElement)
                continue;
            if (xml.name() == QLatin1String("name")) {
                context = xml.readElementText();
            } else if (xml.name() == QLatin1String("source")) {
                source = xml.readElementText();
            } else if (xml.name() == QLatin1String("translation")) {
                const QString type = xml.attributes().value(QLatin1String("type")).toString();
                const QString text = xml.readElementText();
                const QString where = context + QStringLiteral(": \"") + source + QLatin1Char('"');
                if (!type.isEmpty())
                    problems << where + QStringLiteral(" is ") + type;
                else if (text.trimmed().isEmpty())
                    problems << where + QStringLiteral(" has no translation");
                else if (placeholders(text) != placeholders(source))
                    problems << where + QStringLiteral(" changes the placeholders");
            }
        }
        QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QLatin1Char('\n'))));
    }
};

QTEST_GUILESS_MAIN(TestQmlFiles)

#include "tst_qmlfiles.moc"
