#ifndef TARVEO_EDITOR_EDITORSETTINGS_H
#define TARVEO_EDITOR_EDITORSETTINGS_H

#include <QByteArray>
#include <QStringList>
#include <optional>

// What the editor remembers between starts: the units shown, the window's
// size, place and docks, the files last opened or saved. Kept in the user's
// configuration folder as the toolkit names it, so that a test, which runs
// the toolkit in test mode, never reads or writes the user's own.
namespace EditorSettings {

struct Units {
    uchar weight;
    uchar length;
};
std::optional<Units> units();
void setUnits(const Units &units);

QByteArray windowGeometry();
QByteArray windowState();
void setWindow(const QByteArray &geometry, const QByteArray &state);

// The overview's columns: widths, order, the hidden ones and the sort.
QByteArray overviewColumns();
void setOverviewColumns(const QByteArray &state);

// Most recent first.
QStringList recentFiles();
void setRecentFiles(const QStringList &files);

} // namespace EditorSettings

#endif
