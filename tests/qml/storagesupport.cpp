#include "storagesupport.h"

#include "databaseguard.h"
#include "withoutfileoverride.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QSqlQuery>

#include <sys/stat.h>

namespace {

const QString ownConnection = QStringLiteral("storage-support");
const QString lockConnection = QStringLiteral("storage-support-lock");

bool exec(QSqlDatabase &db, const QString &sql, const QVariantList &values = QVariantList())
{
    QSqlQuery query(db);
    if (!query.prepare(sql))
        return false;
    for (const QVariant &value : values)
        query.addBindValue(value);
    return query.exec();
}

} // namespace

StorageSupport::StorageSupport(QQmlEngine *engine, QObject *parent)
    : QObject(parent)
    , m_engine(engine)
{ }

StorageSupport::~StorageSupport()
{
    release();
}

QString StorageSupport::databaseFile() const
{
    return DatabaseGuard::databaseFile(m_engine->offlineStoragePath(), QStringLiteral("harbour-zavel"));
}

// The layout the interface writes: meta with the schema's version, one row a preference (JSON), results.
bool StorageSupport::writeDatabase(int schema, const QVariantMap &preferences)
{
    QFile::remove(databaseFile());
    QDir().mkpath(QFileInfo(databaseFile()).absolutePath());
    bool ok = true;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), ownConnection);
        db.setDatabaseName(databaseFile());
        ok = db.open();
        ok = ok && exec(db, QStringLiteral("CREATE TABLE meta(key TEXT PRIMARY KEY, value TEXT NOT NULL)"));
        ok = ok && exec(db, QStringLiteral("CREATE TABLE preferences(key TEXT PRIMARY KEY, value TEXT NOT NULL)"));
        ok = ok
            && exec(db,
                    QStringLiteral("CREATE TABLE results(id INTEGER PRIMARY KEY AUTOINCREMENT, finished TEXT NOT "
                                   "NULL, players INTEGER NOT NULL, outcome TEXT NOT NULL, winner TEXT, "
                                   "opponents TEXT NOT NULL, fingerprint TEXT NOT NULL)"));
        ok = ok && exec(db, QStringLiteral("INSERT INTO meta VALUES('schema', ?)"), {QString::number(schema)});
        for (auto it = preferences.constBegin(); ok && it != preferences.constEnd(); ++it) {
            const QByteArray json = QJsonDocument::fromVariant(QVariantList{it.value()}).toJson(QJsonDocument::Compact);
            // The value alone, without the list that QJsonDocument needs around a plain value.
            ok = exec(db, QStringLiteral("INSERT INTO preferences VALUES(?, ?)"),
                      {it.key(), QString::fromUtf8(json.mid(1, json.size() - 2))});
        }
    }
    QSqlDatabase::removeDatabase(ownConnection);
    return ok;
}

bool StorageSupport::prepare(const QString &kind, const QVariantMap &preferences)
{
    release();
    // Every connection of the last interface is closed, so that the file can be replaced.
    for (const QString &name : QSqlDatabase::connectionNames())
        QSqlDatabase::removeDatabase(name);
    const QString file = databaseFile();
    for (const QString &kept : movedAside())
        QFile::remove(QFileInfo(file).dir().filePath(kept));
    if (kind == QLatin1String("missing")) {
        QFile::remove(file);
        return !QFileInfo::exists(file);
    }
    if (kind == QLatin1String("corrupt")) {
        QDir().mkpath(QFileInfo(file).absolutePath());
        QFile junk(file);
        return junk.open(QIODevice::WriteOnly) && junk.write(QByteArray(4096, '\x5a')) == 4096;
    }
    if (!writeDatabase(kind == QLatin1String("newer") ? 2 : 1, preferences))
        return false;
    if (kind == QLatin1String("readonly")) {
        m_withoutOverride.reset(new WithoutFileOverride);
        m_readOnlyFile = file;
        return ::chmod(qPrintable(file), 0444) == 0 && ::chmod(qPrintable(QFileInfo(file).absolutePath()), 0555) == 0
            && m_withoutOverride->permissionsBind();
    }
    if (kind == QLatin1String("locked")) {
        m_lock = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), lockConnection);
        m_lock.setDatabaseName(file);
        return m_lock.open() && exec(m_lock, QStringLiteral("BEGIN EXCLUSIVE"));
    }
    return true;
}

void StorageSupport::release()
{
    if (m_lock.isValid()) {
        m_lock.close();
        m_lock = QSqlDatabase();
        QSqlDatabase::removeDatabase(lockConnection);
    }
    m_withoutOverride.reset();
    // Only what prepare() changed: at the end of the run the engine, and its storage path, may be gone.
    if (m_readOnlyFile.isEmpty())
        return;
    ::chmod(qPrintable(QFileInfo(m_readOnlyFile).absolutePath()), 0755);
    ::chmod(qPrintable(m_readOnlyFile), 0644);
    m_readOnlyFile.clear();
}

QStringList StorageSupport::movedAside() const
{
    const QFileInfo file(databaseFile());
    return file.dir().entryList({file.fileName() + ".damaged-*"}, QDir::Files);
}

QStringList StorageSupport::rows(const QString &table)
{
    QStringList out;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), ownConnection);
        db.setDatabaseName(databaseFile());
        const QString sql = table == QLatin1String("results")
            ? QStringLiteral("SELECT outcome FROM results ORDER BY id")
            : QStringLiteral("SELECT key || '=' || value FROM preferences ORDER BY key");
        if (db.open()) {
            QSqlQuery query(sql, db);
            while (query.next())
                out << query.value(0).toString();
        }
    }
    QSqlDatabase::removeDatabase(ownConnection);
    return out;
}
