// Subclass records: construction from a key table, per-axle lists, checks.
#include "model/conf.h"
#include "modeltestsupport.h"

#include <QElapsedTimer>
#include <QtTest>
#include <functional>

using Table = QMap<QString, QString>;
using Mutation = std::function<void(Subclass &)>;
Q_DECLARE_METATYPE(Mutation)

class TestSubclass : public QObject {
    Q_OBJECT

private slots:
    void constructionFillsListsWithOneSpare();
    void weightsTakenInTextOrderWithCombinedEntries();
    void malformedWeightEntryStopsWeightReading();
    void constructionWarnings();

    void numberOfAxlesValidity_data();
    void numberOfAxlesValidity();
    void axleConfigurationValidity_data();
    void axleConfigurationValidity();
    void tyreTypeValidity();
    void distanceChecksAgainstHeader();
    void reclassifyTargetNeedsSameAxleText();

    void completenessFailsOnEachRequiredPart_data();
    void completenessFailsOnEachRequiredPart();
    void fullCheckCoversConstraintsAndTotals();
    void canDrawNeedsPositiveUsedDistances();
    void duplicatesIgnoreNumbersAndConstraints();
    void valuesWithEqualsCannotBeWritten_data();
    void valuesWithEqualsCannotBeWritten();

    void hugeAxleCountIsCapped();
    void badIndicesLeaveRecordUnchanged();
};

void TestSubclass::constructionFillsListsWithOneSpare() {
    const Subclass s(Table{{"subclass", "7"},
                           {"number_of_axles", "3"},
                           {"tyre_type", "1,2,2"},
                           {"max_axle_weight__kN", "1,70;2,100;3,100"}});
    QCOMPARE(s.get_number(), 7u);
    QCOMPARE(s.get_number_of_max_axle_weights(), 4);
    QCOMPARE(s.get_number_of_tyre_types(), 4);
    QCOMPARE(s.get_max_axle_weight_at_index(2), QStringLiteral("100"));
    QCOMPARE(s.get_max_axle_weight_at_index(3), QString());
    QCOMPARE(s.get_tyre_type_at_index(1), QStringLiteral("2"));
    QCOMPARE(s.get_number_of_min_distances(), 3);
    QCOMPARE(s.get_number_of_max_distances(), 3);
    // Past the end a getter answers empty text instead of failing.
    QCOMPARE(s.get_max_axle_weight_at_index(40), QString());
}

void TestSubclass::weightsTakenInTextOrderWithCombinedEntries() {
    const Subclass reversed(Table{{"max_axle_weight__kN", "2,100;1,70"}, {"number_of_axles", "2"}});
    QCOMPARE(reversed.get_max_axle_weight_at_index(0), QStringLiteral("100"));
    QCOMPARE(reversed.get_max_axle_weight_at_index(1), QStringLiteral("70"));

    const Subclass combined(Table{{"max_axle_weight__kN", "1,70;2,100;1+2,150;2+3,120"}});
    QCOMPARE(combined.get_number_of_max_axle_weights(), 2);
    QCOMPARE(combined.get_number_of_constraints(ConstraintType::Default), 2);
    QCOMPARE(combined.get_constraint_at_index(0, ConstraintType::Default),
             QStringLiteral("1+2,150"));
    QCOMPARE(combined.get_constraint_at_index(1, ConstraintType::Default),
             QStringLiteral("2+3,120"));
}

void TestSubclass::malformedWeightEntryStopsWeightReading() {
    // ",2,100" splits into three parts: the weights read so far stay, and no
    // combined entry is read after the fault.
    QTest::ignoreMessage(QtWarningMsg, "Expected two values for axle weight, got ,2,100");
    const Subclass s(Table{{"max_axle_weight__kN", "1,70,2,100;1+2,150"}});
    QCOMPARE(s.get_number_of_max_axle_weights(), 1);
    QCOMPARE(s.get_max_axle_weight_at_index(0), QStringLiteral("70"));
    QCOMPARE(s.get_number_of_constraints(ConstraintType::Default), 0);
}

void TestSubclass::constructionWarnings() {
    QTest::ignoreMessage(QtWarningMsg, "Received empty weights string for class 4");
    const Subclass noWeights(Table{{"subclass", "4"}});
    QCOMPARE(noWeights.get_number_of_max_axle_weights(), 1); // the spare of n = 0

    QTest::ignoreMessage(QtWarningMsg, "Mins and maxs have a different number of elements!");
    const Subclass uneven(Table{{"min_axle_distance__m", "1.2,1.3"},
                                {"max_axle_distance__m", "2.5"},
                                {"max_axle_weight__kN", "1,1"}});
    QCOMPARE(uneven.get_number_of_min_distances(), 2);
    QCOMPARE(uneven.get_number_of_max_distances(), 1);

    // Growing uneven lists says so at each step.
    Subclass grown = uneven;
    QTest::ignoreMessage(QtWarningMsg, "set_number_of_axles-axles: 2 != 1");
    QTest::ignoreMessage(QtWarningMsg, "set_number_of_axles-weight/tyre: 1 != 0");
    QTest::ignoreMessage(QtWarningMsg, "set_number_of_axles-weight/tyre: 2 != 1");
    QTest::ignoreMessage(QtWarningMsg, "set_number_of_axles-weight/tyre: 3 != 2");
    grown.set_number_of_axles(QStringLiteral("3"));
    QCOMPARE(grown.get_number_of_min_distances(), 3);
    QCOMPARE(grown.get_number_of_max_distances(), 2);

    // Only a maximum: neither list is taken, both grow empty.
    const Subclass onlyMax(Table{
        {"max_axle_distance__m", "3.5"}, {"number_of_axles", "2"}, {"max_axle_weight__kN", "1,1"}});
    QCOMPARE(onlyMax.get_number_of_max_distances(), 2);
    QCOMPARE(onlyMax.get_max_distance_at_index(0), QString());
}

void TestSubclass::numberOfAxlesValidity_data() {
    QTest::addColumn<QString>("axles");
    QTest::addColumn<bool>("valid");
    QTest::newRow("2") << "2" << true;
    QTest::newRow("20") << "20" << true;
    QTest::newRow("1") << "1" << false;
    QTest::newRow("21") << "21" << false;
    QTest::newRow("2.5") << "2.5" << false;
    QTest::newRow("empty") << "" << false;
    QTest::newRow("text") << "two" << false;
}

void TestSubclass::numberOfAxlesValidity() {
    QFETCH(QString, axles);
    QFETCH(bool, valid);
    Subclass s;
    s.set_number_of_axles(axles);
    QCOMPARE(s.is_number_of_axles_valid(), valid);
}

void TestSubclass::axleConfigurationValidity_data() {
    QTest::addColumn<QString>("configuration");
    QTest::addColumn<QString>("axles");
    QTest::addColumn<bool>("valid");
    QTest::newRow("lower case is stored upper") << "c2"
                                                << "2" << true;
    QTest::newRow("C2D2T3 with 7") << "C2D2T3"
                                   << "7" << true;
    QTest::newRow("C2D2T3 with 6") << "C2D2T3"
                                   << "6" << false;
    QTest::newRow("H2S3") << "H2S3"
                          << "5" << true;
    QTest::newRow("unknown leading part") << "X2"
                                          << "2" << false;
    QTest::newRow("unknown later part") << "C2X1"
                                        << "3" << false;
    QTest::newRow("empty") << ""
                           << "0" << false;
    QTest::newRow("trailing blank") << "C2 "
                                    << "2" << false;
    QTest::newRow("count wraps at 256") << "C258"
                                        << "2" << true;
}

void TestSubclass::axleConfigurationValidity() {
    QFETCH(QString, configuration);
    QFETCH(QString, axles);
    QFETCH(bool, valid);
    Subclass s;
    s.set_axle_configuration(configuration);
    s.set_number_of_axles(axles);
    QCOMPARE(s.get_axle_configuration(), configuration.toUpper());
    QCOMPARE(s.is_axle_configuration_valid(), valid);
}

void TestSubclass::tyreTypeValidity() {
    Subclass s;
    const QStringList types{"0", "1", "4", "5", ""};
    for (int i = 0; i < types.size(); ++i)
        s.set_tyre_type_at_index(types.at(i), i);
    QVERIFY(!s.is_tyre_type_valid(0));
    QVERIFY(s.is_tyre_type_valid(1));
    QVERIFY(s.is_tyre_type_valid(2));
    QVERIFY(!s.is_tyre_type_valid(3));
    QVERIFY(!s.is_tyre_type_valid(4));
    QTest::ignoreMessage(QtWarningMsg,
                         "is_tyre_type_valid: Checking if a nonexistent index 5 exists in array "
                         "of size 5");
    QVERIFY(!s.is_tyre_type_valid(5));
    QTest::ignoreMessage(QtWarningMsg, "get_tyre_type_at_index: Trying to get a nonexistend index "
                                       "5 in array of size 5");
    QCOMPARE(s.get_tyre_type_at_index(5), QString());
}

void TestSubclass::distanceChecksAgainstHeader() {
    Subclass s;
    s.set_min_distance_at_index(QStringLiteral("1.0"), 0);
    s.set_max_distance_at_index(QStringLiteral("1.5"), 0);
    QVERIFY(s.is_min_distance_valid(0, "0.8", "12"));
    QVERIFY(!s.is_min_distance_valid(0, "1.1", "12"));
    QVERIFY(s.is_max_distance_valid(0, "0.8", "12"));
    QVERIFY(!s.is_max_distance_valid(0, "0.8", "1.4"));
    // An empty header maximum admits only distances up to 0.
    QVERIFY(!s.is_min_distance_valid(0, "", ""));
    s.set_max_distance_at_index(QStringLiteral("0.9"), 0); // maximum below minimum
    QVERIFY(!s.is_min_distance_valid(0, "0.8", "12"));
    QVERIFY(!s.is_max_distance_valid(0, "0.8", "12"));

    s.set_max_distance_at_index(QStringLiteral("3"), 1); // lists no longer pair up
    QTest::ignoreMessage(QtWarningMsg,
                         "is_max_distance_valid: Checking if a nonexistent index 0 exists in array "
                         "of size 2");
    QVERIFY(!s.is_max_distance_valid(0, "0", "12"));
}

void TestSubclass::reclassifyTargetNeedsSameAxleText() {
    Subclass s;
    s.set_number_of_axles(QStringLiteral("3"));
    QVERIFY(s.is_reclassify_down_to_subclass_valid(QString()));
    QVERIFY(!s.is_reclassify_down_to_subclass_valid(QStringLiteral("0")));
    QVERIFY(s.is_reclassify_down_to_subclass_valid(QStringLiteral("3")));
    QVERIFY(!s.is_reclassify_up_to_subclass_valid(QStringLiteral("3.0")));
    QVERIFY(!s.is_reclassify_up_to_subclass_valid(QStringLiteral("4")));
}

void TestSubclass::completenessFailsOnEachRequiredPart_data() {
    QTest::addColumn<Mutation>("mutation");
    QTest::addColumn<bool>("complete");
    QTest::newRow("as built") << Mutation([](Subclass &) {}) << true;
    QTest::newRow("min distance 0")
        << Mutation([](Subclass &s) { s.set_min_distance_at_index("0", 0); }) << false;
    QTest::newRow("max distance empty")
        << Mutation([](Subclass &s) { s.set_max_distance_at_index("", 0); }) << false;
    QTest::newRow("tyre type 5") << Mutation([](Subclass &s) { s.set_tyre_type_at_index("5", 1); })
                                 << false;
    QTest::newRow("weight 0") << Mutation([](Subclass &s) {
        s.set_max_axle_weight_at_index("0", 1);
    }) << false;
    QTest::newRow("category empty") << Mutation([](Subclass &s) { s.set_category(""); }) << false;
    QTest::newRow("GVW empty") << Mutation([](Subclass &s) { s.set_max_GVW(""); }) << false;
    QTest::newRow("configuration disagrees")
        << Mutation([](Subclass &s) { s.set_axle_configuration("C3"); }) << false;
    QTest::newRow("more axles than entries") << Mutation([](Subclass &s) {
        s.set_number_of_axles("3");
        s.set_axle_configuration("C3");
    }) << false;
    // Header distances and constraints are no part of completeness.
    QTest::newRow("invalid constraint") << Mutation([](Subclass &s) {
        s.set_constraint_at_index("junk", -1, ConstraintType::Adsl);
    }) << true;
}

void TestSubclass::completenessFailsOnEachRequiredPart() {
    QFETCH(Mutation, mutation);
    QFETCH(bool, complete);
    Subclass s(completeTwoAxleTable());
    mutation(s);
    QCOMPARE(s.is_complete(), complete);
}

void TestSubclass::fullCheckCoversConstraintsAndTotals() {
    const Subclass base(completeTwoAxleTable());
    QVERIFY(base.is_valid("1", "10"));
    QVERIFY(!base.is_valid("2.3", "10")); // minimum distance 2.2 below the header minimum

    Subclass badConstraint = base;
    badConstraint.set_constraint_at_index("1,150", -1, ConstraintType::Default);
    QVERIFY(!badConstraint.is_valid("1", "10"));

    Subclass badTotal = base;
    badTotal.set_awsl_0("50,3");
    QVERIFY(!badTotal.is_valid("1", "10"));
    badTotal.set_awsl_0("50,3;400,7");
    QVERIFY(badTotal.is_valid("1", "10"));
}

void TestSubclass::canDrawNeedsPositiveUsedDistances() {
    Subclass s(completeTwoAxleTable());
    QVERIFY(s.can_draw());
    s.set_number_of_axles("3");
    QVERIFY(!s.can_draw()); // the second distance is an empty spare
    s.set_min_distance_at_index("1", 1);
    s.set_max_distance_at_index("0", 1);
    QVERIFY(!s.can_draw());
    s.set_max_distance_at_index("2", 1);
    QVERIFY(s.can_draw());
    s.set_number_of_axles("1");
    QVERIFY(!s.can_draw());
}

void TestSubclass::duplicatesIgnoreNumbersAndConstraints() {
    Subclass a(completeTwoAxleTable("3"));
    Subclass b(completeTwoAxleTable("7"));
    b.set_constraint_at_index("1+2:3,4", -1, ConstraintType::Adsl);
    QVERIFY(a.is_duplicate_of(b));
    b.set_adsl_0("10,20");
    QVERIFY(!a.is_duplicate_of(b));

    // A list only one record has still agrees.
    Subclass noTyres(completeTwoAxleTable());
    while (noTyres.get_number_of_tyre_types() > 0)
        noTyres.remove_last_tyre_type();
    QVERIFY(a.has_same_axles(noTyres));
    noTyres.set_max_axle_weight_at_index("21", 1);
    QVERIFY(!a.has_same_axles(noTyres));
}

void TestSubclass::valuesWithEqualsCannotBeWritten_data() {
    QTest::addColumn<Mutation>("mutation");
    QTest::newRow("plain value") << Mutation([](Subclass &s) { s.set_axle_configuration("C=2"); });
    QTest::newRow("total") << Mutation([](Subclass &s) { s.set_adsl_0("1=2"); });
    QTest::newRow("constraint") << Mutation(
        [](Subclass &s) { s.set_constraint_at_index("1+2=3", -1, ConstraintType::Awsl); });
    QTest::newRow("axle entry") << Mutation([](Subclass &s) { s.set_tyre_type_at_index("1=", 0); });
    QTest::newRow("line break") << Mutation([](Subclass &s) { s.set_alias("a\nb"); });
}

void TestSubclass::valuesWithEqualsCannotBeWritten() {
    QFETCH(Mutation, mutation);
    Conf conf;
    conf.insert_subclass(4, Subclass(completeTwoAxleTable("4")));
    Subclass changed(completeTwoAxleTable("9"));
    QVERIFY(changed.is_writable());
    mutation(changed);
    QVERIFY(!changed.is_writable());
    conf.insert_subclass(9, changed);
    QCOMPARE(conf.get_unwritable_subclasses(), QVector<quint32>{9});
}

void TestSubclass::hugeAxleCountIsCapped() {
    QElapsedTimer timer;
    timer.start();
    Subclass s(completeTwoAxleTable());
    s.set_number_of_axles(QStringLiteral("2000000000"));
    QVERIFY(s.get_number_of_min_distances() == Subclass::MaxAxles);
    QVERIFY(s.get_number_of_max_distances() == Subclass::MaxAxles);
    QVERIFY(s.get_number_of_max_axle_weights() == Subclass::MaxAxles + 1);
    QVERIFY(s.get_number_of_tyre_types() == Subclass::MaxAxles + 1);
    QVERIFY(!s.is_complete());
    QVERIFY(!s.is_valid("0", "100"));
    QVERIFY(!s.can_draw());
    QVERIFY(timer.elapsed() < 1000);

    // Exactly 20 axles is a real vehicle: the lists reach their cap exactly.
    Subclass twenty;
    twenty.set_number_of_axles(QStringLiteral("20"));
    QCOMPARE(twenty.get_number_of_min_distances(), 20);
    QCOMPARE(twenty.get_number_of_max_axle_weights(), 21);
    twenty.set_number_of_axles(QStringLiteral("-5"));
    QCOMPARE(twenty.get_number_of_min_distances(), 20);
    // The lowest count there is: no list index or count may wrap around.
    twenty.set_number_of_axles(QStringLiteral("-2147483648"));
    QVERIFY(!twenty.is_complete());
    QVERIFY(!twenty.is_valid("0", "9"));
    QVERIFY(!twenty.can_draw());
    QVERIFY(twenty.to_string().contains("\ntyre_type=\nmax_axle_weight__kN=\n"));
}

void TestSubclass::badIndicesLeaveRecordUnchanged() {
    Subclass s(completeTwoAxleTable());
    s.set_constraint_at_index("1+2,150", -1, ConstraintType::Default);
    const QString before = s.to_string();

    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^set_max_axle_weight_at_index: .*-1"));
    s.set_max_axle_weight_at_index("5", -1);
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^set_tyre_type_at_index: .*-2"));
    s.set_tyre_type_at_index("1", -2);
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^get_min_distance_at_index: .*-1"));
    QCOMPARE(s.get_min_distance_at_index(-1), QString());
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^is_max_axle_weight_valid: .* -1 "));
    QVERIFY(!s.is_max_axle_weight_valid(-1));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^is_min_distance_valid: .* -3 "));
    QVERIFY(!s.is_min_distance_valid(-3, "0", "9"));

    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^set_constraint_at_index: .* 1 "));
    s.set_constraint_at_index("2+3,100", 1, ConstraintType::Default);
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^set_constraint_at_index: .* -4 "));
    s.set_constraint_at_index("2+3,100", -4, ConstraintType::Default);
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^get_constraint_at_index: .* 0 "));
    QCOMPARE(s.get_constraint_at_index(0, ConstraintType::Adsl), QString());
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^remove_constraint_at_index: .* -1 "));
    s.remove_constraint_at_index(-1, ConstraintType::Default);
    QTest::ignoreMessage(QtWarningMsg,
                         "Combined constraints size is smaller than index we tried to delete!");
    s.remove_constraint_at_index(1, ConstraintType::Default);
    QTest::ignoreMessage(QtWarningMsg, "Constraint at index -1 does not exist for size 1");
    QVERIFY(!s.is_constraint_valid(-1, ConstraintType::Default));

    QCOMPARE(s.to_string(), before);

    // Past the end is no fault for a setter: the entry is appended.
    s.set_max_axle_weight_at_index("77", 7);
    QCOMPARE(s.get_number_of_max_axle_weights(), 4);
    QCOMPARE(s.get_max_axle_weight_at_index(3), QStringLiteral("77"));
}

QTEST_GUILESS_MAIN(TestSubclass)
#include "tst_subclass.moc"
