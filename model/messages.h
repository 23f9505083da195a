#ifndef TARVEO_MODEL_MESSAGES_H
#define TARVEO_MODEL_MESSAGES_H

#include <QCoreApplication>
#include <QString>

// Why a value is marked invalid, in the words the editor shows on the field,
// written once for the editor and for every tool that explains a finding.
// All translate in the window's context.
namespace Messages {

inline constexpr const char *Context = "Tarveo";

inline QString text(const char *message) {
    return QCoreApplication::translate(Context, message);
}

// Tool tips of invalid fields.
inline constexpr const char *CountryCode =
    QT_TRANSLATE_NOOP("Tarveo", "Enter a two letter ISO code.");
inline constexpr const char *AxleConfiguration = QT_TRANSLATE_NOOP(
    "Tarveo", "Proper format is XaYb where X must be one of:\nA=tractor, B=bus, C=car, "
              "H=heavy truck, L=light truck, M=motorbike, V=van\nand Y is one of (D=dolly, "
              "T=trailer, S=semi-trailer).\na and b represent the number of axles on the part "
              "and must be equal to number of axles.");
inline constexpr const char *NumberOfAxles =
    QT_TRANSLATE_NOOP("Tarveo", "Value must be between 2 and 20");
inline constexpr const char *MaxDistanceRange =
    QT_TRANSLATE_NOOP("Tarveo", "Value must be higher than corresponding min distance and "
                                "between min and max distances in header.");
inline constexpr const char *MinDistanceRange =
    QT_TRANSLATE_NOOP("Tarveo", "Value must be lower than corresponding max distance and "
                                "between min and max distances in header.");
inline constexpr const char *CombinedWeight =
    QT_TRANSLATE_NOOP("Tarveo", "Proper format is {a1+a2+...an,c} where a are axles and c is a "
                                "real value representing maximum combined weight.");
inline constexpr const char *TyreRange =
    QT_TRANSLATE_NOOP("Tarveo", "Valid types are between 1 and 4");
inline constexpr const char *ReclassifyTarget = QT_TRANSLATE_NOOP(
    "Tarveo", "Subclass must exist and have the same number of axles as current.");
inline constexpr const char *ConsultReference =
    QT_TRANSLATE_NOOP("Tarveo", "Consult Kestrune refman for proper format");
// The same for the four constraint fields that follow it, with the format
// and an example on a second line.
inline constexpr const char *TotalDistanceFormat = QT_TRANSLATE_NOOP(
    "Tarveo", "Consult Kestrune refman for proper format\nFormat min,max, for example 10,25.5: "
              "lower bound 10, upper bound 25.5.");
inline constexpr const char *TotalWeightFormat = QT_TRANSLATE_NOOP(
    "Tarveo", "Consult Kestrune refman for proper format\nFormat weight,class;weight,class, for "
              "example 50,3;400,7: lower weight 50 with class 3, upper weight 400 with class 7.");
inline constexpr const char *DistanceConstraintFormat = QT_TRANSLATE_NOOP(
    "Tarveo", "Consult Kestrune refman for proper format\nFormat axles:min,max, for example "
              "1+2:3.5,4.2: axles 1 and 2, lower bound 3.5, upper bound 4.2.");
inline constexpr const char *WeightConstraintFormat = QT_TRANSLATE_NOOP(
    "Tarveo", "Consult Kestrune refman for proper format\nFormat axles:weight,class;weight,class, "
              "for example 2+3:100,5;180,6: axles 2 and 3, lower weight 100 with class 5, upper "
              "weight 180 with class 6.");
// The header's maximum axle distance: the warning and the invalid state.
inline constexpr const char *MaxAxleDistanceBelowSubclass =
    QT_TRANSLATE_NOOP("Tarveo", "Value is lower than some subclasses.");
inline constexpr const char *MaxAxleDistanceBelowMin =
    QT_TRANSLATE_NOOP("Tarveo", "Value must be higher than min axle distance.");

// Rules for the fields the editor marks red without a tool tip.
inline constexpr const char *NotEmpty = QT_TRANSLATE_NOOP("Tarveo", "Value must not be empty.");
inline constexpr const char *AboveZero =
    QT_TRANSLATE_NOOP("Tarveo", "Value must be higher than 0.");
inline constexpr const char *PlainNumber = QT_TRANSLATE_NOOP(
    "Tarveo", "Value must be written with digits and a decimal point only, such as 12.5.");
inline constexpr const char *MinAxleDistanceAboveMax =
    QT_TRANSLATE_NOOP("Tarveo", "Value must not be higher than max axle distance.");
inline constexpr const char *UnclassifiedIsSubclass =
    QT_TRANSLATE_NOOP("Tarveo", "Value must not be the number of an existing subclass.");
inline constexpr const char *UncategorisedTooLow =
    QT_TRANSLATE_NOOP("Tarveo", "Value must be empty or at least 6.");
// A header key the file does not have at all, where a value would be judged.
inline constexpr const char *KeyMissing =
    QT_TRANSLATE_NOOP("Tarveo", "The key is missing from the file.");
inline constexpr const char *DistanceCountsDiffer =
    QT_TRANSLATE_NOOP("Tarveo", "The file gives a different number of min and max axle distances.");

// A combined constraint that names an axle beyond the subclass's count.
inline constexpr const char *MissingAxle =
    QT_TRANSLATE_NOOP("Tarveo", "The constraint names an axle this subclass does not have.");

} // namespace Messages

#endif
