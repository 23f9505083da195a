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

#endif
