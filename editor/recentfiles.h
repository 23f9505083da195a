#ifndef TARVEO_EDITOR_RECENTFILES_H
#define TARVEO_EDITOR_RECENTFILES_H

#include <QObject>

class QMenu;

// File > Open Recent: the last files opened or saved, most recent first,
// remembered between starts.
class RecentFiles : public QObject {
    Q_OBJECT

public:
    static constexpr int Kept = 8;

    RecentFiles(QMenu *menu, QObject *parent);

    void add(const QString &path);
    void remove(const QString &path);

signals:
    void chosen(const QString &path);

private:
    void showEntries();
    QMenu *menu;
};

#endif
