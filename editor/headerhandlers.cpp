// The handlers of the nine header fields: each keystroke stores the field's
// value in the document header, runs the key's check and marks the field.
#include "editor/rowwidgets.h"
#include "editor/tarveo.h"
#include "model/numbers.h"
#include "ui_tarveo.h"

#include <QDebug>
#include <QFrame>
#include <QLayout>
#include <QLineEdit>

namespace {

// How the typed text becomes the stored value.
enum class Stored { AsTyped, Length, Weight };

// Which axle-distance bound of the header a field holds; the per-axle
// distance edits are re-marked when a bound changes.
enum class Bound { None, Upper, Lower };

using Setter = void (Conf::*)(const QString &);
using Check = bool (Conf::*)() const;

struct HeaderField {
    QLineEdit *edit;
    Setter store;
    Stored stored;
    Check check; // null: the field is never marked (or marked by its bound)
    QString invalidTip;
    Bound bound;
};

} // namespace

void Tarveo::connectHeaderHandlers() {
    const QString noTip;
    // In the order in which the fields are connected.
    const HeaderField fields[] = {
        {ui->lineEditVersion, &Conf::set_classification_version, Stored::AsTyped, nullptr, noTip,
         Bound::None},
        {ui->lineEditCountry, &Conf::set_country_code, Stored::AsTyped,
         &Conf::is_country_code_valid, tipCountry, Bound::None},
        {ui->lineEditGroupMaxDist, &Conf::set_group_max_distance, Stored::Length,
         &Conf::is_group_max_distance_valid, noTip, Bound::None},
        {ui->lineEditMinAxleSpacing, &Conf::set_min_2axle_truck_spacing, Stored::Length, nullptr,
         noTip, Bound::None},
        {ui->lineEditMinAvgAxleWeight, &Conf::set_min_avg_axle_weight, Stored::Weight, nullptr,
         noTip, Bound::None},
        {ui->lineEditMaxAxleDist, &Conf::set_max_axle_distance, Stored::Length, nullptr, noTip,
         Bound::Upper},
        {ui->lineEditMinAxleDist, &Conf::set_min_axle_distance, Stored::Length,
         &Conf::is_min_axle_distance_valid, noTip, Bound::Lower},
        {ui->lineEditUnclassified, &Conf::set_unclassified_vehicle_subclass, Stored::AsTyped,
         &Conf::is_unclassified_vehicle_subclass_valid, noTip, Bound::None},
        {ui->lineEditUncategorised, &Conf::set_uncategorised_vehicle_category, Stored::AsTyped,
         &Conf::is_uncategorised_vehicle_category_valid, noTip, Bound::None},
    };

    for (const HeaderField &field : fields) {
        connect(
            field.edit, &QLineEdit::textEdited, this,
            [this, field](const QString &text) {
                const QString value =
                    field.stored == Stored::AsTyped
                        ? text
                        : editToFileText(field.edit, field.stored == Stored::Weight);
                (conf.*field.store)(value);

                if (field.stored != Stored::AsTyped &&
                    markTooLarge(field.edit, field.stored == Stored::Weight))
                    ; // the document got no value for it
                else if (field.bound == Bound::Upper)
                    setMaxAxleDistanceState(field.edit, maxAxleDistanceState());
                else if (field.check)
                    setFieldState(field.edit, (conf.*field.check)(), field.invalidTip);
                else
                    clearTooLarge(field.edit);

                if (field.bound != Bound::None)
                    remarkAxleDistances(text, field.bound == Bound::Upper);
            });
    }
}

// Only the bound that changed is compared: the displayed text of the header
// field against each per-axle text, both in displayed units.
void Tarveo::remarkAxleDistances(const QString &headerText, bool upperBound) {
    const float bound = Numbers::asFloat(headerText);
    auto withinBound = [bound, upperBound](const QString &text) {
        const float value = Numbers::asFloat(text);
        return upperBound ? bound >= value : value >= bound;
    };

    struct Row {
        QFrame *frame;
        const QString &tip;
        const char *name;
    };
    const Row rows[] = {{ui->frameMinAxleDists, tipMinDistRange, "min"},
                        {ui->frameMaxAxleDists, tipMaxDistRange, "max"}};

    const int axles = displayedAxles();
    for (int i = 1; i < axles; ++i) {
        for (const Row &row : rows) {
            auto *edit = qobject_cast<QLineEdit *>(RowWidgets::at(row.frame, i));
            if (!edit) {
                qWarning().noquote()
                    << "Failed to convert a widget to a lineEdit while trying to validate"
                    << row.name << "axle distance at index" << i
                    << "upon changing of max axle distance";
                continue;
            }
            setFieldState(edit, withinBound(edit->text()), row.tip);
        }
    }
    refreshInvalidList();
}
