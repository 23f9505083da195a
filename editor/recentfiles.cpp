#include "editor/recentfiles.h"

#include "editor/editorsettings.h"

#include <QDir>
#include <QFileInfo>
#include <QMenu>

RecentFiles::RecentFiles(QMenu *menu, QObject *parent) : QObject(parent), menu(menu) {
    showEntries();
}

void RecentFiles::add(const QString &path) {
    QStringList files = EditorSettings::recentFiles();
    files.removeAll(path);
    files.prepend(path);
    EditorSettings::setRecentFiles(files.mid(0, Kept));
    showEntries();
}

void RecentFiles::remove(const QString &path) {
    QStringList files = EditorSettings::recentFiles();
    files.removeAll(path);
    EditorSettings::setRecentFiles(files);
    showEntries();
}

void RecentFiles::showEntries() {
    menu->clear();
    const QStringList files = EditorSettings::recentFiles().mid(0, Kept);
    for (int i = 0; i < files.size(); ++i) {
        const QString &path = files.at(i);
        // "&1 site.conf": a digit picks the entry from the keyboard.
        QAction *entry =
            menu->addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(QFileInfo(path).fileName()));
        entry->setStatusTip(QDir::toNativeSeparators(path));
        connect(entry, &QAction::triggered, this, [this, path] { emit chosen(path); });
    }
    menu->setEnabled(!files.isEmpty());
}
