#ifndef DATABASEGUARD_H
#define DATABASEGUARD_H

// Looks at the interface's database before the QML engine first opens it. A file that SQLite cannot read as a
// database at all (overwritten with something else) would give the defaults at every start and never be
// repaired: it is moved aside instead, renamed with the date and time, its journal files with it, so that a fresh
// database is made and nothing of the old file is lost. A database of a newer layout, a locked or a read-only one
// is a database, and is left as it is.
//
// The QML engine's offline storage caches its connections and cannot move files, so this is done here, once, from
// QML, before the first openDatabaseSync. It only reads the file's first bytes: start-up gains no wait.

#include <QObject>
#include <QString>

class DatabaseGuard : public QObject
{
    Q_OBJECT
    // The name the damaged file was kept under, "" when nothing was moved aside.
    Q_PROPERTY(QString movedAside READ movedAside NOTIFY movedAsideChanged)

public:
    explicit DatabaseGuard(QObject *parent = nullptr);

    QString movedAside() const { return m_movedAside; }

    // Checks the database of this name in the QML engine's offline storage; true when it was moved aside.
    Q_INVOKABLE bool check(const QString &databaseName);

    // Where the QML engine keeps a database: its offline storage, Databases/, the MD5 of the database's name.
    static QString databaseFile(const QString &offlineStoragePath, const QString &databaseName);
    // Moves a file that is not a database aside, with its journal files; the new name, or "" when it was kept.
    static QString moveAsideIfDamaged(const QString &file);

signals:
    void movedAsideChanged();

private:
    QString m_movedAside;
};

#endif
