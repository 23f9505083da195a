#include "generated.h"

#include <QFile>
#include <QStringList>
#include <QTextStream>

namespace {

constexpr int AxleVariants = 5; // 2 to 6 axles
constexpr int FirstAxles = 2;

QString generatedText(int count) {
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
                mins << QString::number(1 + a % 3);
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

bool writeGeneratedClassification(const QString &path, int count) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    QTextStream stream(&file);
    stream << generatedText(count);
    stream.flush();
    return stream.status() == QTextStream::Ok;
}
