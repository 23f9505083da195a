#include "diffreport.h"

#include "model/conf.h"
#include "model/confdiff.h"
#include "model/findings.h"
#include "tools/common/exitstatus.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTextStream>

namespace {

const QString NotCompared = QStringLiteral("%1; files read only in part are not compared");
const QString NoValue = QStringLiteral("(none)");

QString shown(const QString &value) {
    return value.isEmpty() ? NoValue : value;
}

QString kindName(ConfChange::Kind kind) {
    switch (kind) {
    case ConfChange::Kind::Added:
        return QStringLiteral("added");
    case ConfChange::Kind::Removed:
        return QStringLiteral("removed");
    case ConfChange::Kind::Changed:
        break;
    }
    return QStringLiteral("changed");
}

QString changeLine(const ConfChange &change) {
    const QString where = ConfDiff::where(change);
    if (change.subclass && change.field.isEmpty())
        return where + QStringLiteral(": ") + kindName(change.kind); // a whole subclass
    return where + QStringLiteral(": ") + shown(change.oldValue) + QStringLiteral(" -> ") +
           shown(change.newValue);
}

QJsonObject changeJson(const ConfChange &change) {
    QJsonObject object{{QStringLiteral("change"), kindName(change.kind)}};
    if (change.subclass)
        object.insert(QStringLiteral("subclass"), qint64(*change.subclass));
    else
        object.insert(QStringLiteral("header"), true);
    if (change.field.isEmpty())
        return object;
    object.insert(QStringLiteral("field"), change.field);
    if (change.place == FieldPlace::Axle)
        object.insert(QStringLiteral("axle"), change.index);
    else if (change.place == FieldPlace::Gap)
        object.insert(QStringLiteral("gap"), change.index);
    object.insert(QStringLiteral("old"), change.oldValue);
    object.insert(QStringLiteral("new"), change.newValue);
    return object;
}

} // namespace

int diffFiles(const QString &oldPath, const QString &newPath, bool json, QTextStream &out,
              QTextStream &err) {
    const Conf older(oldPath, nullptr);
    const Conf newer(newPath, nullptr);
    bool readable = true;
    for (const auto &[path, conf] : {std::pair(oldPath, &older), std::pair(newPath, &newer)}) {
        for (const Finding &problem : Findings::ofReading(*conf)) {
            err << path << ": " << NotCompared.arg(problem.message) << '\n';
            readable = false;
        }
    }
    if (!readable)
        return ExitStatus::Unusable;

    const QVector<ConfChange> changes = ConfDiff::compare(older, newer);
    if (json) {
        QJsonArray list;
        for (const ConfChange &change : changes)
            list.append(changeJson(change));
        out << QJsonDocument(QJsonObject{{QStringLiteral("old"), oldPath},
                                         {QStringLiteral("new"), newPath},
                                         {QStringLiteral("equal"), changes.isEmpty()},
                                         {QStringLiteral("changes"), list}})
                   .toJson(QJsonDocument::Indented);
    } else if (!changes.isEmpty()) {
        out << "--- " << oldPath << "\n+++ " << newPath << '\n';
        for (const ConfChange &change : changes)
            out << changeLine(change) << '\n';
    }
    return changes.isEmpty() ? ExitStatus::Fine : ExitStatus::Failed;
}
