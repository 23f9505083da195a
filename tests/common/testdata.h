#ifndef TARVEO_TESTS_TESTDATA_H
#define TARVEO_TESTS_TESTDATA_H

#include <QtCore>

// A file of tests/data, by its path below that folder ("editing/fleet.conf").
// The tests work on a copy made for the test program: Save writes back to
// the file that was opened, and must never reach the tree's own files.
inline QString testData(const QString &relative) {
    static const QTemporaryDir copy;
    static const bool copied = [] {
        const QDir source(qEnvironmentVariable("TARVEO_TEST_DATA"));
        QDirIterator files(source.path(), QDir::Files, QDirIterator::Subdirectories);
        bool complete = copy.isValid();
        while (complete && files.hasNext()) {
            const QString target = copy.filePath(source.relativeFilePath(files.next()));
            complete =
                QDir().mkpath(QFileInfo(target).path()) && QFile::copy(files.filePath(), target);
        }
        return complete;
    }();
    if (!copied)
        qFatal("The test data could not be copied from %s",
               qPrintable(qEnvironmentVariable("TARVEO_TEST_DATA")));
    return QDir::cleanPath(copy.path() + QLatin1Char('/') + relative);
}

// A file's bytes; empty when it cannot be read.
inline QByteArray readBytes(const QString &path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A program run to its end: its exit status (-1 when it did not end by
// itself in time) and what it printed.
struct ProgramRun {
    int status = -1;
    QByteArray out;
    QByteArray err;
    QString text() const { return QString::fromUtf8(out); }
};

// Without a display or a platform setting the program runs as on a build
// server; its standard output goes to outputFile when one is named.
enum class Platform { Kept, Removed };
inline ProgramRun runProgram(const QString &program, const QStringList &arguments,
                             Platform platform = Platform::Kept,
                             const QString &outputFile = QString()) {
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("C.UTF-8"));
    if (platform == Platform::Removed)
        for (const char *name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"})
            environment.remove(QLatin1String(name));
    process.setProcessEnvironment(environment);
    if (!outputFile.isEmpty())
        process.setStandardOutputFile(outputFile);
    process.start(program, arguments);
    const int patience = 60000;
    if (!process.waitForFinished(patience) || process.exitStatus() != QProcess::NormalExit) {
        process.kill();
        process.waitForFinished();
        return {};
    }
    return {process.exitCode(), process.readAllStandardOutput(), process.readAllStandardError()};
}

#endif
