#include "model/subclass.h"

#include "model/filelimits.h"
#include "model/modellog.h"
#include "model/syntax.h"

namespace {

const QString RemovePastEnd =
    QStringLiteral("Combined constraints size is smaller than index we tried to delete!");

// Text longer than any line of a file could hold is invalid whatever its
// syntax.
bool matchesWhole(bool (*syntax)(const QString &), const QString &text) {
    return text.size() <= FileLimits::MaxJudgedLength && syntax(text);
}

bool isTotalValid(bool (*syntax)(const QString &), const QString &value) {
    return value.isEmpty() || matchesWhole(syntax, value);
}

} // namespace

QStringList *Subclass::constraint_list(const QString &type) {
    return const_cast<QStringList *>(static_cast<const Subclass *>(this)->constraint_list(type));
}

const QStringList *Subclass::constraint_list(const QString &type) const {
    if (type == ConstraintType::Default)
        return &combined_weight_constraints;
    if (type == ConstraintType::Adsl)
        return &adsl_constraints;
    if (type == ConstraintType::Awsl)
        return &awsl_constraints;
    return nullptr;
}

QString Subclass::get_constraint_at_index(int index, const QString &type) const {
    const QStringList *list = constraint_list(type);
    if (!list)
        return {};
    if (index < 0 || index >= list->size()) {
        ModelLog::warning(ModelLog::indexOutside("get_constraint_at_index", index, list->size()));
        return {};
    }
    return list->at(index);
}

int Subclass::get_number_of_constraints(const QString &type) const {
    const QStringList *list = constraint_list(type);
    return list ? list->size() : 0;
}

void Subclass::set_constraint_at_index(const QString &value, int index, const QString &type) {
    QStringList *list = constraint_list(type);
    if (!list)
        return;
    if (index == -1) {
        list->append(value);
        return;
    }
    if (index < 0 || index >= list->size()) {
        ModelLog::warning(ModelLog::indexOutside("set_constraint_at_index", index, list->size()));
        return;
    }
    (*list)[index] = value;
}

void Subclass::remove_constraint_at_index(int index, const QString &type) {
    QStringList *list = constraint_list(type);
    if (!list)
        return;
    if (index < 0) {
        ModelLog::warning(
            ModelLog::indexOutside("remove_constraint_at_index", index, list->size()));
        return;
    }
    if (index >= list->size()) {
        ModelLog::warning(RemovePastEnd);
        return;
    }
    list->removeAt(index);
}

bool Subclass::is_constraint_valid(int index, const QString &type) const {
    const QStringList *list = constraint_list(type);
    if (!list)
        return false;
    if (index < 0 || index >= list->size()) {
        ModelLog::warning(QStringLiteral("Constraint at index %1 does not exist for size %2")
                              .arg(index)
                              .arg(list->size()));
        return false;
    }
    // For the default kind the first match from the start must be the whole
    // entry, which comes to the same as matching it whole.
    const auto syntax = type == ConstraintType::Default ? Syntax::isCombinedWeight
                        : type == ConstraintType::Adsl  ? Syntax::isAdsl
                                                        : Syntax::isAwsl;
    return matchesWhole(syntax, list->at(index));
}

bool Subclass::is_adsl_0_valid() const {
    return isTotalValid(Syntax::isAdsl0, get_adsl_0());
}

bool Subclass::is_awsl_0_valid() const {
    return isTotalValid(Syntax::isAwsl0, get_awsl_0());
}
