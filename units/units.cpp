#include "units/units.h"

#include "model/numbers.h"

#include <QCoreApplication>

namespace {

// The suffixes appear in the window's labels, so they translate in its context.
QString windowText(const char *text) {
    return QCoreApplication::translate("Tarveo", text);
}

} // namespace

namespace Units {

bool weightFactorFor(uchar unit, float g, float *factor) {
    switch (unit) {
    case Tons:
        *factor = g;
        return true;
    case Pounds:
        *factor = PoundFactor;
        return true;
    case Kilonewtons:
        *factor = KilonewtonFactor;
        return true;
    default:
        return false;
    }
}

bool lengthFactorFor(uchar unit, float *factor) {
    switch (unit) {
    case Meters:
        *factor = MeterFactor;
        return true;
    case Feet:
        *factor = FootFactor;
        return true;
    case Inches:
        *factor = InchFactor;
        return true;
    default:
        return false;
    }
}

QString weightSuffix(uchar unit) {
    switch (unit) {
    case Pounds:
        return windowText("(lb):");
    case Kilonewtons:
        return windowText("(kN):");
    default:
        return windowText("(t):");
    }
}

QString lengthSuffix(uchar unit) {
    switch (unit) {
    case Feet:
        return windowText("(ft):");
    case Inches:
        return windowText("(in):");
    default:
        return windowText("(m):");
    }
}

bool isDefaultG(float g) {
    return g == DefaultG;
}

double fileToDisplay(const QString &text, float factor) {
    if (text.isEmpty())
        return 0;
    const float quotient = Numbers::asFloat(text) / factor;
    return quotient;
}

// The document never holds "inf" or "nan": a value too large for a 32-bit
// float in document units is no value at all.
QString documentText(float value, float factor) {
    const float product = value * factor;
    return qIsFinite(product) ? Numbers::general(product) : QString();
}

QString displayToFileText(const QString &text, float factor) {
    if (text.isEmpty())
        return QString();
    const float value = Numbers::asFloat(text);
    if (value < 0)
        return QString();
    return documentText(value, factor);
}

QString editToFileText(const QString &text, float factor) {
    if (text.isEmpty())
        return QString();
    const float value = Numbers::asFloat(text);
    if (value <= 0)
        return QString();
    return documentText(value, factor);
}

bool isTooLarge(const QString &text, float factor) {
    const float value = Numbers::asFloat(text);
    return value > 0 && !qIsFinite(value * factor);
}

QString formatSum(double value, float factor) {
    return Numbers::general(value / static_cast<double>(factor));
}

QString fieldText(double displayed) {
    // Written so that a value that is not a number also gives an empty field.
    if (!(displayed > 0) || !qIsFinite(displayed))
        return QString();
    return Numbers::fixed(displayed, FieldDecimals);
}

QString withSuffix(const QString &labelText, const QString &suffix) {
    const int bracket = labelText.indexOf(QLatin1Char('('));
    return (bracket < 0 ? labelText : labelText.left(bracket)) + suffix;
}

} // namespace Units
