#ifndef TARVEO_TESTS_TESTDATA_H
#define TARVEO_TESTS_TESTDATA_H

#include <QString>

// A file of tests/data, by its path below that folder ("editing/fleet.conf").
inline QString testData(const QString &relative) {
    return qEnvironmentVariable("TARVEO_TEST_DATA") + QLatin1Char('/') + relative;
}

#endif
