// tarveo-sheet as a user runs it: a file in, a picture out, a clear message
// and a non-zero exit when either end fails.
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// Runs the tool without any display or platform setting, as on a build
// server; gives the exit code (-1 if it did not finish) and what it wrote
// to standard error.
QPair<int, QString> runSheet(const QStringList &arguments) {
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"}) {
        environment.remove(QLatin1String(name));
    }
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(TARVEO_SHEET), arguments);
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit) {
        process.kill();
        return {-1, QStringLiteral("did not finish")};
    }
    return {process.exitCode(), QString::fromLocal8Bit(process.readAllStandardError())};
}

QString dataFile(const char *name) {
    return qEnvironmentVariable("TARVEO_TEST_DATA") + "/drawing/" + name;
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
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            dark += qGray(image.pixel(x, y)) < 40 ? 1 : 0;
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
        for (int column : {minColumn, maxColumn}) {
            QVERIFY(row(column, 0) && !row(column, 1) && row(column, 2));
        }
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

    void failures_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("message");
        const QString out = dir.filePath("out.png");
        QTest::newRow("missing file")
            << QStringList{dataFile("nowhere.conf"), out} << 1 << "tarveo-sheet: cannot read";
        QTest::newRow("folder for a file")
            << QStringList{qEnvironmentVariable("TARVEO_TEST_DATA"), out} << 1
            << "tarveo-sheet: cannot read";
        QTest::newRow("line without =") << QStringList{dataFile("broken.conf"), out} << 1
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
        const auto run = runSheet(arguments);
        QCOMPARE(run.first, exitCode);
        QVERIFY2(run.second.contains(message), qPrintable(run.second));
        QVERIFY(!QFile::exists(dir.filePath("out.png")));
    }
};

QTEST_MAIN(SheetTest)
#include "tst_sheet.moc"
