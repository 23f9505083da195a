#include "model/sectiontable.h"

#include "model/filekeys.h"

namespace {

// The file key of each slot, in slot order.
const QString &slotKey(int slot) {
    using namespace FileKeys;
    static const QString *const keys[SectionTable::SlotCount] = {
        &SubclassNumber,   &OverrideClass,     &OverrideGroups,  &Alias,         &Category,
        &MaxGVW,           &NumberOfAxles,     &UpperGVWLimit,   &LowerGVWLimit, &ReclassifyUpTo,
        &ReclassifyDownTo, &AxleConfiguration, &Prepend,         &Append,        &TyreType,
        &MaxAxleWeight,    &MaxAxleDistance,   &MinAxleDistance,
    };
    return *keys[slot];
}

} // namespace

SectionTable::SectionTable(const QMap<QString, QString> &map) {
    for (auto it = map.cbegin(); it != map.cend(); ++it)
        insert(it.key(), it.value());
}

bool SectionTable::insert(QStringView key, QStringView value) {
    empty = false;
    for (int slot = 0; slot < SlotCount; ++slot) {
        if (key == QStringView(slotKey(slot))) {
            slotValues[slot] = value;
            return true;
        }
    }
    if (!key.startsWith(FileKeys::AdslPrefix) && !key.startsWith(FileKeys::AwslPrefix)) {
        QString line = key.toString();
        line += FileKeys::KeyValueSeparator;
        line.append(value.data(), value.size());
        otherLines.append(line);
        return false;
    }
    for (Entry &entry : numberedEntries) {
        if (key == QStringView(entry.key)) {
            entry.value = value;
            return true;
        }
    }
    numberedEntries.append({key, value});
    return true;
}
