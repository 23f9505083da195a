// tarveo-sheet as a user runs it: a file in, a picture or a report out, a
// clear message and a non-zero exit when either end fails.
#include "common/testdata.h"

#include <QImageReader>
#include <QtTest>

namespace {

// tarveo-sheet, or the program named, run as on a build server.
ProgramRun run(const QStringList &arguments,
               const QString &program = QStringLiteral(TARVEO_SHEET)) {
    return runProgram(program, arguments, Platform::Removed);
}

QString dataFile(const QString &name) {
    return testData("drawing/" + name);
}

} // namespace

class TestSheet : public QObject {
    Q_OBJECT

private:
    QTemporaryDir dir;

private slots:
    // A row for each subclass; a 30 m vehicle widens both views. Any format
    // Qt can write will do; PNG is one of many.
    void picturesGrowWithTheirContent() {
        const QString three = dir.filePath("short.PNG"), one = dir.filePath("long.jpg");
        const ProgramRun sheetRun = run({dataFile("short.conf"), three});
        QVERIFY2(sheetRun.status == 0, sheetRun.err.constData());
        QCOMPARE(run({dataFile("long.conf"), one}).status, 0);
        const QImage rows(three), wide(one);
        QVERIFY(!rows.isNull() && rows.height() > wide.height() && wide.width() > rows.width());
        // The suffix, in any case, names the format.
        QCOMPARE(QImageReader::imageFormat(three) + QImageReader::imageFormat(one), "pngjpeg");
    }

    void report_data() {
        QTest::addColumn<QString>("source");
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<QString>("pageSize");
        QTest::addColumn<QString>("titlePage"); // texts apart by "|"
        QTest::addColumn<QString>("inOrder");   // texts apart by "|", in this order
        QStringList ascending;
        for (int n = 1; n <= 12; ++n)
            ascending << QStringLiteral("Subclass %1 ").arg(n);
        QTest::newRow("A4, tonnes and metres")
            << dataFile("sample.conf") << QStringList() << "(A4)"
            << "File: sample.conf|Subclasses: 14|Invalid subclasses: 13, 14|Units: weights in t "
               "(g = 9.80665), lengths in m|Group max. distance|1.80 m|Min. avg. axle weight|0.51 "
               "t|Page 1 of 8"
            << ascending.join('|') +
                   "|Subclass 13 (not valid) Not valid: axle configuration: Proper format is "
                   "XaYb|Subclass 14 (not valid) Not valid: min. distance between axles 2 and 3: "
                   "Value must be lower|not drawable: the min. distance between axles 2 and 3 is "
                   "not above 0|Page 8 of 8";
        QTest::newRow("letter, pounds and feet")
            << dataFile("short.conf")
            << QStringList{"--units", "lb", "--lengths", "ft", "--page", "letter"} << "(letter)"
            << "Units: weights in lb (g = 9.80665), lengths in ft|39.37 ft"
            << "Subclass 3 |Max. gross weight: 7868.31 lb|7.22 ft|Maximum axle spacing, "
               "distances in ft|7.22|10.50|Subclass 7 (not valid)|2 double|not drawable: the min. "
               "distance between axles 1 and 2 is not above 0|Subclass 20 |Page 3 of 3";
        QTest::newRow("kilonewtons and inches, constraints")
            << testData("rows/trucks.conf") << QStringList{"--units", "kN", "--lengths", "in"}
            << "(A4)"
            << "lengths in in"
            << "Max. gross weight: 400.00 kN|Combined axle weight constraint 1: axles 3+4+5: "
               "240.00 kN|Combined axle distance constraint 1: axles 3+4: 47.24 in to 59.06 in|"
               "Combined axle weight constraint with classes 1: axles 4+5: 100.00 kN class 5, "
               "180.00 kN class 6|Subclass 9 (not valid)|broken (not valid)|Subclass 11 "
               "|Constraints: "
               "none|Page 3 of 3";
        QTest::newRow("tonnes by the file's g")
            << dataFile("g10.conf") << QStringList() << "(A4)"
            << "weights in t (g = 10)|Gravitational acceleration"
            << "Subclass 3 |Max. gross weight: 3.50 t|1.00 t|Subclass 20|Page 3 of 3";
    }

    // The report as an approver reads it: its pages, their size and text;
    // the last page says how many there are. An invalid subclass gives its
    // first reason, and the report ends with the approval line.
    void report() {
        QFETCH(QString, source);
        QFETCH(QStringList, options);
        QFETCH(QString, pageSize);
        QFETCH(QString, titlePage);
        QFETCH(QString, inOrder);
        const QString pdf = dir.filePath("report.pdf");
        const ProgramRun report = run(options << source << pdf);
        QCOMPARE(report.status, 0);
        QCOMPARE(report.err, QByteArray());
        QVERIFY(run({pdf}, "pdfinfo").out.contains(pageSize.toLatin1()));
        const QString title = run({"-l", "1", pdf, "-"}, "pdftotext").text();
        const QString date = QFileInfo(source).lastModified().toString("yyyy-MM-dd HH:mm:ss");
        for (const QString &text : (titlePage + "|File date: " + date).split('|'))
            QVERIFY2(title.contains(text), qPrintable(text + "\n---\n" + title));
        QVERIFY(!title.contains("Subclass "));
        const QString all = run({"-layout", pdf, "-"}, "pdftotext").text().simplified();
        int at = 0;
        for (const QString &text : inOrder.split('|')) {
            at = all.indexOf(text, at);
            QVERIFY2(at >= 0, qPrintable(text + "\n---\n" + all));
        }
        const QString hash =
            QCryptographicHash::hash(readBytes(source), QCryptographicHash::Sha256).toHex();
        const QString approval =
            QStringLiteral("Approval File: %1 SHA-256: %2 Date: %3 Approved by")
                .arg(QFileInfo(source).fileName(), hash,
                     QDate::currentDate().toString("yyyy-MM-dd"));
        QVERIFY2(all.indexOf(approval) > all.lastIndexOf("Subclass "), qPrintable(all.right(300)));
    }

    void failures_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("message");
        const QString png = dir.filePath("out.png"), pdf = dir.filePath("out.pdf");
        const QString shortConf = dataFile("short.conf");
        QTest::newRow("missing file")
            << QStringList{dataFile("nowhere.conf"), png} << 2 << "tarveo-sheet: cannot use";
        QTest::newRow("line without =")
            << QStringList{dataFile("broken.conf"), pdf} << 1
            << "reading stopped at line 6, the rest of the file was not read: number_of_axles 2";
        QTest::newRow("unwritable picture")
            << QStringList{shortConf, "/nonexistent-folder/sheet.png"} << 2
            << "tarveo-sheet: cannot write /nonexistent-folder/sheet.png";
        QTest::newRow("unwritable report")
            << QStringList{shortConf, "/nonexistent-folder/report.pdf"} << 2
            << "tarveo-sheet: cannot write /nonexistent-folder/report.pdf";
        QTest::newRow("unknown unit")
            << QStringList{"--units", "st", shortConf, pdf} << 2 << "--units takes";
        QTest::newRow("svg") << QStringList{shortConf, dir.filePath("out.svg")} << 2
                             << "OUT must end in .pdf for a report or in a picture format";
        QTest::newRow("page size of a picture")
            << QStringList{"--page", "letter", shortConf, png} << 2 << "--page is for a PDF report";
    }

    // A disk that fills up while the output is written: exit 2 with the
    // reason, and the output of an earlier run stays as it was.
    void fullDiskKeepsTheOldOutput_data() {
        QTest::addColumn<QString>("name");
        QTest::newRow("report") << "old.pdf";
        QTest::newRow("picture") << "old.png";
    }

    void fullDiskKeepsTheOldOutput() {
        QFETCH(QString, name);
        QTemporaryDir folder;
        const QString output = folder.filePath(name);
        const QByteArray old(8192, 'x');
        QFile file(output);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(old) == old.size());
        file.close();
        // Files of at most 8 KiB, and a write beyond that fails instead of
        // killing the program.
        const ProgramRun full = run({"-c", "trap '' XFSZ; ulimit -f 8; exec \"$0\" \"$@\"",
                                     TARVEO_SHEET, dataFile("sample.conf"), output},
                                    "bash");
        QCOMPARE(full.status, 2);
        QVERIFY2(full.err.contains(("cannot write " + output + ": File too large").toUtf8()),
                 full.err.constData());
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), old);
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList{name});
    }

    void failures() {
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);
        QFETCH(QString, message);
        const ProgramRun failed = run(arguments);
        QCOMPARE(failed.status, exitCode);
        QVERIFY2(failed.err.contains(message.toUtf8()), failed.err.constData());
        QVERIFY(!QFile::exists(dir.filePath("out.png")) && !QFile::exists(dir.filePath("out.pdf")));
    }
};

QTEST_MAIN(TestSheet)
#include "tst_sheet.moc"
