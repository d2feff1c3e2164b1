#include "databaseguard.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QQmlEngine>

namespace {

// Every SQLite database begins with these 16 bytes; an empty file is a database that was never written.
const QByteArray sqliteHeader("SQLite format 3\0", 16);
const char *const companions[] = {"-journal", "-wal", "-shm"};

} // namespace

DatabaseGuard::DatabaseGuard(QObject *parent)
    : QObject(parent)
{ }

QString DatabaseGuard::databaseFile(const QString &offlineStoragePath, const QString &databaseName)
{
    const QByteArray id = QCryptographicHash::hash(databaseName.toUtf8(), QCryptographicHash::Md5).toHex();
    return offlineStoragePath + QStringLiteral("/Databases/") + QString::fromLatin1(id) + QStringLiteral(".sqlite");
}

QString DatabaseGuard::moveAsideIfDamaged(const QString &file)
{
    QFile database(file);
    if (!QFileInfo(file).isFile() || !database.open(QIODevice::ReadOnly))
        return QString(); // nothing there, or nothing this can tell: left alone
    const QByteArray start = database.read(sqliteHeader.size());
    database.close();
    if (start.isEmpty() || start == sqliteHeader)
        return QString();
    const QString kept
        = file + QStringLiteral(".damaged-") + QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    if (!QFile::rename(file, kept))
        return QString();
    for (const char *suffix : companions) {
        const QString companion = file + QLatin1String(suffix);
        if (QFileInfo::exists(companion))
            QFile::rename(companion, kept + QLatin1String(suffix));
    }
    return kept;
}

bool DatabaseGuard::check(const QString &databaseName)
{
    const QQmlEngine *engine = qmlEngine(this);
    if (!engine)
        return false;
    const QString kept = moveAsideIfDamaged(databaseFile(engine->offlineStoragePath(), databaseName));
    if (kept.isEmpty())
        return false;
    m_movedAside = QFileInfo(kept).fileName();
    emit movedAsideChanged();
    return true;
}
