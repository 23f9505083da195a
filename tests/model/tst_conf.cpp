// The document: header values and checks, document-wide operations.
#include "model/conf.h"
#include "modeltestsupport.h"

#include <QtTest>

class TestConf : public QObject {
    Q_OBJECT

private slots:
    void countryCodes_data() {
        QTest::addColumn<QString>("code");
        QTest::addColumn<bool>("valid");
        for (const char *code : {"SI", "si", "SS", "BQ", "CW", "AX", "ZW"})
            QTest::newRow(code) << code << true;
        for (const char *code : {"XK", "SVN", "", "UK", "AN"})
            QTest::newRow(code) << code << false;
    }

    void countryCodes() {
        QFETCH(QString, code);
        QFETCH(bool, valid);
        Conf conf;
        conf.set_country_code(code);
        QCOMPARE(conf.get_country_code(), code.toUpper());
        QCOMPARE(conf.is_country_code_valid(), valid);
    }

    void headerValueChecks() {
        Conf conf;
        QVERIFY(!conf.is_g_acceleration_constant_valid());
        QVERIFY(conf.is_uncategorised_vehicle_category_valid()); // empty is allowed
        for (const char *bad : {"0", "-9.81", "g"}) {
            conf.set_g_acceleration_constant(bad);
            QVERIFY2(!conf.is_g_acceleration_constant_valid(), bad);
        }
        conf.set_g_acceleration_constant("9.81");
        QVERIFY(conf.is_g_acceleration_constant_valid());
        for (const char *bad : {"5", "six", "-7"}) {
            conf.set_uncategorised_vehicle_category(bad);
            QVERIFY2(!conf.is_uncategorised_vehicle_category_valid(), bad);
        }
        conf.set_uncategorised_vehicle_category("6");
        QVERIFY(conf.is_uncategorised_vehicle_category_valid());
    }

    void unclassifiedSubclassMustNotExist() {
        Conf conf;
        QVERIFY(conf.is_unclassified_vehicle_subclass_valid());
        conf.insert_subclass(0, Subclass(completeTwoAxleTable("0")));
        QVERIFY(!conf.is_unclassified_vehicle_subclass_valid()); // empty text reads as 0
        conf.set_unclassified_vehicle_subclass("12");
        QVERIFY(conf.is_unclassified_vehicle_subclass_valid());
        conf.insert_subclass(12, Subclass(completeTwoAxleTable("12")));
        QVERIFY(!conf.is_unclassified_vehicle_subclass_valid());
        conf.remove_subclass(12);
        QVERIFY(conf.is_unclassified_vehicle_subclass_valid());
    }

    void axleDistanceBounds() {
        Conf conf;
        QVERIFY(conf.is_min_axle_distance_valid());
        QCOMPARE(conf.check_max_axle_distance(), 2);
        conf.set_min_axle_distance("1.2");
        conf.set_max_axle_distance("1.2");
        QVERIFY(conf.is_min_axle_distance_valid());
        conf.set_min_axle_distance("1.3");
        QVERIFY(!conf.is_min_axle_distance_valid());

        conf.set_min_axle_distance("12");
        conf.set_max_axle_distance("10");
        QCOMPARE(conf.check_max_axle_distance(), 2);
        conf.set_min_axle_distance("1");
        Subclass s(completeTwoAxleTable());
        s.set_max_distance_at_index("10", 0);
        conf.insert_subclass(11, s);
        QCOMPARE(conf.check_max_axle_distance(), 0);
        // A spare entry past the used ones counts as well.
        conf.get_subclass(11).set_max_distance_at_index("10.5", 1);
        QCOMPARE(conf.check_max_axle_distance(), 1);
    }

    void documentCheckOrder() {
        Conf conf;
        conf.set_country_code("si");
        conf.set_group_max_distance("30");
        conf.set_min_axle_distance("5"); // no part of the document check
        QVERIFY(conf.is_valid().valid);

        conf.set_group_max_distance("0");
        QCOMPARE(conf.is_valid().valid, false);
        QCOMPARE(conf.is_valid().number, 0u);
        conf.set_group_max_distance("30");

        Subclass incomplete(completeTwoAxleTable());
        incomplete.set_category("");
        conf.insert_subclass(5, incomplete);
        conf.insert_subclass(2, incomplete);
        conf.set_country_code("XX"); // subclasses are looked at first
        QCOMPARE(conf.is_valid().valid, false);
        QCOMPARE(conf.is_valid().number, 2u);

        conf.remove_subclass(2);
        conf.remove_subclass(5);
        conf.set_country_code("SI");
        conf.insert_subclass(99, Subclass(completeTwoAxleTable("99")));
        conf.set_unclassified_vehicle_subclass("99");
        QCOMPARE(conf.is_valid().valid, false);
        conf.set_unclassified_vehicle_subclass("140");
        QCOMPARE(conf.is_valid().valid, true);
    }

    void duplicateSearchNamesFirstPair() {
        Conf conf;
        QCOMPARE(conf.find_duplicate_subclasses(), QString());
        // The pair with the lowest first number wins, not the lowest neighbours;
        // an alias or other axles make records differ.
        Conf &mixed = conf;
        Subclass bus(completeTwoAxleTable());
        bus.set_alias("bus");
        Subclass otherAxles = bus;
        otherAxles.set_max_axle_weight_at_index("99", 0);
        mixed.insert_subclass(1, otherAxles);
        mixed.insert_subclass(3, Subclass(completeTwoAxleTable("3")));
        mixed.insert_subclass(4, Subclass(completeTwoAxleTable("4")));
        mixed.insert_subclass(2, bus);
        mixed.insert_subclass(9, bus);
        QCOMPARE(mixed.find_duplicate_subclasses(), QStringLiteral("2 = 9"));
        mixed.remove_subclass(9);
        QCOMPARE(mixed.find_duplicate_subclasses(), QStringLiteral("3 = 4"));
    }

    void invalidSubclassesUseHeaderDistances() {
        Conf conf;
        QVERIFY(conf.get_invalid_subclasses().isEmpty());
        conf.insert_subclass(3, Subclass(completeTwoAxleTable("3")));
        conf.insert_subclass(1, Subclass(completeTwoAxleTable("1")));
        QCOMPARE(conf.get_invalid_subclasses(), (QVector<quint32>{1, 3})); // header maximum empty
        conf.set_max_axle_distance("10");
        conf.set_min_axle_distance("1");
        QVERIFY(conf.get_invalid_subclasses().isEmpty());
        conf.get_subclass(3).set_tyre_type_at_index("9", 0);
        QCOMPARE(conf.get_invalid_subclasses(), QVector<quint32>{3});
    }

    void missingSubclassYieldsThrowAwayRecord() {
        Conf conf;
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^get_subclass: .*42"));
        conf.get_subclass(42).set_category("5");
        QVERIFY(!conf.has_subclass(42));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^get_subclass: .*42"));
        QCOMPARE(conf.get_subclass(42).get_category(), QString()); // no trace of the earlier change
    }
};

QTEST_GUILESS_MAIN(TestConf)
#include "tst_conf.moc"
