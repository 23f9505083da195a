// Subclass records: construction from a key table, per-axle lists, checks,
// and the combined constraints: the syntax each list is judged by, list
// operations.
#include "modeltestsupport.h"

class TestSubclass : public QObject {
    Q_OBJECT

private slots:
    void constructionFromKeyTable() {
        // Weights in text order, one spare entry per list, combined entries split off.
        const Subclass s(withKeys({}, "subclass=7|number_of_axles=3|tyre_type=1,2,2|"
                                      "max_axle_weight__kN=2,100;1,70;3,90;1+2,150;2+3,120"));
        QCOMPARE(s.to_string(),
                 QStringLiteral("[subclass_7]\nnumber_of_axles=3\ntyre_type=1,2,2\n"
                                "max_axle_weight__kN=1,100;2,70;3,90;1+2,150;2+3,120\n"
                                "max_axle_distance__m=,\nmin_axle_distance__m=,\n"));
        QCOMPARE(s.get_number_of_max_axle_weights(), 4);
        QCOMPARE(s.get_number_of_tyre_types(), 4);
        QCOMPARE(s.get_number_of_min_distances(), 3);
        QCOMPARE(Subclass(withKeys({}, "subclass=4")).get_number_of_max_axle_weights(), 1);

        // A malformed weight ends the reading: no combined entry is read after it.
        const Subclass malformed(withKeys({}, "max_axle_weight__kN=1,70,2,100;1+2,150"));
        QCOMPARE(malformed.get_number_of_max_axle_weights(), 1);
        QCOMPARE(malformed.get_max_axle_weight_at_index(0), QStringLiteral("70"));
        QCOMPARE(malformed.get_number_of_constraints(ConstraintType::Default), 0);

        const Subclass uneven(
            withKeys({}, "min_axle_distance__m=1.2,1.3|max_axle_distance__m=2.5"));
        QCOMPARE(uneven.get_number_of_min_distances(), 2);
        QCOMPARE(uneven.get_number_of_max_distances(), 1);
        QVERIFY(!uneven.is_max_distance_valid(0, "0", "9")); // no maximum pairs with its minimum
        // Only a maximum: neither list is taken, both grow empty.
        const Subclass onlyMax(withKeys({}, "max_axle_distance__m=3.5|number_of_axles=2"));
        QCOMPARE(onlyMax.get_number_of_max_distances(), 2);
        QCOMPARE(onlyMax.get_max_distance_at_index(0), QString());
    }

    void axleCountAndConfiguration_data() {
        QTest::addColumn<QString>("configuration");
        QTest::addColumn<QString>("axles");
        QTest::addColumn<bool>("axlesValid");
        QTest::addColumn<bool>("configurationValid");
        const auto row = [](const char *name, const QString &c, const char *n, bool nv, bool cv) {
            QTest::newRow(name) << c << QString(n) << nv << cv;
        };
        row("C2D2T3 with 6", "C2D2T3", "6", true, false); // parts of 2, 2 and 3 axles
        row("20 axles", "C20", "20", true, true);
        row("1 axle", "C1", "1", false, true);
        row("21 axles", "C21", "21", false, true);
        row("decimal count", "C2", "2.5", false, false);
        row("unknown part", "X2", "2", true, false);
        row("empty", "", "", false, false);
        row("count wraps at 256", "C258", "2", true, true);
        // Text longer than a line can hold is judged invalid without being read.
        row("longest judged", "C" + QString(65534, '0') + "2", "2", true, true);
        row("longer", "C" + QString(65535, '0') + "2", "2", true, false);
    }

    void axleCountAndConfiguration() {
        QFETCH(QString, configuration);
        QFETCH(QString, axles);
        Subclass s;
        s.set_axle_configuration(configuration);
        s.set_number_of_axles(axles);
        QCOMPARE(s.get_axle_configuration(), configuration.toUpper());
        QTEST(s.is_number_of_axles_valid(), "axlesValid");
        QTEST(s.is_axle_configuration_valid(), "configurationValid");
    }

    void completeness_data() {
        QTest::addColumn<QString>("changes");
        QTest::addColumn<bool>("complete");
        for (const char *changes : {"", "tyre_type=4,1", "adsl_1=junk"}) // no constraint counts
            QTest::newRow(changes) << QString(changes) << true;
        for (const char *changes :
             {"min_axle_distance__m=0", "max_axle_distance__m=", "tyre_type=1,5", "tyre_type=0,1",
              "max_axle_weight__kN=1,20;2,0", "category=", "max_GVW__kN=", "axle_configuration=C3",
              "number_of_axles=3|axle_configuration=C3"}) // more axles than entries
            QTest::newRow(changes) << QString(changes) << false;
    }

    void completeness() {
        QFETCH(QString, changes);
        QTEST(twoAxles(changes).is_complete(), "complete");
    }

    void sameAxlesWhereBothListsHaveEntries() {
        Subclass noTyres = twoAxles();
        while (noTyres.get_number_of_tyre_types() > 0)
            noTyres.remove_last_tyre_type();
        QVERIFY(twoAxles().has_same_axles(noTyres));
        noTyres.set_max_axle_weight_at_index("21", 1);
        QVERIFY(!twoAxles().has_same_axles(noTyres));
    }

    void unwritableValues_data() {
        // Keys as the reader collects them; "@list index=text" sets an entry
        // the reader itself never produces.
        QTest::addColumn<QString>("changes");
        QTest::addColumn<QString>("key");
        QTest::addColumn<int>("index");
        const auto row = [](const char *name, const QString &changes, const char *key, int index) {
            QTest::newRow(name) << changes << QString(key) << index;
        };
        row("writable", "", "", -1);
        row("plain value", "axle_configuration=C=2", "axle_configuration", -1);
        row("total", "adsl_0=1=2", "adsl_0", -1);
        row("numbered constraint", "awsl_1=1+2|awsl_2=1+2=3", "awsl", 1);
        row("axle entry", "tyre_type=1=,1", "tyre_type", 0);
        row("line break", "alias=a\nb", "alias", -1);
        row("too long", "alias=" + QString(70000, 'x'), "alias", -1);
        row("weight in exponent notation", "@weight 1=2e+09", "max_axle_weight__kN", 1);
        row("combined weight without weight", "@default -1=1+2,", "default", 0);
        row("distance with comma", "@maxdist 0=1,5", "max_axle_distance__m", 0);
    }

    void unwritableValues() {
        QFETCH(QString, changes);
        QFETCH(QString, key);
        QFETCH(int, index);
        Subclass changed = twoAxles(changes, "9"); // an "@" key is one the record ignores
        const int at = changes.section(' ', 1).section('=', 0, 0).toInt();
        const QString text = changes.section('=', 1);
        if (changes.startsWith("@weight"))
            changed.set_max_axle_weight_at_index(text, at);
        else if (changes.startsWith("@default"))
            changed.set_constraint_at_index(text, at, ConstraintType::Default);
        else if (changes.startsWith("@maxdist"))
            changed.set_max_distance_at_index(text, at);
        QCOMPARE(changed.find_unwritable().key, key);
        QCOMPARE(changed.find_unwritable().index, index);
        Conf conf;
        conf.insert_subclass(4, twoAxles("", "4"));
        conf.insert_subclass(9, changed);
        QCOMPARE(conf.find_unwritable().found, !key.isEmpty());
        QCOMPARE(conf.find_unwritable().number, key.isEmpty() ? 0u : 9u);
    }

    void axleCountsPastTheEnds() {
        // Exactly 20 axles reaches the cap; negative counts shrink nothing and wrap nothing.
        Subclass twenty;
        twenty.set_number_of_axles("20");
        QCOMPARE(twenty.get_number_of_min_distances(), 20);
        twenty.set_number_of_axles("-5");
        QCOMPARE(twenty.get_number_of_min_distances(), 20);
        twenty.set_number_of_axles("-2147483648");
        QVERIFY(!twenty.is_complete() && !twenty.is_valid("0", "9"));
        QVERIFY(twenty.to_string().contains("\ntyre_type=\nmax_axle_weight__kN=\n"));
    }

    void badIndicesLeaveRecordUnchanged() {
        // Each call warns; what matters is that none changes the record or crashes.
        Subclass s = twoAxles("max_axle_weight__kN=1,20;2,20;1+2,150");
        const QString before = s.to_string();
        s.set_max_axle_weight_at_index("5", -1);
        QCOMPARE(s.get_min_distance_at_index(-1), QString());
        QVERIFY(!s.is_min_distance_valid(-3, "0", "9"));
        s.set_constraint_at_index("2+3,100", 1, ConstraintType::Default);
        s.set_constraint_at_index("2+3,100", -4, ConstraintType::Default);
        s.remove_constraint_at_index(-1, ConstraintType::Default);
        QVERIFY(!s.is_constraint_valid(-1, ConstraintType::Default));
        // One past the end is no entry to judge either.
        QVERIFY(!s.is_constraint_valid(1, ConstraintType::Default));
        QVERIFY(!s.is_max_axle_weight_valid(s.get_number_of_max_axle_weights()));
        QVERIFY(!s.is_tyre_type_valid(s.get_number_of_tyre_types()));
        QVERIFY(!s.is_min_distance_valid(s.get_number_of_min_distances(), "0", "9"));
        QVERIFY(!s.is_max_distance_valid(s.get_number_of_max_distances(), "0", "9"));
        QCOMPARE(s.to_string(), before);

        // Past the end is no fault for a setter: the entry is appended.
        s.set_max_axle_weight_at_index("77", 7);
        QCOMPARE(s.get_number_of_max_axle_weights(), 4);
        QCOMPARE(s.get_max_axle_weight_at_index(3), QStringLiteral("77"));
        const FieldRef tyre{Fields::Id::TyreType, s.get_number_of_tyre_types()};
        s.set_value(tyre, "3");
        QCOMPARE(s.get_value(tyre), QStringLiteral("3"));
        s.set_value({Fields::Id::MinAxleDistance, 3}, "2"); // the maximum keeps pace
        QCOMPARE(s.get_number_of_max_distances(), 4);
    }

    void constraintSyntax_data() {
        QTest::addColumn<QString>("type");
        QTest::addColumn<QString>("value");
        QTest::addColumn<bool>("valid");
        // Per list the entries it takes, then some it refuses: each list is
        // judged by its own syntax, and a total may be empty.
        const QString longest = QString("1+").repeated(32766) + "12,1"; // 65536 characters
        const struct {
            const char *type;
            QStringList valid, invalid;
        } lists[] = {
            {"default", {"1+2,150"}, {"1+2:3.5,4", "1,150"}},
            {"adsl", {"1+2:3.5,4", "3:1,2"}, {"1+2:3.,4", "2+3:100,5;180,6"}},
            {"awsl", {"2+3:100,5;180,6"}, {"2+3:100,5"}},
            {"adsl_0", {"", "10,25.5"}, {"50,3;400,7"}},
            {"awsl_0", {"", "50,3;400,7"}, {"10,20"}},
            // Text longer than a line can hold is invalid whatever it says.
            {"default", {longest}, {longest + "0"}},
        };
        for (const auto &list : lists)
            for (const QString &value : list.valid + list.invalid)
                QTest::addRow("%s %s", list.type, qPrintable(value.size() < 99 ? value : "(long)"))
                    << QString(list.type) << value << list.valid.contains(value);
    }

    void constraintSyntax() {
        QFETCH(QString, type);
        QFETCH(QString, value);
        Subclass s;
        s.set_adsl_0(value);
        s.set_awsl_0(value);
        s.set_constraint_at_index(value, -1, type); // a total's key names no list
        QTEST(type == "adsl_0"   ? s.is_adsl_0_valid()
              : type == "awsl_0" ? s.is_awsl_0_valid()
                                 : s.is_constraint_valid(0, type),
              "valid");
    }

    void constraintListOperations() {
        Subclass s;
        for (const char *v : {"1:1,2", "2:2,3", "3:3,4"})
            s.set_constraint_at_index(v, -1, ConstraintType::Adsl);
        // Past the end: warns only.
        QTest::ignoreMessage(QtWarningMsg,
                             "Combined constraints size is smaller than index we tried to delete!");
        s.remove_constraint_at_index(3, ConstraintType::Adsl);
        s.remove_constraint_at_index(0, ConstraintType::Adsl);
        QCOMPARE(s.get_number_of_constraints(ConstraintType::Adsl), 2);
        QCOMPARE(s.get_constraint_at_index(1, ConstraintType::Adsl), QStringLiteral("3:3,4"));
        s.set_constraint_at_index("9:1,1", 0, ConstraintType::Adsl);
        QCOMPARE(s.get_constraint_at_index(0, ConstraintType::Adsl), QStringLiteral("9:1,1"));
        QCOMPARE(s.get_number_of_constraints(ConstraintType::Awsl), 0);

        // Type texts are case-sensitive: another text names no list.
        s.set_constraint_at_index("1+2,150", -1, "Default");
        QCOMPARE(s.get_number_of_constraints(ConstraintType::Default), 0);
        QVERIFY(!s.is_constraint_valid(0, "Default"));
    }
};

QTEST_GUILESS_MAIN(TestSubclass)
#include "tst_subclass.moc"
