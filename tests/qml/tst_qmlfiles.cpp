// Checks of the interface's files: only the modules the phone's store allows, a clean qmllint, and a
// Hungarian catalogue that translates every text of the engine and the interface.

#include <QDirIterator>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <QtTest>

namespace {

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
    void importsAndLint_data();
    void importsAndLint();
    void everySourceTextIsTranslated();
};

void TestQmlFiles::importsAndLint_data()
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

void TestQmlFiles::importsAndLint()
{
    QFETCH(QString, path);
    // The modules the phone's store accepts, each up to the newest version it has.
    static const QRegularExpression allowed(
        QStringLiteral("^(QtQuick 2\\.[0-6]|QtQuick\\.Window 2\\.[0-2]|QtQuick\\.Layouts 1\\.[01]|QtQml 2\\.[0-2]"
                       "|QtGraphicalEffects 1\\.0|harbour\\.zavel 1\\.0)$"));
    static const QRegularExpression importLine(QStringLiteral("^\\s*\\.?import\\s+(\\S+)\\s*([\\d.]*)"),
                                               QRegularExpression::MultilineOption);
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QRegularExpressionMatchIterator imports = importLine.globalMatch(QString::fromUtf8(file.readAll()));
    while (imports.hasNext()) {
        const QRegularExpressionMatch m = imports.next();
        const QString module = m.captured(1);
        const QByteArray line = m.captured(0).trimmed().toUtf8();
        // Besides the modules, only the interface's own folders and scripts, by relative path.
        if (module.startsWith(QLatin1Char('"')))
            QVERIFY2(!module.contains(QLatin1Char(':')) && !module.startsWith(QLatin1String("\"/"))
                         && QFileInfo::exists(QFileInfo(path).dir().filePath(module.mid(1, module.size() - 2))),
                     line);
        else
            QVERIFY2(allowed.match(module + QLatin1Char(' ') + m.captured(2)).hasMatch(), line);
    }

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
void TestQmlFiles::everySourceTextIsTranslated()
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

    QFile file(merged);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QXmlStreamReader xml(&file);
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

QTEST_GUILESS_MAIN(TestQmlFiles)

#include "tst_qmlfiles.moc"
