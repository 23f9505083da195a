// tarveo-check run as a program on sample files.
#include "common/testdata.h"
#include "model/conf.h"

#include <QtTest>

namespace {

constexpr int Passed = 0;
constexpr int Failed = 1;
constexpr int Unusable = 2;

struct Run : ProgramRun {
    QJsonObject json() const { return QJsonDocument::fromJson(out).object(); }
    // The exit status and the output.
    QString result() const { return QString::number(status) + ": " + text(); }
};

Run run(const QStringList &arguments, const QString &outputFile = QString()) {
    return {runProgram(QStringLiteral(TARVEO_CHECK_PATH), arguments, Platform::Kept, outputFile)};
}

} // namespace

class TestCheck : public QObject {
    Q_OBJECT

private slots:
    // The files of check/ are one valid file, changed or added to.
    void findingsSayWhy() {
        const QString badHeader = testData("check/badheader.conf");
        const QString badSubclass = testData("check/badsubclass.conf");
        Run r = run({badHeader, badSubclass});
        QCOMPARE(r.status, Failed);
        const QString s5 = badSubclass + ": subclass 5: ";
        for (const QString &line :
             {badHeader + ": header country_code: Enter a two letter ISO code.",
              badHeader + ": the header is invalid; Save refuses the file",
              s5 + "tyre type of axle 1: Valid types are between 1 and 4",
              // The editor's tip of several lines stays one line here.
              s5 + "axle configuration: Proper format is XaYb where X must be one of: A=tractor,",
              badSubclass + ": invalid subclasses: 5",
              badSubclass + ": subclass 5 is incomplete; Save refuses the file"})
            QVERIFY2(r.text().contains(line), qPrintable(line + "\n---\n" + r.text()));
        QVERIFY(!r.text().contains(badHeader + ": subclass") &&
                !r.text().contains(badSubclass + ": header") && !r.out.contains(": ok"));

        // The same findings as one document, for a CI system.
        const int lines = r.out.count('\n');
        r = run({"--format", "json", badHeader, badSubclass});
        QCOMPARE(r.status, Failed);
        const QJsonArray findings = r.json()["findings"].toArray();
        QCOMPARE(findings.size(), lines - 1); // the text's summary line is no finding
        const QJsonObject tyre{
            {"file", badSubclass}, {"subclass", 5}, {"field", "tyre_type"},
            {"axle", 1},           {"value", ""},   {"message", "Valid types are between 1 and 4"},
            {"severity", "error"}};
        QVERIFY2(findings.contains(tyre), qPrintable(r.text()));
        // A constraint is named by its row, a distance by its gap.
        const QJsonArray trucks =
            run({"--format", "json", testData("rows/trucks.conf")}).json()["findings"].toArray();
        QCOMPARE(trucks[1].toObject().value("row").toInt(), 2);
        QCOMPARE(trucks[2].toObject().value("gap").toInt(), 1);
    }

    void earlyStopFailsEvenWhenTheRestIsValid() {
        const QString path = testData("check/stops.conf");
        Run r = run({path});
        QVERIFY(r.result().startsWith(
            "1: " + path +
            ": reading stopped at line 19, the rest of the file was not read: ; retired\n"));
        // Printed, the partial text is what Save would write; the status says it is partial.
        r = run({"--print", path});
        QCOMPARE(r.result(), "1: " + Conf(path, nullptr).to_string());
        QVERIFY(r.err.contains("reading stopped at line 19"));
    }

    void duplicatesAreReportedWithoutRefusing() {
        const QString path = testData("check/twice.conf");
        // Save asks and may go on.
        const Run r = run({path});
        QVERIFY(r.result().startsWith("0: ") &&
                r.text().contains(path + ": warning: duplicate subclasses: 11 = 14\n"));
    }

    void whatTheReaderKeptIsNoted() {
        // Latin-1, a key the editor does not read, a line naming another number.
        const QString kept = testData("check/kept.conf");
        const QString warning = kept + ": warning: ";
        QCOMPARE(run({kept}).result(),
                 "0: " + warning +
                     "the file is not valid UTF-8; it was read as Latin-1, and Save writes it so "
                     "again\n" +
                     warning +
                     "subclass 11: line 10 is no key the editor reads; Save keeps it as it "
                     "stands: alias = 44\n" +
                     warning +
                     "subclass 11: line 14 is no key the editor reads; Save keeps it as it "
                     "stands: note=x\n" +
                     warning +
                     "subclass 11: line 16 names subclass 9, but the section header's number "
                     "stands; Save keeps the line as it stands: subclass=9\n");
        QCOMPARE(run({"--strict", kept}).status, Failed);
        QCOMPARE(run({"--print", kept}).out, readBytes(kept));
        QVERIFY(run({"--diff", testData("check/valid.conf"), kept})
                    .out.contains("\nsubclass 11: note: (none) -> x\n"));

        // The earlier of two sections of one number is not in the document.
        const QString twice = testData("check/twosections.conf");
        QCOMPARE(run({twice}).result(),
                 "1: " + twice +
                     ": subclass 11 is named by two sections, [subclass_11] at line 8 and "
                     "[subclass_011] at line 18; the later replaced the earlier\n");
        QCOMPARE(run({"--print", twice}).status, Failed);
    }

    void unopenableFileAndUsageErrors() {
        const QString valid = testData("check/valid.conf");
        const QString missing = testData("check/missing.conf");
        QCOMPARE(run({valid}).result(), "0: " + valid + ": ok\n");
        // The other files are still checked.
        QCOMPARE(run({valid, missing}).result(),
                 "2: " + valid + ": ok\n" + missing + ": cannot be read: there is no such file\n");
        QCOMPARE(run({"--print", missing}).result(), QStringLiteral("2: "));
    }

    void usageErrorsSayWhatIsWrong_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("reason");
        const QString f = testData("check/valid.conf");
        QTest::newRow("unknown option")
            << QStringList{"--no-such-option", f} << "Unknown option 'no-such-option'.";
        QTest::newRow("format") << QStringList{"--format", "xml", f}
                                << "--format takes text or json";
        QTest::newRow("no file") << QStringList{} << "no FILE given";
        QTest::newRow("two files to print")
            << QStringList{"--print", f, f} << "--print takes exactly one FILE";
        // Options that would be ignored are refused.
        for (const char *pair : {"--print --diff", "--print --overlaps", "--print --strict",
                                 "--print --format json", "--diff --overlaps", "--diff --strict"}) {
            const QStringList options = QString(pair).split(' ');
            QTest::newRow(pair) << options + QStringList{f, f}
                                << options[0] + " cannot be used with " + options.mid(1).join(' ');
        }
    }

    void usageErrorsSayWhatIsWrong() {
        QFETCH(QStringList, arguments);
        QFETCH(QString, reason);
        const Run r = run(arguments);
        QCOMPARE(r.result(), QStringLiteral("2: "));
        QCOMPARE(QString::fromUtf8(r.err),
                 "tarveo-check: " + reason + "\nTry 'tarveo-check --help'.\n");
    }

    void outputThatCannotBeWrittenFails_data() {
        QTest::addColumn<QStringList>("arguments");
        const QString f = testData("check/valid.conf");
        QTest::newRow("check") << QStringList{f};
        QTest::newRow("print") << QStringList{"--print", f};
        QTest::newRow("help") << QStringList{"--help"};
    }

    void outputThatCannotBeWrittenFails() {
        QFETCH(QStringList, arguments);
        const Run r = run(arguments, "/dev/full");
        QCOMPARE(r.status, Unusable);
        QCOMPARE(r.err, "tarveo-check: cannot write the output: No space left on device\n");
    }

    void printWritesExactlyWhatSaveWrites() {
        // What the reader mends or drops shows: section zeros, blanks, empty
        // header values, line ends of CR LF; other bytes come out as they went
        // in, UTF-8 as UTF-8.
        const QString path = testData("check/messy.conf");
        const Run r = run({"--print", path});
        QCOMPARE(r.result(), "0: " + Conf(path, nullptr).to_string());
        QCOMPARE(r.err, QByteArray());
        QVERIFY(r.text().contains(QStringLiteral("[subclass_7]\nalias=Ljubljana–Šentvid\n")));
    }

    void overlappingSubclasses() {
        const QString path = testData("check/overlapping.conf");
        // Warnings only.
        QCOMPARE(run({"--overlaps", path}).result(),
                 "0: " + path +
                     ": warning: subclasses 21 and 22 overlap in axle distances: axles 1-2 "
                     "4 to 4.5 m\n" +
                     path +
                     ": warning: subclasses 31 and 32 overlap in axle distances: axles 1-2 "
                     "4 to 4.5 m, axles 2-3 1.3 to 1.5 m\n");
        QCOMPARE(run({path}).result(), "0: " + path + ": ok\n");
        QCOMPARE(run({"--overlaps", "--strict", path}).status, Failed);

        const QJsonArray overlaps =
            run({"--overlaps", "--format", "json", path}).json()["overlaps"].toArray();
        QCOMPARE(overlaps[1].toObject()["gaps"].toArray()[1].toObject(),
                 (QJsonObject{{"gap", 2}, {"min", 1.3}, {"max", 1.5}}));
    }

    void diff_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("out");
        const QString fleet = testData("editing/fleet.conf");
        const QString revised = testData("check/fleet-revised.conf");
        QTest::newRow("same content in other spelling")
            << QStringList{fleet, testData("check/fleet-respelled.conf")} << Passed << QString();
        QTest::newRow("revised") << QStringList{fleet, revised} << Failed
                                 << "--- " + fleet + "\n+++ " + revised +
                                        "\nheader max_axle_distance__m: 12 -> 13\n"
                                        "subclass 4: reclassify_up_to_subclass: 9 -> 12\n"
                                        "subclass 4: tyre_type, axle 3: 3 -> 2\n"
                                        "subclass 4: adsl: 3+4:1.2,1.5 -> 3+4:1.2,1.6\n"
                                        "subclass 9: removed\n"
                                        "subclass 12: added\n";
        QTest::newRow("new file missing")
            << QStringList{fleet, testData("check/none.conf")} << Unusable << QString();
        QTest::newRow("old file read in part")
            << QStringList{testData("editing/stopped.conf"), fleet} << Unusable << QString();
        QTest::newRow("one file") << QStringList{fleet} << Unusable << QString();
    }

    void diff() {
        QFETCH(QStringList, arguments);
        QFETCH(int, status);
        QFETCH(QString, out);
        const Run r = run(QStringList{"--diff"} + arguments);
        QCOMPARE(r.result(), QString::number(status) + ": " + out);
        QCOMPARE(r.err.isEmpty(), status != Unusable);
        if (status != Failed)
            return;
        // The same changes as one document.
        const QJsonArray changes =
            run(QStringList{"--diff", "--format", "json"} + arguments).json()["changes"].toArray();
        QCOMPARE(changes[2].toObject(), (QJsonObject{{"change", "changed"},
                                                     {"subclass", 4},
                                                     {"field", "tyre_type"},
                                                     {"axle", 3},
                                                     {"old", "3"},
                                                     {"new", "2"}}));
    }
};

QTEST_GUILESS_MAIN(TestCheck)
#include "tst_check.moc"
