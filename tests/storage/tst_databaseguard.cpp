// The interface's database file as the guard finds it before the first open: only a file that is not a database
// at all is moved aside, with its journal files, under a name that keeps it; anything SQLite can open stays.

#include "databaseguard.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

class TestDatabaseGuard : public QObject
{
    Q_OBJECT

private slots:
    void damagedFiles_data()
    {
        QTest::addColumn<QByteArray>("content"); // of the database file; null: no file
        QTest::addColumn<bool>("movedAside");
        QTest::newRow("garbage") << QByteArray(4096, '\x5a') << true;
        QTest::newRow("a text file") << QByteArray("not a database\n") << true;
        QTest::newRow("a database") << QByteArray("SQLite format 3\0 and its pages", 31) << false;
        QTest::newRow("empty, never written") << QByteArray("") << false;
        QTest::newRow("no file") << QByteArray() << false;
    }

    void damagedFiles()
    {
        QFETCH(QByteArray, content);
        QFETCH(bool, movedAside);
        QTemporaryDir storage;
        const QString file = DatabaseGuard::databaseFile(storage.path(), QStringLiteral("harbour-zavel"));
        QCOMPARE(QFileInfo(file).fileName(), QStringLiteral("32c83bd5892c69c4342f2cc4b6c936c0.sqlite"));
        QDir().mkpath(QFileInfo(file).absolutePath());
        for (const QString &name : {file, file + "-journal"}) {
            QFile out(name);
            QVERIFY(content.isNull() || (out.open(QIODevice::WriteOnly) && out.write(content) == content.size()));
        }
        const QString kept = DatabaseGuard::moveAsideIfDamaged(file);
        QCOMPARE(!kept.isEmpty(), movedAside);
        QCOMPARE(QFileInfo::exists(file), !movedAside && !content.isNull());
        if (movedAside) {
            QVERIFY(QFileInfo(kept).fileName().startsWith(QFileInfo(file).fileName() + ".damaged-"));
            QFile old(kept);
            QVERIFY(old.open(QIODevice::ReadOnly) && old.readAll() == content);
            QVERIFY(QFileInfo::exists(kept + "-journal") && !QFileInfo::exists(file + "-journal"));
        }
    }
};

QTEST_GUILESS_MAIN(TestDatabaseGuard)
#include "tst_databaseguard.moc"
