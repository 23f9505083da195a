// tarveo-check run as a program on files the test writes and on sample files.
#include "app/version.h"
#include "model/conf.h"
#include "model/modeltestsupport.h"

#include "common/testdata.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

namespace {

constexpr int Passed = 0;
constexpr int Failed = 1;
constexpr int Unusable = 2;

// The worked example with header distance bounds, so that it passes every check.
const QByteArray ValidFile =
    QByteArray(WorkedExample)
        .replace("unclassified", "max_axle_distance__m=10\nmin_axle_distance__m=1\nunclassified");

struct Run {
    int status = -1;
    QByteArray out;
    QByteArray err;
};

} // namespace

class TestCheck : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(dir.isValid()); }

    void validFilePasses() {
        const QString path = file("valid.conf", ValidFile);
        const Run r = run({path});
        QCOMPARE(r.status, Passed);
        QCOMPARE(r.out, (path + ": ok\n").toUtf8());
    }

    void findingsSayWhy() {
        const QString badHeader = file(
            "header.conf", QByteArray(ValidFile).replace(
                               "country_code=SI", "country_code=XX\ng_acceleration_constant=0"));
        const QString badSubclass =
            file("subclass.conf", ValidFile + "[subclass_5]\ncategory=2\nnumber_of_axles=2\n"
                                              "max_axle_weight__kN=1,1;2,1\nadsl_1=1+12:3,4\n\n");

        Run r = run({badHeader, badSubclass});
        QCOMPARE(r.status, Failed);
        const QString out = QString::fromUtf8(r.out);
        const QString s5 = badSubclass + ": subclass 5: ";
        for (const QString &line :
             {badHeader + ": header country_code: Enter a two letter ISO code.",
              badHeader + ": header g_acceleration_constant: Value must be higher than 0.",
              badHeader + ": the header is invalid; Save refuses the file",
              s5 + "tyre type of axle 1: Valid types are between 1 and 4",
              s5 + "combined axle distance constraint 1: Consult Kestrune refman for proper format",
              // The editor's tip of several lines stays one line here.
              s5 + "axle configuration: Proper format is XaYb where X must be one of: A=tractor,",
              badSubclass + ": invalid subclasses: 5",
              badSubclass + ": subclass 5 is incomplete; Save refuses the file"})
            QVERIFY2(out.contains(line), qPrintable(line + "\n---\n" + out));
        QVERIFY(!out.contains(badHeader + ": subclass") && !out.contains(badSubclass + ": header"));
        QVERIFY(!out.contains(": ok"));

        // The same findings as one document, for a CI system.
        r = run({"--format", "json", badHeader, badSubclass});
        QCOMPARE(r.status, Failed);
        const QJsonObject doc = QJsonDocument::fromJson(r.out).object();
        QCOMPARE(doc["files"].toArray().size(), 2);
        QCOMPARE(doc["files"].toArray()[1].toObject()["status"].toInt(), Failed);
        const QJsonArray findings = doc["findings"].toArray();
        QCOMPARE(findings.size(), out.count('\n') - 1); // the text's summary line is no finding
        const QJsonObject tyre{
            {"file", badSubclass}, {"subclass", 5}, {"field", "tyre_type"},
            {"axle", 1},           {"value", ""},   {"message", "Valid types are between 1 and 4"},
            {"severity", "error"}};
        QVERIFY2(findings.contains(tyre), r.out.constData());
        QVERIFY(!doc.contains("overlaps"));
    }

    void earlyStopFailsEvenWhenTheRestIsValid() {
        const QString path =
            file("stops.conf", ValidFile + "[subclass_12]\n; retired\ncategory=1\n");
        Run r = run({path});
        QCOMPARE(r.status, Failed);
        QVERIFY(r.out.contains(
            (path + ": reading stopped at line 19, the rest of the file was not read: ; retired\n")
                .toUtf8()));
        QVERIFY(r.err.isEmpty());
        r = run({"--log", path});
        QVERIFY(r.err.contains("Read a line without equals: ; retired"));
        // Printed, the partial text is what Save would write; the status says it is partial.
        r = run({"--print", path});
        QCOMPARE(r.status, Failed);
        QCOMPARE(QString::fromUtf8(r.out), Conf(path, nullptr).to_string());
        QVERIFY(r.err.contains("reading stopped at line 19"));
    }

    void duplicatesAreReportedWithoutRefusing() {
        const QByteArray second =
            ValidFile.mid(ValidFile.indexOf("[subclass_11]")).replace("_11", "_14");
        const QString path = file("twice.conf", ValidFile + second);
        const Run r = run({path});
        QCOMPARE(r.status, Passed); // Save asks and may go on
        QVERIFY(r.out.contains((path + ": warning: duplicate subclasses: 11 = 14\n").toUtf8()));
        QCOMPARE(run({"--strict", path}).status, Failed);
    }

    void unopenableFileAndUsageErrors() {
        const QString valid = file("valid2.conf", ValidFile);
        const QString missing = dir.filePath("missing.conf");
        Run r = run({valid, missing});
        QCOMPARE(r.status, Unusable);
        QVERIFY(r.out.contains((missing + ": cannot be read: there is no such file\n").toUtf8()));
        QVERIFY(run({"/dev/zero"}).out.contains(": cannot be read: it is not a regular file\n"));
        QVERIFY(r.out.contains((valid + ": ok\n").toUtf8())); // the other files are still checked

        QCOMPARE(run({}).status, Unusable);
        QCOMPARE(run({"--print", valid, valid}).status, Unusable);
        QCOMPARE(run({"--no-such-option", valid}).status, Unusable);
        QCOMPARE(run({"--format", "xml", valid}).status, Unusable);
        r = run({"--print", missing});
        QCOMPARE(r.status, Unusable);
        QVERIFY(r.out.isEmpty());
    }

    void printWritesExactlyWhatSaveWrites() {
        // What the reader mends or drops shows: section zeros, blanks, empty header values.
        const QByteArray messy = "[classes]\r\ncountry_code = si\r\nclassification_version=\r\n"
                                 "\r\n[subclass_007]\r\nnumber_of_axles=3\r\nadsl_10=1:1,1\r\n"
                                 "adsl_2=2:2,2\r\nmax_axle_weight__kN=1,5\r\n";
        const QString path = file("messy.conf", messy);
        Run r = run({"--print", path});
        QCOMPARE(r.status, Passed);
        QCOMPARE(r.err, QByteArray());
        QCOMPARE(QString::fromUtf8(r.out), Conf(path, nullptr).to_string());
        QVERIFY(r.out.contains("[subclass_7]\n"));
        QVERIFY(r.out.contains("adsl_1=2:2,2\nadsl_2=1:1,1\n"));

        // Non-ASCII header bytes come out as they went in.
        const QByteArray utf8 = QStringLiteral("[classes]\nclassification_version=2026-11 "
                                               "Ljubljana–Šentvid\n\n")
                                    .toUtf8();
        r = run({"--print", file("utf8.conf", utf8)});
        QCOMPARE(r.status, Passed);
        QCOMPARE(r.out, utf8);
    }

    void overlappingSubclasses() {
        const QString path = data("check/overlapping.conf");
        const QString pairs =
            path +
            ": warning: subclasses 21 and 22 overlap in axle distances: axles 1-2 4 to 4.5 "
            "m\n" +
            path +
            ": warning: subclasses 31 and 32 overlap in axle distances: axles 1-2 4 to 4.5 "
            "m, axles 2-3 1.3 to 1.5 m\n";
        Run r = run({"--overlaps", path});
        QCOMPARE(r.status, Passed); // warnings
        QCOMPARE(QString::fromUtf8(r.out), pairs);
        QCOMPARE(run({path}).out, (path + ": ok\n").toUtf8());
        QCOMPARE(run({"--overlaps", "--strict", path}).status, Failed);

        r = run({"--overlaps", "--format", "json", path});
        const QJsonArray overlaps = QJsonDocument::fromJson(r.out).object()["overlaps"].toArray();
        QCOMPARE(overlaps.size(), 2);
        QCOMPARE(overlaps[1].toObject()["subclasses"].toArray(), (QJsonArray{31, 32}));
        QCOMPARE(overlaps[1].toObject()["gaps"].toArray()[1].toObject(),
                 (QJsonObject{{"gap", 2}, {"min", 1.3}, {"max", 1.5}}));
    }

    void diff_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("out");
        const QString fleet = data("editing/fleet.conf");
        const QString revised = data("check/fleet-revised.conf");
        QTest::newRow("same content in other spelling")
            << QStringList{fleet, data("check/fleet-respelled.conf")} << Passed << QString();
        QTest::newRow("revised") << QStringList{fleet, revised} << Failed
                                 << "--- " + fleet + "\n+++ " + revised +
                                        "\nheader max_axle_distance__m: 12 -> 13\n"
                                        "subclass 4: reclassify_up_to_subclass: 9 -> 12\n"
                                        "subclass 4: tyre_type, axle 3: 3 -> 2\n"
                                        "subclass 4: adsl: 3+4:1.2,1.5 -> 3+4:1.2,1.6\n"
                                        "subclass 9: removed\n"
                                        "subclass 12: added\n";
        QTest::newRow("new file missing")
            << QStringList{fleet, data("check/none.conf")} << Unusable << QString();
        QTest::newRow("old file read in part")
            << QStringList{data("editing/stopped.conf"), fleet} << Unusable << QString();
        QTest::newRow("one file") << QStringList{fleet} << Unusable << QString();
    }

    void diff() {
        QFETCH(QStringList, arguments);
        QFETCH(int, status);
        QFETCH(QString, out);
        const Run r = run(QStringList{"--diff"} + arguments);
        QCOMPARE(r.status, status);
        QCOMPARE(QString::fromUtf8(r.out), out);
        QCOMPARE(r.err.isEmpty(), status != Unusable);
    }

    void diffAsJson() {
        const Run r = run({"--diff", "--format", "json", data("editing/fleet.conf"),
                           data("check/fleet-revised.conf")});
        QCOMPARE(r.status, Failed);
        const QJsonObject doc = QJsonDocument::fromJson(r.out).object();
        QCOMPARE(doc["equal"].toBool(), false);
        const QJsonArray changes = doc["changes"].toArray();
        QCOMPARE(changes.size(), 6);
        QCOMPARE(changes[2].toObject(), (QJsonObject{{"change", "changed"},
                                                     {"subclass", 4},
                                                     {"field", "tyre_type"},
                                                     {"axle", 3},
                                                     {"old", "3"},
                                                     {"new", "2"}}));
        QCOMPARE(changes[5].toObject(), (QJsonObject{{"change", "added"}, {"subclass", 12}}));
    }

    void helpAndVersion() {
        Run r = run({"--version"});
        QCOMPARE(r.status, Passed);
        QCOMPARE(r.out, QByteArray("tarveo-check " TARVEO_VERSION "\n"));
        r = run({"--help"});
        QCOMPARE(r.status, Passed);
        QVERIFY(r.out.contains("--diff") && r.out.contains("distances only"));
    }

private:
    QString file(const QString &name, const QByteArray &bytes) {
        const QString path = dir.filePath(name);
        if (!writeBytes(path, bytes))
            qFatal("cannot write %s", qPrintable(path));
        return path;
    }
    static QString data(const QString &name) { return testData(name); }
    Run run(const QStringList &arguments);

    QTemporaryDir dir;
};

Run TestCheck::run(const QStringList &arguments) {
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("LC_ALL"), QStringLiteral("C.UTF-8"));
    process.setProcessEnvironment(env);
    process.start(QStringLiteral(TARVEO_CHECK_PATH), arguments);
    Run result;
    if (!process.waitForFinished(30000) || process.exitStatus() != QProcess::NormalExit)
        return result;
    result.status = process.exitCode();
    result.out = process.readAllStandardOutput();
    result.err = process.readAllStandardError();
    return result;
}

QTEST_GUILESS_MAIN(TestCheck)
#include "tst_check.moc"
