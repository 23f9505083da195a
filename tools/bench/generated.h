#ifndef TARVEO_TOOLS_BENCH_GENERATED_H
#define TARVEO_TOOLS_BENCH_GENERATED_H

#include <QString>

// Writes a classification of count subclasses to path: a valid header and
// realistic subclasses of 2 to 9 axles, every one complete, valid and
// distinct from the others (the gross weight differs), so that every check
// runs to its end. False when the file cannot be written.
bool writeGeneratedClassification(const QString &path, int count);

#endif
