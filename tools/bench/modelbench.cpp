// Reading, checking and writing a classification of 10,000 subclasses.
#include "model/conf.h"

#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTextStream>

namespace {

constexpr int BenchSubclasses = 10000;
constexpr int AxleVariants = 5; // 2 to 6 axles
constexpr int FirstAxles = 2;

QString generatedFile(int count) {
    QString text = QStringLiteral("[classes]\ncountry_code=SI\ngroup_max_distance__m=30\n"
                                  "max_axle_distance__m=12\nmin_axle_distance__m=0.8\n"
                                  "unclassified_vehicle_subclass=0\n\n");
    for (int n = 1; n <= count; ++n) {
        const int axles = FirstAxles + n % AxleVariants;
        QStringList tyres, weights, mins, maxs;
        for (int a = 1; a <= axles; ++a) {
            tyres << QString::number(1 + a % 2);
            weights << QStringLiteral("%1,%2").arg(a).arg(60 + (n + a) % 90);
            if (a < axles) {
                mins << QStringLiteral("%1").arg(1 + a % 3);
                maxs << QStringLiteral("%1.5").arg(3 + a % 3);
            }
        }
        weights << QStringLiteral("1+2,%1").arg(150 + n % 50);
        text += QStringLiteral("[subclass_%1]\naxle_configuration=C%2\ncategory=%3\n"
                               "max_GVW__kN=%4\nnumber_of_axles=%2\ntyre_type=%5\n"
                               "max_axle_weight__kN=%6\nmax_axle_distance__m=%7\n"
                               "min_axle_distance__m=%8\nadsl_1=1+2:1,%9\n\n")
                    .arg(n)
                    .arg(axles)
                    .arg(1 + n % 5)
                    .arg(100 + n)
                    .arg(tyres.join(','), weights.join(';'), maxs.join(','), mins.join(','))
                    .arg(4 + n % 7);
    }
    return text;
}

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
    {
        QFile file(source);
        if (!file.open(QIODevice::WriteOnly)) {
            out << "model: cannot write " << source << '\n';
            return;
        }
        QTextStream stream(&file);
        stream << generatedFile(BenchSubclasses);
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
