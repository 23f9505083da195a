// Reading, checking and writing a classification of 10,000 subclasses.
#include "generated.h"
#include "model/conf.h"

#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTextStream>

namespace {

constexpr int BenchSubclasses = 10000;

} // namespace

void benchModel() {
    QTextStream out(stdout);
    QTemporaryDir dir;
    if (!dir.isValid()) {
        out << "model: no temporary directory\n";
        return;
    }
    const QString source = dir.filePath(QStringLiteral("large.conf"));
    const QString target = dir.filePath(QStringLiteral("large-saved.conf"));
    if (!writeGeneratedClassification(source, BenchSubclasses)) {
        out << "model: cannot write " << source << '\n';
        return;
    }

    QElapsedTimer timer;
    auto report = [&out, &timer](const char *what) {
        out << "model: " << what << ": " << timer.nsecsElapsed() / 1000000.0 << " ms\n";
        out.flush();
        timer.restart();
    };

    timer.start();
    const Conf conf(source, nullptr);
    report("read 10000 subclasses");
    const QString text = conf.to_string();
    report("to_string");
    QString error;
    if (!conf.write_to_file(target, &error))
        out << "model: write failed: " << error << '\n';
    report("write_to_file");
    const bool valid = conf.is_valid().valid;
    report("document check");
    const int invalid = conf.get_invalid_subclasses().size();
    report("invalid subclasses");
    const QString duplicate = conf.find_duplicate_subclasses();
    report("duplicate search");
    out << "model: " << conf.get_subclass_numbers().size() << " subclasses, " << text.size()
        << " characters, document " << (valid ? "valid" : "invalid") << ", " << invalid
        << " invalid subclasses, duplicate pair \"" << duplicate << "\"\n";
}
