// Combined constraints: the syntax each list is judged by, and list operations.
#include "modeltestsupport.h"

class TestConstraints : public QObject {
    Q_OBJECT

private slots:
    void syntax_data() {
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

    void syntax() {
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

    void listOperations() {
        Subclass s;
        for (const char *v : {"1:1,2", "2:2,3", "3:3,4"})
            s.set_constraint_at_index(v, -1, ConstraintType::Adsl);
        s.remove_constraint_at_index(3, ConstraintType::Adsl); // past the end: warns only
        s.remove_constraint_at_index(1, ConstraintType::Adsl);
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

QTEST_GUILESS_MAIN(TestConstraints)
#include "tst_constraints.moc"
