// The document: header values and checks, document-wide operations.
#include "modeltestsupport.h"

namespace {

// The values the check takes, set one after the other.
QStringList accepted(void (Conf::*set)(const QString &), bool (Conf::*check)() const,
                     const QStringList &values) {
    Conf conf;
    QStringList valid;
    for (const QString &value : values) {
        (conf.*set)(value);
        if ((conf.*check)())
            valid << value;
    }
    return valid;
}

} // namespace

class TestConf : public QObject {
    Q_OBJECT

private slots:
    void headerValueChecks() {
        // Officially assigned codes only (not user-assigned or reserved ones), in any case.
        QCOMPARE(accepted(&Conf::set_country_code, &Conf::is_country_code_valid,
                          {"SI", "si", "BQ", "XK", "UK", "SVN", ""}),
                 (QStringList{"SI", "si", "BQ"}));
        QCOMPARE(accepted(&Conf::set_g_acceleration_constant,
                          &Conf::is_g_acceleration_constant_valid, {"0", "-9.81", "g", "9.81"}),
                 QStringList{"9.81"});
        QCOMPARE(accepted(&Conf::set_uncategorised_vehicle_category,
                          &Conf::is_uncategorised_vehicle_category_valid, {"5", "six", "6", ""}),
                 (QStringList{"6", ""}));
        Conf conf;
        QVERIFY(!conf.is_g_acceleration_constant_valid()); // absent
        conf.set_country_code("si");
        QCOMPARE(conf.get_country_code(), QStringLiteral("SI"));
    }

    void axleDistanceBounds() {
        // Whether the minimum is valid, and the state of the maximum; the
        // subclasses judged by these header distances.
        Conf conf;
        const auto judged = [&conf](const char *min, const char *max) {
            conf.set_min_axle_distance(min);
            conf.set_max_axle_distance(max);
            return QStringLiteral("%1 %2")
                .arg(conf.is_min_axle_distance_valid())
                .arg(conf.check_max_axle_distance());
        };
        QCOMPARE(judged("", ""), QStringLiteral("1 2")); // empty
        QCOMPARE(judged("1.2", "1.2"), QStringLiteral("1 0"));
        QCOMPARE(judged("1.3", "1.2"), QStringLiteral("0 2"));
        conf.insert_subclass(11, twoAxles("max_axle_distance__m=10"));
        conf.insert_subclass(3, twoAxles("", "3"));
        QCOMPARE(judged("", ""), QStringLiteral("1 2"));
        QCOMPARE(conf.get_invalid_subclasses(), (QVector<quint32>{3, 11})); // by the header
        QCOMPARE(judged("1", "10"), QStringLiteral("1 0"));
        QVERIFY(conf.get_invalid_subclasses().isEmpty());
        conf.get_subclass(3).set_tyre_type_at_index("9", 0);
        QCOMPARE(conf.get_invalid_subclasses(), QVector<quint32>{3});
        // A spare entry past the used ones counts as well.
        conf.get_subclass(11).set_max_distance_at_index("10.5", 1);
        QCOMPARE(judged("1", "10"), QStringLiteral("1 1"));
        // A missing number yields a throw-away record, and a warning.
        conf.get_subclass(42).set_category("5");
        QVERIFY(!conf.has_subclass(42));
        QCOMPARE(conf.get_subclass(42).get_category(), QString());
    }

    void documentCheckOrder() {
        Conf conf;
        conf.set_country_code("XX");
        conf.set_min_axle_distance("5"); // no part of the document check
        conf.insert_subclass(5, twoAxles("category="));
        conf.insert_subclass(2, twoAxles("category="));
        QCOMPARE(conf.is_valid().number, 2u); // subclasses are looked at first
        QVERIFY(!conf.is_valid().valid);
        conf.remove_subclass(2);
        conf.remove_subclass(5);
        conf.insert_subclass(99, twoAxles("", "99"));
        QVERIFY(!conf.is_valid().valid); // the country
        conf.set_country_code("si");
        QVERIFY(!conf.is_valid().valid); // no group distance
        conf.set_group_max_distance("30");
        QVERIFY(conf.is_valid().valid);
        conf.set_unclassified_vehicle_subclass("99");
        QCOMPARE(conf.is_valid().valid, false);
        QCOMPARE(conf.is_valid().number, 0u);
        conf.set_unclassified_vehicle_subclass("140");
        QVERIFY(conf.is_valid().valid);
    }

    void duplicateSearchNamesFirstPair() {
        // The pair with the lowest first number wins, not the lowest neighbours;
        // an alias or other axles make records differ, constraints do not.
        Conf conf;
        QCOMPARE(conf.find_duplicate_subclasses(), QString());
        conf.insert_subclass(1, twoAxles("alias=bus|max_axle_weight__kN=1,99;2,20"));
        conf.insert_subclass(3, twoAxles("", "3"));
        conf.insert_subclass(4, twoAxles("", "4"));
        conf.insert_subclass(2, twoAxles("alias=bus"));
        conf.insert_subclass(9, twoAxles("alias=bus|adsl_1=1+2:3,4"));
        QCOMPARE(conf.find_duplicate_subclasses(), QStringLiteral("2 = 9"));
        conf.remove_subclass(9);
        QCOMPARE(conf.find_duplicate_subclasses(), QStringLiteral("3 = 4"));
    }
};

QTEST_GUILESS_MAIN(TestConf)
#include "tst_conf.moc"
