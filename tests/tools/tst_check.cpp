// tarveo-check run as a program on files the test writes.
#include "model/conf.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

namespace {

constexpr int Passed = 0;
constexpr int Failed = 1;
constexpr int Unusable = 2;
constexpr int RunTimeoutMs = 30000;

const QByteArray ValidFile = "[classes]\n"
                             "country_code=SI\n"
                             "group_max_distance__m=30\n"
                             "max_axle_distance__m=10\n"
                             "min_axle_distance__m=1\n"
                             "unclassified_vehicle_subclass=99\n"
                             "\n"
                             "[subclass_11]\n"
                             "axle_configuration=C2\n"
                             "category=1\n"
                             "max_GVW__kN=35\n"
                             "number_of_axles=2\n"
                             "tyre_type=1,1\n"
                             "max_axle_weight__kN=1,20;2,20\n"
                             "max_axle_distance__m=3.5\n"
                             "min_axle_distance__m=2.2\n"
                             "\n";

struct Run {
    int status = -1;
    QByteArray out;
    QByteArray err;
};

} // namespace

class TestCheck : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();

    void validFilePasses();
    void findingsAreReportedPerFile();
    void earlyStopFailsEvenWhenTheRestIsValid();
    void duplicatesAreReportedWithoutRefusing();
    void unopenableFileAndUsageErrors();
    void printWritesExactlyWhatSaveWrites();
    void printKeepsNonAsciiHeaderBytes();
    void helpAndVersion();

private:
    QString file(const QString &name, const QByteArray &bytes);
    Run run(const QStringList &arguments);

    QTemporaryDir dir;
};

void TestCheck::initTestCase() {
    QVERIFY(dir.isValid());
}

QString TestCheck::file(const QString &name, const QByteArray &bytes) {
    const QString path = dir.filePath(name);
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
    return path;
}

Run TestCheck::run(const QStringList &arguments) {
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("LC_ALL"), QStringLiteral("C.UTF-8"));
    process.setProcessEnvironment(env);
    process.start(QStringLiteral(TARVEO_CHECK_PATH), arguments);
    Run result;
    if (!process.waitForFinished(RunTimeoutMs) || process.exitStatus() != QProcess::NormalExit)
        return result;
    result.status = process.exitCode();
    result.out = process.readAllStandardOutput();
    result.err = process.readAllStandardError();
    return result;
}

void TestCheck::validFilePasses() {
    const QString path = file("valid.conf", ValidFile);
    const Run r = run({path});
    QCOMPARE(r.status, Passed);
    QCOMPARE(r.out, (path + ": ok\n").toUtf8());
}

void TestCheck::findingsAreReportedPerFile() {
    QByteArray header = ValidFile;
    header.replace("country_code=SI", "country_code=XX\ng_acceleration_constant=0");
    const QString badHeader = file("header.conf", header);

    QByteArray subclasses = ValidFile;
    subclasses += "[subclass_5]\ncategory=2\nnumber_of_axles=2\nmax_axle_weight__kN=1,1;2,1\n"
                  "adsl_1=1+12:3,4\n\n";
    const QString badSubclass = file("subclass.conf", subclasses);

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

void TestCheck::earlyStopFailsEvenWhenTheRestIsValid() {
    const QString path = file("stops.conf", ValidFile + "[subclass_12]\n; retired\ncategory=1\n");
    Run r = run({path});
    QCOMPARE(r.status, Failed);
    QVERIFY(r.out.contains(
        (path + ": reading stopped at line 19, the rest of the file was not read: ; retired\n")
            .toUtf8()));
    QVERIFY(r.err.isEmpty());
    r = run({"--log", path});
    QVERIFY(r.err.contains("Read a line without equals: ; retired"));
    // Printed, the partial text is still what Save would write, but the
    // status says it is partial.
    r = run({"--print", path});
    QCOMPARE(r.status, Failed);
    QCOMPARE(QString::fromUtf8(r.out), Conf(path, nullptr).to_string());
    QVERIFY(r.err.contains("reading stopped at line 19"));
}

void TestCheck::duplicatesAreReportedWithoutRefusing() {
    QByteArray twice = ValidFile;
    twice += QByteArray(ValidFile).mid(ValidFile.indexOf("[subclass_11]")).replace("_11", "_14");
    const QString path = file("twice.conf", twice);
    const Run r = run({path});
    QCOMPARE(r.status, Passed); // Save asks and may go on
    QVERIFY(r.out.contains((path + ": duplicate subclasses: 11 = 14\n").toUtf8()));
}

void TestCheck::unopenableFileAndUsageErrors() {
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

void TestCheck::printWritesExactlyWhatSaveWrites() {
    // Everything the reader mends or drops shows: the section number loses
    // its zeros, blanks vanish, empty header values go.
    const QByteArray messy = "[classes]\r\ncountry_code = si\r\nclassification_version=\r\n"
                             "\r\n[subclass_007]\r\nnumber_of_axles=3\r\nadsl_10=1:1,1\r\n"
                             "adsl_2=2:2,2\r\nmax_axle_weight__kN=1,5\r\n";
    const QString path = file("messy.conf", messy);
    const Run r = run({"--print", path});
    QCOMPARE(r.status, Passed);
    QCOMPARE(r.err, QByteArray());
    QCOMPARE(QString::fromUtf8(r.out), Conf(path, nullptr).to_string());
    QVERIFY(r.out.contains("[subclass_7]\n"));
    QVERIFY(r.out.contains("adsl_1=1:1,1\nadsl_2=2:2,2\n"));
}

void TestCheck::printKeepsNonAsciiHeaderBytes() {
    const QByteArray bytes = QStringLiteral("[classes]\nclassification_version=2026-11 "
                                            "Ljubljana–Šentvid\n\n")
                                 .toUtf8();
    const Run r = run({"--print", file("utf8.conf", bytes)});
    QCOMPARE(r.status, Passed);
    QCOMPARE(r.out, bytes);
}

void TestCheck::helpAndVersion() {
    Run r = run({"--version"});
    QCOMPARE(r.status, Passed);
    QCOMPARE(r.out, QByteArray("tarveo-check 3.4.2\n"));
    r = run({"--help"});
    QCOMPARE(r.status, Passed);
    QVERIFY(r.out.contains("--print"));
}

QTEST_GUILESS_MAIN(TestCheck)
#include "tst_check.moc"
