#ifndef TARVEO_EDITOR_EDITORLOG_H
#define TARVEO_EDITOR_EDITORLOG_H

#include <QLoggingCategory>

// The main window's log: what it does as the user edits.
Q_DECLARE_LOGGING_CATEGORY(tarveoEditor)

#endif
