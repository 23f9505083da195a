#include "generated.h"

#include <QFile>
#include <QStringList>

namespace {

constexpr int FirstAxles = 2;
constexpr int AxleVariants = 8; // 2 to 9 axles
// Configurations of real vehicles for each axle count.
const char *const Configurations[AxleVariants] = {"C2",   "H3",   "H2S2",   "H2S3",
                                                  "H3S3", "H3T4", "H2T3S3", "H3D2S4"};

QString subclassText(int n) {
    const int axles = FirstAxles + n % AxleVariants;
    QStringList tyres, weights, mins, maxs;
    for (int a = 1; a <= axles; ++a) {
        tyres << QString::number(1 + a % 2);
        weights << QStringLiteral("%1,%2").arg(a).arg(60 + (n + a) % 90);
        if (a < axles) {
            mins << QStringLiteral("%1.2").arg(1 + a % 3);
            maxs << QStringLiteral("%1.5").arg(3 + a % 3);
        }
    }
    weights << QStringLiteral("1+2,%1").arg(150 + n % 50);
    return QStringLiteral("[subclass_%1]\nalias=%1\naxle_configuration=%2\ncategory=%3\n"
                          "max_GVW__kN=%4\nnumber_of_axles=%5\nreclassify_up_to_subclass=%1\n"
                          "upper_GVW_limit__kN=%6\n"
                          "tyre_type=%7\nmax_axle_weight__kN=%8\nmax_axle_distance__m=%9\n")
               .arg(n)
               .arg(QLatin1String(Configurations[axles - FirstAxles]))
               .arg(1 + n % 5)
               .arg(100 + n)
               .arg(axles)
               .arg(120 + n)
               .arg(tyres.join(','), weights.join(';'), maxs.join(',')) +
           QStringLiteral("min_axle_distance__m=%1\nadsl_1=1+2:1,%2\n\n")
               .arg(mins.join(','))
               .arg(4 + n % 7);
}

} // namespace

bool writeGeneratedClassification(const QString &path, int count) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    QByteArray text = "[classes]\nclassification_version=bench\ncountry_code=SI\n"
                      "group_max_distance__m=30\nmax_axle_distance__m=12\n"
                      "min_axle_distance__m=0.8\nunclassified_vehicle_subclass=0\n\n";
    for (int n = 1; n <= count; ++n)
        text += subclassText(n).toUtf8();
    return file.write(text) == text.size();
}
