// tarveo-sheet as a user runs it: a file in, a picture or a report out, a
// clear message and a non-zero exit when either end fails.
#include "common/testdata.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

namespace {

struct Run {
    int status = -1; // -1: did not finish
    QString out;
    QString err;
};

// Runs a program without any display or platform setting, as on a build
// server.
Run runProgram(const QString &program, const QStringList &arguments) {
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"})
        environment.remove(QLatin1String(name));
    process.setProcessEnvironment(environment);
    process.start(program, arguments);
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit) {
        process.kill();
        return {-1, QString(), QStringLiteral("did not finish")};
    }
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromLocal8Bit(process.readAllStandardError())};
}

QPair<int, QString> runSheet(const QStringList &arguments) {
    const Run run = runProgram(QStringLiteral(TARVEO_SHEET), arguments);
    return {run.status, run.err};
}

// The text of a PDF's pages, from first to last, as poppler reads it.
QString pdfText(const QString &pdf, int first = 1, int last = 0) {
    QStringList arguments{"-f", QString::number(first)};
    if (last > 0)
        arguments << "-l" << QString::number(last);
    return runProgram("pdftotext", arguments << pdf << "-").out;
}

QString dataFile(const QString &name) {
    return testData("drawing/" + name);
}

// The layout: 10-pixel margins, a 26-pixel heading, a 150-pixel label
// column, two drawing columns of at least 360 pixels (90 % of the 400-pixel
// view) with 10-pixel gaps, and rows 81 + 8 pixels high.
constexpr int standardWidth = 2 * 10 + 150 + 2 * (360 + 10);
constexpr int heightFor(int rows) {
    return 2 * 10 + 26 + rows * (81 + 8);
}

// Whether the area holds anything darker than rules and text anti-aliasing:
// a drawn vehicle.
bool hasDrawing(const QImage &image, const QRect &area) {
    int dark = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            dark += qGray(image.pixel(x, y)) < 40 ? 1 : 0;
    return dark > 100;
}

} // namespace

class SheetTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir dir;

private slots:
    void drawsEveryRowInAscendingNumber() {
        const auto run = runSheet({dataFile("short.conf"), dir.filePath("short.png")});
        QVERIFY2(run.first == 0, qPrintable(run.second));
        const QImage sheet(dir.filePath("short.png"));
        QCOMPARE(sheet.size(), QSize(standardWidth, heightFor(3)));

        // Rows: 3 (a car), 7 (a zero distance: not drawable), 20 (a truck).
        const int top = 10 + 26 + 4;
        const int minColumn = 10 + 150 + 10;
        const int maxColumn = minColumn + 360 + 10;
        const auto row = [&](int column, int index, int dx = 0, int height = 81) {
            return hasDrawing(sheet, QRect(column + dx, top + index * 89, 360 - dx, height));
        };
        for (int column : {minColumn, maxColumn})
            QVERIFY(row(column, 0) && !row(column, 1) && row(column, 2));
        // The truck's last wheel lies beyond 110 pixels only at maximum spacing.
        QVERIFY(!row(minColumn, 2, 110));
        QVERIFY(row(maxColumn, 2, 110));
        // The car is lower than the truck: nothing above its roof.
        QVERIFY(!row(minColumn, 0, 0, 25));
        QVERIFY(row(minColumn, 2, 0, 25));
    }

    void longVehiclesWidenTheColumns() {
        const auto run = runSheet({dataFile("long.conf"), dir.filePath("long.png")});
        QVERIFY2(run.first == 0, qPrintable(run.second));
        const QImage sheet(dir.filePath("long.png"));
        QCOMPARE(sheet.height(), heightFor(1));
        // 30 m at 21 pixels a metre: the maximum view is some 660 pixels
        // long, 300 more than a standard column, and both columns widen.
        QVERIFY2(sheet.width() >= standardWidth + 2 * 290 &&
                     sheet.width() <= standardWidth + 2 * 320,
                 qPrintable(QString::number(sheet.width())));
    }

    void initTestCase() {
        QFile source(dataFile("short.conf"));
        QVERIFY(source.open(QIODevice::ReadOnly));
        QFile withG(dir.filePath("g10.conf"));
        QVERIFY(withG.open(QIODevice::WriteOnly));
        withG.write(
            source.readAll().replace("[classes]\n", "[classes]\ng_acceleration_constant=10\n"));
    }

    void report_data() {
        QTest::addColumn<QString>("source");
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<QString>("pageSize");
        QTest::addColumn<int>("pages");
        QTest::addColumn<QStringList>("titlePage");
        QTest::addColumn<QStringList>("inOrder");
        QStringList ascending;
        for (int n = 1; n <= 12; ++n)
            ascending << QStringLiteral("Subclass %1\n").arg(n);
        QTest::newRow("A4, tonnes and metres")
            << dataFile("sample.conf") << QStringList() << "(A4)" << 6
            << QStringList{"File: sample.conf",
                           "Subclasses: 14",
                           "Invalid subclasses: 13, 14",
                           "Units: weights in t (g = 9.80665), lengths in m",
                           "Group max. distance",
                           "1.80 m",
                           "Min. avg. axle weight",
                           "0.51 t",
                           "Page 1 of 6"}
            << ascending +
                   QStringList{"Subclass 13 (not valid)", "Subclass 14 (not valid)", "Page 6 of 6"};
        QTest::newRow("letter, pounds and feet")
            << dataFile("short.conf")
            << QStringList{"--units", "lb", "--lengths", "ft", "--page", "letter"} << "(letter)"
            << 2 << QStringList{"Units: weights in lb (g = 9.80665), lengths in ft", "39.37 ft"}
            << QStringList{"Subclass 3\n", "Max. gross weight: 7868.31 lb",
                           "7.22 ft",      "Subclass 7 (not valid)",
                           "not drawable", "Subclass 20\n",
                           "Page 2 of 2"};
        QTest::newRow("kilonewtons and inches, constraints")
            << testData("rows/trucks.conf") << QStringList{"--units", "kN", "--lengths", "in"}
            << "(A4)" << 3 << QStringList{"lengths in in"}
            << QStringList{"Max. gross weight: 400.00 kN",
                           "Combined axle weight constraint: axles 3+4+5: 240.00 kN",
                           "Combined axle distance constraint: axles 3+4: 47.24 in to 59.06 in",
                           "Combined axle weight constraint with classes: axles 4+5: 100.00 kN "
                           "class 5, 180.00 kN class 6",
                           "Subclass 9 (not valid)",
                           "broken (not valid)",
                           "Subclass 11\n",
                           "Constraints: none"};
        QTest::newRow("tonnes by the file's g")
            << dir.filePath("g10.conf") << QStringList() << "(A4)" << 2
            << QStringList{"weights in t (g = 10)", "Gravitational acceleration"}
            << QStringList{"Subclass 3\n", "Max. gross weight: 3.50 t", "1.00 t", "Subclass 20"};
    }

    // The report as an approver reads it: its pages, their size and text.
    void report() {
        QFETCH(QString, source);
        QFETCH(QStringList, options);
        QFETCH(QString, pageSize);
        QFETCH(int, pages);
        QFETCH(QStringList, titlePage);
        QFETCH(QStringList, inOrder);
        const QString pdf = dir.filePath("report.pdf");
        const auto run = runSheet(options << source << pdf);
        QVERIFY2(run.first == 0, qPrintable(run.second));
        QVERIFY(run.second.isEmpty());

        const QString info = runProgram("pdfinfo", {pdf}).out;
        QVERIFY2(info.contains(QRegularExpression(QStringLiteral("Pages: +%1\n").arg(pages))),
                 qPrintable(info));
        QVERIFY(info.contains(pageSize));
        const QString title = pdfText(pdf, 1, 1);
        const QString date = QFileInfo(source).lastModified().toString("yyyy-MM-dd HH:mm:ss");
        for (const QString &text : titlePage + QStringList{"File date: " + date})
            QVERIFY2(title.contains(text), qPrintable(text + "\n---\n" + title));
        QVERIFY(!title.contains("Subclass "));
        const QString all = pdfText(pdf);
        int at = 0;
        for (const QString &text : inOrder) {
            at = all.indexOf(text, at);
            QVERIFY2(at >= 0, qPrintable(text + "\n---\n" + all));
        }
    }

    void failures_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("message");
        const QString png = dir.filePath("out.png");
        const QString pdf = dir.filePath("out.pdf");
        QTest::newRow("missing file")
            << QStringList{dataFile("nowhere.conf"), png} << 2 << "tarveo-sheet: cannot use";
        QTest::newRow("folder for a file")
            << QStringList{testData(QString()), pdf} << 2 << "tarveo-sheet: cannot use";
        QTest::newRow("line without =")
            << QStringList{dataFile("broken.conf"), pdf} << 1
            << "reading stopped at line 6, the rest of the file was not read: number_of_axles 2";
        QTest::newRow("unwritable picture")
            << QStringList{dataFile("short.conf"), "/nonexistent-folder/sheet.png"} << 2
            << "tarveo-sheet: cannot write /nonexistent-folder/sheet.png";
        QTest::newRow("unwritable report")
            << QStringList{dataFile("short.conf"), "/nonexistent-folder/report.pdf"} << 2
            << "tarveo-sheet: cannot write /nonexistent-folder/report.pdf";
        QTest::newRow("no arguments") << QStringList{} << 2 << "give FILE and OUT";
        QTest::newRow("unknown unit")
            << QStringList{"--units", "st", dataFile("short.conf"), pdf} << 2 << "--units takes";
    }

    void failures() {
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);
        QFETCH(QString, message);
        const auto run = runSheet(arguments);
        QCOMPARE(run.first, exitCode);
        QVERIFY2(run.second.contains(message), qPrintable(run.second));
        QVERIFY(!QFile::exists(dir.filePath("out.png")) && !QFile::exists(dir.filePath("out.pdf")));
    }

    void versionAndLog() {
        const Run version = runProgram(QStringLiteral(TARVEO_SHEET), {"--version"});
        QCOMPARE(version.status, 0);
        QVERIFY2(
            QRegularExpression("^tarveo-sheet \\d+\\.\\d+\\.\\d+\n$").match(version.out).hasMatch(),
            qPrintable(version.out));
        // The reader's own warning only on request.
        const QStringList broken{dataFile("broken.conf"), dir.filePath("out.pdf")};
        QVERIFY(!runSheet(broken).second.contains("Read a line without equals"));
        QVERIFY(
            runSheet(QStringList{"--log"} + broken).second.contains("Read a line without equals"));
    }
};

QTEST_MAIN(SheetTest)
#include "tst_sheet.moc"
