// Timings of the operations that must stay fast on large classifications,
// each beside its goal, on generated files of 2,000, 10,000 and 100,000
// subclasses.
#include "figures.h"
#include "generated.h"

#include <QApplication>
#include <QTemporaryDir>
#include <cstdio>

void benchModel(const QString &path, Figures &figures);
void benchEditor(const QString &path, int subclasses, Figures &figures);
void benchOverview(const QString &path, int subclasses, Figures &figures);

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    // The checks explain themselves in the log; a benchmark only times them.
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &) {});
    QTemporaryDir dir;
    int missed = 0;
    for (const int subclasses : {2000, 10000, 100000}) {
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
