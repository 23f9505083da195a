#include "editor/editorsettings.h"

#include "units/units.h"

#include <QDir>
#include <QSettings>
#include <QStandardPaths>

namespace {

const QString FileName = QStringLiteral("tarveo.ini");
const QString WeightUnitKey = QStringLiteral("units/weight");
const QString LengthUnitKey = QStringLiteral("units/length");
const QString GeometryKey = QStringLiteral("window/geometry");
const QString StateKey = QStringLiteral("window/state");
const QString OverviewColumnsKey = QStringLiteral("overview/columns");
const QString RecentFilesKey = QStringLiteral("recentFiles");

// QSettings finds its own folder without the toolkit's test mode; the
// path is named here so that the test mode holds for it too.
QSettings store() {
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
    return QSettings(QDir(folder).filePath(FileName), QSettings::IniFormat);
}

} // namespace

namespace EditorSettings {

std::optional<Units> units() {
    const QSettings settings = store();
    bool weightRead = false, lengthRead = false;
    const uint weight = settings.value(WeightUnitKey).toUInt(&weightRead);
    const uint length = settings.value(LengthUnitKey).toUInt(&lengthRead);
    // Only units the window knows are taken.
    if (!weightRead || !lengthRead || weight > Kilonewtons || length > Inches)
        return std::nullopt;
    return Units{uchar(weight), uchar(length)};
}

void setUnits(const Units &units) {
    QSettings settings = store();
    settings.setValue(WeightUnitKey, uint(units.weight));
    settings.setValue(LengthUnitKey, uint(units.length));
}

QByteArray windowGeometry() {
    return store().value(GeometryKey).toByteArray();
}

QByteArray windowState() {
    return store().value(StateKey).toByteArray();
}

void setWindow(const QByteArray &geometry, const QByteArray &state) {
    QSettings settings = store();
    settings.setValue(GeometryKey, geometry);
    settings.setValue(StateKey, state);
}

QByteArray overviewColumns() {
    return store().value(OverviewColumnsKey).toByteArray();
}

void setOverviewColumns(const QByteArray &state) {
    store().setValue(OverviewColumnsKey, state);
}

QStringList recentFiles() {
    return store().value(RecentFilesKey).toStringList();
}

void setRecentFiles(const QStringList &files) {
    store().setValue(RecentFilesKey, files);
}

} // namespace EditorSettings
