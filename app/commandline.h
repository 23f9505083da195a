#ifndef TARVEO_APP_COMMANDLINE_H
#define TARVEO_APP_COMMANDLINE_H

#include <QString>
#include <QStringList>

class Tarveo;

// The editor's command line: tarveo [--log] [FILE], with --help and --version.
namespace CommandLine {

// Answers --help and --version and ends the process when the command line
// asks for one of them and holds no toolkit option (-platform, -style...);
// returns otherwise. Called before any application object exists, so that
// the answer needs no display.
void answerWithoutDisplay(int &argc, char **argv);

// The file named on the command line as an absolute path, as the Open
// dialog would give it; empty when none is named. --log turns on every log
// line of the program from here on. --help and --version print
// their answer and end the process; so does a command line that cannot be
// followed (an unknown option, more than one file), with the reason on
// standard error and exit status 1. The application object must exist.
QString fileToOpen(const QStringList &arguments);

// Shows the window and, once the event loop runs, opens path in it as
// File > Open does: a box about a file that cannot be read, or was read only
// in part, then comes up over a window already shown. Opens nothing when
// path is empty.
void showAndOpen(Tarveo &window, const QString &path);

} // namespace CommandLine

#endif
