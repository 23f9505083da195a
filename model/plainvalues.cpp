#include "model/plainvalues.h"

#include "model/filekeys.h"

const QString &PlainValues::name(Key key) {
    static const QString *const names[KeyCount] = {
        &FileKeys::Adsl0,
        &FileKeys::Alias,
        &FileKeys::Append,
        &FileKeys::Awsl0,
        &FileKeys::AxleConfiguration,
        &FileKeys::Category,
        &FileKeys::LowerGVWLimit,
        &FileKeys::MaxGVW,
        &FileKeys::NumberOfAxles,
        &FileKeys::OverrideClass,
        &FileKeys::OverrideGroups,
        &FileKeys::Prepend,
        &FileKeys::ReclassifyDownTo,
        &FileKeys::ReclassifyUpTo,
        &FileKeys::UpperGVWLimit,
    };
    return *names[key];
}

int PlainValues::size() const {
    int count = 0;
    for (quint32 rest = present; rest; rest &= rest - 1)
        ++count;
    return count;
}

QMap<QString, QString> PlainValues::toMap() const {
    QMap<QString, QString> map;
    forEach(
        [&map](const QString &key, const QString &value) { map.insert(map.cend(), key, value); });
    return map;
}

QStringList PlainValues::texts() const {
    QStringList list;
    forEach([&list](const QString &, const QString &value) { list.append(value); });
    return list;
}
