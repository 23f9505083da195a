#include "editor/editorlog.h"

Q_LOGGING_CATEGORY(tarveoEditor, "tarveo.editor", QtInfoMsg)
