#ifndef ROWMAP_H
#define ROWMAP_H

// A row of a list model as a map from its roles' names to their values: what a script gets from a model's get().

#include <QAbstractListModel>
#include <QVariantMap>

inline QVariantMap rowMap(const QAbstractListModel &model, int row)
{
    QVariantMap map;
    if (row < 0 || row >= model.rowCount())
        return map;
    const QHash<int, QByteArray> roles = model.roleNames();
    for (auto it = roles.constBegin(); it != roles.constEnd(); ++it)
        map.insert(QString::fromLatin1(it.value()), model.data(model.index(row), it.key()));
    return map;
}

#endif
