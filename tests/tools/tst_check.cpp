// tarveo-check run as a program on files the test writes.
#include "model/conf.h"
#include "model/modeltestsupport.h"

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

    void findingsAreReportedPerFile() {
        const QString badHeader = file(
            "header.conf", QByteArray(ValidFile).replace(
                               "country_code=SI", "country_code=XX\ng_acceleration_constant=0"));
        const QString badSubclass =
            file("subclass.conf", ValidFile + "[subclass_5]\ncategory=2\nnumber_of_axles=2\n"
                                              "max_axle_weight__kN=1,1;2,1\nadsl_1=1+12:3,4\n\n");

        const Run r = run({badHeader, badSubclass});
        QCOMPARE(r.status, Failed);
        const QString out = QString::fromUtf8(r.out);
        QVERIFY2(out.contains(badHeader + ": header country_code=XX:"), qPrintable(out));
        QVERIFY(out.contains(badHeader + ": header g_acceleration_constant=0:"));
        QVERIFY(out.contains(badHeader + ": the header is invalid; Save refuses the file\n"));
        QVERIFY(!out.contains(badHeader + ": invalid subclasses"));
        QVERIFY(out.contains(badSubclass + ": invalid subclasses: 5\n"));
        QVERIFY(out.contains(badSubclass + ": subclass 5 is incomplete; Save refuses the file\n"));
        QVERIFY(!out.contains(badSubclass + ": header"));
        QVERIFY(!out.contains(": ok"));
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
        QVERIFY(r.out.contains((path + ": duplicate subclasses: 11 = 14\n").toUtf8()));
    }

    void unopenableFileAndUsageErrors() {
        const QString valid = file("valid2.conf", ValidFile);
        const QString missing = dir.filePath("missing.conf");
        Run r = run({valid, missing});
        QCOMPARE(r.status, Unusable);
        QVERIFY(r.out.contains((missing + ": cannot be opened\n").toUtf8()));
        QVERIFY(r.out.contains((valid + ": ok\n").toUtf8())); // the other files are still checked

        QCOMPARE(run({}).status, Unusable);
        QCOMPARE(run({"--print", valid, valid}).status, Unusable);
        QCOMPARE(run({"--no-such-option", valid}).status, Unusable);
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

    void helpAndVersion() {
        Run r = run({"--version"});
        QCOMPARE(r.status, Passed);
        QVERIFY(r.out.startsWith("tarveo-check "));
        r = run({"--help"});
        QCOMPARE(r.status, Passed);
        QVERIFY(r.out.contains("--print"));
    }

private:
    QString file(const QString &name, const QByteArray &bytes) {
        const QString path = dir.filePath(name);
        if (!writeBytes(path, bytes))
            qFatal("cannot write %s", qPrintable(path));
        return path;
    }
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
