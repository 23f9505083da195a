// Combined constraints: value syntax and list operations.
#include "model/subclass.h"

#include <QtTest>

class TestConstraints : public QObject {
    Q_OBJECT

private slots:
    void syntax_data() {
        QTest::addColumn<QString>("type");
        QTest::addColumn<QString>("value");
        QTest::addColumn<bool>("valid");
        const QString d = ConstraintType::Default, a = ConstraintType::Adsl,
                      w = ConstraintType::Awsl;
        const QString ta = QStringLiteral("adsl_0"), tw = QStringLiteral("awsl_0");
        const struct {
            const QString &type;
            const char *value;
            bool valid;
        } rows[] = {
            {d, "1+2,150", true},
            {d, "1+2+3,99.5", true},
            {d, "1+2,150.", true},
            {d, "1,150", false},
            {d, "1+2,150,7", false},
            {d, "x1+2,150", false},
            {d, "1+2,-150", false},
            {a, "1+2:3.5,4", true},
            {a, "3:1,2", true},
            {a, "1+12:3,4", false},
            {a, "1+2:3.,4", false},
            {a, "1+2:3,4 ", false},
            {w, "2+3:100,5;180,6", true},
            {w, "2+3:100,5.5;180,6", false},
            {w, "2+3:100,5", false},
            {w, "2+3:1e2,5;180,6", false},
            {ta, "", true},
            {ta, "10,25.5", true},
            {ta, "10", false},
            {ta, "50,3;400,7", false},
            {tw, "", true},
            {tw, "50,3;400,7", true},
            {tw, "50,3", false},
            {tw, "10,20", false},
        };
        for (const auto &r : rows)
            QTest::addRow("%s %s", qPrintable(r.type), r.value) << r.type << r.value << r.valid;
    }

    void syntax() {
        QFETCH(QString, type);
        QFETCH(QString, value);
        QFETCH(bool, valid);
        Subclass s;
        if (type == QLatin1String("adsl_0")) {
            s.set_adsl_0(value);
            QCOMPARE(s.is_adsl_0_valid(), valid);
        } else if (type == QLatin1String("awsl_0")) {
            s.set_awsl_0(value);
            QCOMPARE(s.is_awsl_0_valid(), valid);
        } else {
            s.set_constraint_at_index(value, -1, type);
            QCOMPARE(s.get_constraint_at_index(0, type), value);
            QCOMPARE(s.is_constraint_valid(0, type), valid);
        }
    }

    void listOperations() {
        Subclass s;
        for (const char *v : {"1:1,2", "2:2,3", "3:3,4"})
            s.set_constraint_at_index(QString::fromLatin1(v), -1, ConstraintType::Adsl);
        QTest::ignoreMessage(QtWarningMsg,
                             "Combined constraints size is smaller than index we tried to delete!");
        s.remove_constraint_at_index(3, ConstraintType::Adsl);
        s.remove_constraint_at_index(1, ConstraintType::Adsl);
        QCOMPARE(s.get_number_of_constraints(ConstraintType::Adsl), 2);
        QCOMPARE(s.get_constraint_at_index(1, ConstraintType::Adsl), QStringLiteral("3:3,4"));
        s.set_constraint_at_index(QStringLiteral("9:1,1"), 0, ConstraintType::Adsl);
        QCOMPARE(s.get_constraint_at_index(0, ConstraintType::Adsl), QStringLiteral("9:1,1"));
        QCOMPARE(s.get_number_of_constraints(ConstraintType::Awsl), 0);

        // Type texts are case-sensitive: another text names no list.
        s.set_constraint_at_index(QStringLiteral("1+2,150"), -1, QStringLiteral("Default"));
        QCOMPARE(s.get_number_of_constraints(ConstraintType::Default), 0);
        QVERIFY(!s.is_constraint_valid(0, QStringLiteral("Default")));
    }
};

// Type, value, valid. The per-subclass totals (adsl_0, awsl_0) share the table.
QTEST_GUILESS_MAIN(TestConstraints)
#include "tst_constraints.moc"
