// Timings of the operations that must stay fast on large classifications,
// each beside its goal, on generated files of 2,000, 10,000 and 100,000
// subclasses, or of the sizes given: tarveo-bench [SUBCLASSES...]
#include "figures.h"
#include "generated.h"
#include "model/modellog.h"

#include <QApplication>
#include <QLoggingCategory>
#include <QTemporaryDir>
#include <cstdio>

void benchModel(const QString &path, Figures &figures);
void benchEditor(const QString &path, int subclasses, Figures &figures);
void benchOverview(const QString &path, int subclasses, Figures &figures);

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    // The checks explain themselves in the log; a benchmark only times them.
    QLoggingCategory::setFilterRules(Logging::Nothing);
    QTemporaryDir dir;
    QVector<int> sizes = {2000, 10000, 100000};
    if (app.arguments().size() > 1) {
        sizes.clear();
        for (const QString &size : app.arguments().mid(1))
            sizes << size.toInt();
    }
    int missed = 0;
    for (const int subclasses : sizes) {
        const QString path = dir.filePath(QStringLiteral("generated-%1.conf").arg(subclasses));
        if (!dir.isValid() || !writeGeneratedClassification(path, subclasses)) {
            std::fprintf(stderr, "bench: cannot write %s\n", qPrintable(path));
            return 1;
        }
        Figures figures(subclasses);
        benchModel(path, figures);
        benchEditor(path, subclasses, figures);
        benchOverview(path, subclasses, figures);
        missed += figures.goalsMissed();
    }
    std::printf("%d goals missed\n", missed);
    return 0;
}
