// Combined constraints: value syntax and list operations.
#include "model/subclass.h"

#include <QtTest>

class TestConstraints : public QObject {
    Q_OBJECT

private slots:
    void syntax_data();
    void syntax();
    void totals_data();
    void totals();
    void removeMovesLaterEntriesUp();
};

void TestConstraints::syntax_data() {
    QTest::addColumn<QString>("type");
    QTest::addColumn<QString>("value");
    QTest::addColumn<bool>("valid");
    const QString d = ConstraintType::Default, a = ConstraintType::Adsl, w = ConstraintType::Awsl;
    QTest::newRow("default two axles") << d << "1+2,150" << true;
    QTest::newRow("default three axles, decimals") << d << "1+2+3,99.5" << true;
    QTest::newRow("default bare point") << d << "1+2,150." << true;
    QTest::newRow("default one axle") << d << "1,150" << false;
    QTest::newRow("default extra field") << d << "1+2,150,7" << false;
    QTest::newRow("default leading text") << d << "x1+2,150" << false;
    QTest::newRow("default sign") << d << "1+2,-150" << false;
    QTest::newRow("adsl") << a << "1+2:3.5,4" << true;
    QTest::newRow("adsl single axle") << a << "3:1,2" << true;
    QTest::newRow("adsl two-digit last axle") << a << "1+12:3,4" << false;
    QTest::newRow("adsl bare point") << a << "1+2:3.,4" << false;
    QTest::newRow("adsl trailing blank") << a << "1+2:3,4 " << false;
    QTest::newRow("awsl") << w << "2+3:100,5;180,6" << true;
    QTest::newRow("awsl decimal class") << w << "2+3:100,5.5;180,6" << false;
    QTest::newRow("awsl missing upper") << w << "2+3:100,5" << false;
    QTest::newRow("awsl exponent") << w << "2+3:1e2,5;180,6" << false;
}

void TestConstraints::syntax() {
    QFETCH(QString, type);
    QFETCH(QString, value);
    QFETCH(bool, valid);
    Subclass s;
    s.set_constraint_at_index(value, -1, type);
    QCOMPARE(s.get_constraint_at_index(0, type), value);
    QCOMPARE(s.is_constraint_valid(0, type), valid);
}

void TestConstraints::totals_data() {
    QTest::addColumn<QString>("adsl0");
    QTest::addColumn<QString>("awsl0");
    QTest::addColumn<bool>("adslValid");
    QTest::addColumn<bool>("awslValid");
    QTest::newRow("empty") << ""
                           << "" << true << true;
    QTest::newRow("both well formed") << "10,25.5"
                                      << "50,3;400,7" << true << true;
    QTest::newRow("halves") << "10"
                            << "50,3" << false << false;
    QTest::newRow("swapped syntax") << "50,3;400,7"
                                    << "10,20" << false << false;
}

void TestConstraints::totals() {
    QFETCH(QString, adsl0);
    QFETCH(QString, awsl0);
    QFETCH(bool, adslValid);
    QFETCH(bool, awslValid);
    Subclass s;
    s.set_adsl_0(adsl0);
    s.set_awsl_0(awsl0);
    QCOMPARE(s.is_adsl_0_valid(), adslValid);
    QCOMPARE(s.is_awsl_0_valid(), awslValid);
}

void TestConstraints::removeMovesLaterEntriesUp() {
    Subclass s;
    for (const char *v : {"1:1,2", "2:2,3", "3:3,4"})
        s.set_constraint_at_index(QString::fromLatin1(v), -1, ConstraintType::Adsl);
    QTest::ignoreMessage(QtWarningMsg,
                         "Combined constraints size is smaller than index we tried to delete!");
    s.remove_constraint_at_index(3, ConstraintType::Adsl);
    QCOMPARE(s.get_number_of_constraints(ConstraintType::Adsl), 3);
    s.remove_constraint_at_index(1, ConstraintType::Adsl);
    QCOMPARE(s.get_number_of_constraints(ConstraintType::Adsl), 2);
    QCOMPARE(s.get_constraint_at_index(1, ConstraintType::Adsl), QStringLiteral("3:3,4"));
    s.set_constraint_at_index(QStringLiteral("9:1,1"), 0, ConstraintType::Adsl);
    QCOMPARE(s.get_constraint_at_index(0, ConstraintType::Adsl), QStringLiteral("9:1,1"));
    // The other kinds are separate lists.
    QCOMPARE(s.get_number_of_constraints(ConstraintType::Awsl), 0);
    QTest::ignoreMessage(QtWarningMsg, "Constraint at index 2 does not exist for size 2");
    QVERIFY(!s.is_constraint_valid(2, ConstraintType::Adsl));

    // Type texts are case-sensitive: another text names no list.
    s.set_constraint_at_index(QStringLiteral("1+2,150"), -1, QStringLiteral("Default"));
    QCOMPARE(s.get_number_of_constraints(ConstraintType::Default), 0);
    QVERIFY(!s.is_constraint_valid(0, QStringLiteral("Default")));
}

QTEST_GUILESS_MAIN(TestConstraints)
#include "tst_constraints.moc"
