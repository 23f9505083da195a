// tarveo-sheet as a user runs it: a file in, a picture out, a clear message
// and a non-zero exit when either end fails.
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

namespace {

struct Run {
    int exitCode = -1;
    QString errors;
};

// Runs the tool without any display or platform setting, as on a build
// server.
Run runSheet(const QStringList &arguments) {
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("QT_QPA_PLATFORM"));
    environment.remove(QStringLiteral("DISPLAY"));
    environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(TARVEO_SHEET), arguments);
    Run run;
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit) {
        process.kill();
        run.errors = QStringLiteral("did not finish");
        return run;
    }
    run.exitCode = process.exitCode();
    run.errors = QString::fromLocal8Bit(process.readAllStandardError());
    return run;
}

QString dataFile(const char *name) {
    return qEnvironmentVariable("TARVEO_TEST_DATA") + QStringLiteral("/drawing/") +
           QLatin1String(name);
}

// The sheet's layout: 10-pixel margins, a 26-pixel heading, a 150-pixel
// label column, two drawing columns of at least 360 pixels (90 % of the
// 400-pixel view) with 10-pixel gaps, and rows 81 + 8 pixels high.
constexpr int standardWidth = 2 * 10 + 150 + 2 * (360 + 10);
int heightFor(int rows) {
    return 2 * 10 + 26 + rows * (81 + 8);
}

// Whether the area holds anything darker than the light rules and text
// anti-aliasing: a drawn vehicle.
bool hasDrawing(const QImage &image, const QRect &area) {
    int dark = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            if (qGray(image.pixel(x, y)) < 40) {
                ++dark;
            }
        }
    }
    return dark > 100;
}

} // namespace

class SheetTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir dir;

private slots:
    void drawsEveryRowInAscendingNumber() {
        const QString out = dir.filePath("short.png");
        const Run run = runSheet({dataFile("short.conf"), out});
        QVERIFY2(run.exitCode == 0, qPrintable(run.errors));
        const QImage sheet(out);
        QVERIFY(!sheet.isNull());
        QCOMPARE(sheet.size(), QSize(standardWidth, heightFor(3)));

        // Rows: 3 (a car), 7 (a zero distance: not drawable), 20 (a truck).
        const int top = 10 + 26 + 4;
        const int rowHeight = 89;
        const int minColumn = 10 + 150 + 10;
        const int maxColumn = minColumn + 360 + 10;
        for (int column : {minColumn, maxColumn}) {
            QVERIFY(hasDrawing(sheet, QRect(column, top, 360, 81)));
            QVERIFY(!hasDrawing(sheet, QRect(column, top + rowHeight, 360, 81)));
            QVERIFY(hasDrawing(sheet, QRect(column, top + 2 * rowHeight, 360, 81)));
        }
        // The truck is longer at maximum spacing: its last wheel lies beyond
        // 100 pixels only there.
        QVERIFY(!hasDrawing(sheet, QRect(minColumn + 110, top + 2 * rowHeight, 250, 81)));
        QVERIFY(hasDrawing(sheet, QRect(maxColumn + 110, top + 2 * rowHeight, 250, 81)));
        // The car is smaller than the truck: nothing above its roof.
        QVERIFY(!hasDrawing(sheet, QRect(minColumn, top, 360, 25)));
        QVERIFY(hasDrawing(sheet, QRect(minColumn, top + 2 * rowHeight, 360, 25)));
    }

    void longVehiclesWidenTheColumns() {
        const QString out = dir.filePath("long.png");
        const Run run = runSheet({dataFile("long.conf"), out});
        QVERIFY2(run.exitCode == 0, qPrintable(run.errors));
        const QImage sheet(out);
        QCOMPARE(sheet.height(), heightFor(1));
        // 30 m at 21 pixels a metre: the maximum view is some 660 pixels
        // long, 300 more than a standard column, and both columns widen.
        QVERIFY2(sheet.width() >= standardWidth + 2 * 290,
                 qPrintable(QString::number(sheet.width())));
        QVERIFY(sheet.width() <= standardWidth + 2 * 320);
    }

    void failures_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("message");
        QTest::newRow("missing file")
            << QStringList{dataFile("nowhere.conf"), "out.png"} << 1 << "tarveo-sheet: cannot read";
        QTest::newRow("folder for a file")
            << QStringList{qEnvironmentVariable("TARVEO_TEST_DATA"), "out.png"} << 1
            << "tarveo-sheet: cannot read";
        QTest::newRow("line without =") << QStringList{dataFile("broken.conf"), "out.png"} << 1
                                        << "line 6 is not a key and a value: number_of_axles 2";
        QTest::newRow("unwritable picture")
            << QStringList{dataFile("short.conf"), "/nonexistent-folder/sheet.png"} << 1
            << "tarveo-sheet: cannot write /nonexistent-folder/sheet.png";
        QTest::newRow("no arguments") << QStringList{} << 2 << "Usage: tarveo-sheet";
    }

    void failures() {
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);
        QFETCH(QString, message);
        if (arguments.size() == 2 && arguments.at(1) == "out.png") {
            arguments[1] = dir.filePath("out.png");
        }
        const Run run = runSheet(arguments);
        QCOMPARE(run.exitCode, exitCode);
        QVERIFY2(run.errors.contains(message), qPrintable(run.errors));
        QVERIFY(!QFile::exists(dir.filePath("out.png")));
    }
};

QTEST_MAIN(SheetTest)
#include "tst_sheet.moc"
