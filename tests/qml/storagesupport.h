#ifndef STORAGESUPPORT_H
#define STORAGESUPPORT_H

// Puts the interface's database into the states a phone may leave it in, for the Qt Quick tests: missing,
// corrupt, written by a newer version, read-only, locked by another connection, or holding values that do
// not fit. The database lives in the QML engine's offline storage, which the tests point at a temporary
// folder of their own.

#include <QObject>
#include <QQmlEngine>
#include <QSqlDatabase>
#include <QVariantMap>

#include <memory>

class WithoutFileOverride;

class StorageSupport : public QObject
{
    Q_OBJECT

public:
    explicit StorageSupport(QQmlEngine *engine, QObject *parent = nullptr);
    ~StorageSupport() override;

    // "missing", "corrupt", "newer", "readonly", "locked" or "stored": the database as the next start finds it.
    // "stored" holds the given preferences (key -> value, written as JSON) and any other damage is undone.
    Q_INVOKABLE bool prepare(const QString &kind, const QVariantMap &preferences = QVariantMap());
    // Undoes the lock and the read-only state of the last prepare().
    Q_INVOKABLE void release();
    // The rows of a table, to check what was kept: "results" by their outcome, "preferences" as "key=value".
    Q_INVOKABLE QStringList rows(const QString &table);
    // The files the interface moved aside as damaged.
    Q_INVOKABLE QStringList movedAside() const;

private:
    QString databaseFile() const;
    bool writeDatabase(int schema, const QVariantMap &preferences);

    QQmlEngine *m_engine;
    QSqlDatabase m_lock;
    // The file made read-only by the last prepare(), to be made writable again; empty otherwise.
    QString m_readOnlyFile;
    std::unique_ptr<WithoutFileOverride> m_withoutOverride;
};

#endif
