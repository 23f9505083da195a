// Reading a classification file and writing it back.
#include "model/conf.h"
#include "modeltestsupport.h"

#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTextCodec>
#include <QtTest>

class TestConfFile : public QObject {
    Q_OBJECT

private slots:
    void init() {
        QVERIFY(dir.isValid());
        QTextCodec::setCodecForLocale(QTextCodec::codecForName("UTF-8"));
    }

    void workedExampleRoundTrip() {
        const Conf conf = read(WorkedExample);
        QVERIFY(conf.get_read_outcome().readWhole());
        QVERIFY(conf.is_valid().valid);
        QCOMPARE(conf.to_string().toUtf8(), WorkedExample);

        // Built in code rather than read, the document writes the same text.
        Conf built;
        built.set_country_code("si");
        built.set_group_max_distance("30");
        built.set_unclassified_vehicle_subclass("99");
        built.insert_subclass(11, Subclass(completeTwoAxleTable("11")));
        QCOMPARE(built.to_string().toUtf8(), WorkedExample);

        // Line ends CR LF and blank or white lines change nothing.
        QByteArray crlf = WorkedExample;
        crlf.replace("\n", "\r\n").replace("category=1\r\n", "category=1\r\n   \r\n\t\r\n");
        const Conf fromCrlf = read(crlf);
        QVERIFY(fromCrlf.get_read_outcome().readWhole());
        QCOMPARE(fromCrlf.to_string().toUtf8(), WorkedExample);
    }

    void writerLeavesOutEmptyValuesAndPadsLists() {
        Conf conf;
        conf.set_classification_version("");
        conf.set_min_avg_axle_weight("7");
        Subclass s(completeTwoAxleTable("4"));
        s.set_number_of_axles("3"); // more axles than entries: written as empty entries
        s.set_alias("");
        s.set_constraint_at_index("1+2,40", -1, ConstraintType::Default);
        conf.insert_subclass(4, s);
        Subclass bare;
        bare.set_number(8);
        conf.insert_subclass(8, bare);
        QCOMPARE(conf.to_string(),
                 QStringLiteral("[classes]\nmin_avg_axle_weight__kN=7\n\n"
                                "[subclass_4]\naxle_configuration=C2\ncategory=1\nmax_GVW__kN=35\n"
                                "number_of_axles=3\ntyre_type=1,1,\n"
                                "max_axle_weight__kN=1,20;2,20;3,;1+2,40\n"
                                "max_axle_distance__m=3.5,\nmin_axle_distance__m=2.2,\n\n"
                                "[subclass_8]\ntyre_type=\nmax_axle_weight__kN=\n"
                                "max_axle_distance__m=\nmin_axle_distance__m=\n\n"));
    }

    void sectionRulesEmptyAndMissingFiles() {
        const Conf conf = read("number_of_axles=2\n" // before any header: subclass 0
                               "[subclass_3]\nsubclass=12\ncategory=3\n"
                               "[subclass_5]\ncategory=first\n"
                               "[subclass_007]\ncategory=7\n"
                               "[subclass_5]\ncategory=second\n"
                               "[subclass_6]\ntyre_type = 1,1\n");
        QCOMPARE(conf.get_subclass_numbers(), (QVector<quint32>{0, 5, 6, 7, 12}));
        QCOMPARE(conf.get_subclass(12).get_category(), QStringLiteral("3"));
        QCOMPARE(conf.get_subclass(5).get_category(), QStringLiteral("second"));
        QCOMPARE(conf.get_subclass(0).get_number_of_axles(), QStringLiteral("2"));
        // Blanks around "=" make another key: the tyre types stay unread.
        QCOMPARE(conf.get_subclass(6).get_number_of_tyre_types(), 1);
        QCOMPARE(conf.get_subclass(6).get_tyre_type_at_index(0), QString());
        QVERIFY(conf.to_string().contains("\n[subclass_7]\n"));

        const Conf empty = read("");
        QVERIFY(empty.get_header().isEmpty() && empty.get_subclass_numbers().isEmpty());
        QVERIFY(empty.get_read_outcome().readWhole());
        const Conf missing(dir.filePath("absent.conf"), nullptr);
        QVERIFY(!missing.get_read_outcome().opened);
        QVERIFY(!QFile::exists(dir.filePath("absent.conf")));
    }

    void lineWithoutEqualsStopsAndIsRemembered_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<int>("stopLine");
        QTest::addColumn<QString>("stopText");
        QTest::addColumn<QVector<quint32>>("kept"); // a section still being collected is lost
        QTest::newRow("comment") << QByteArray(
                                        "[subclass_1]\ncategory=1\n[subclass_2]\ncategory=2\n"
                                        "; retired\n[subclass_3]\ncategory=3\n")
                                 << 5 << "; retired" << QVector<quint32>{1};
        QTest::newRow("capitalised header")
            << QByteArray("[subclass_1]\ncategory=1\n[Classes]\ncountry_code=SI\n") << 3
            << "[Classes]" << QVector<quint32>{};
        QTest::newRow("two equals")
            << QByteArray("[subclass_1]\na=b=c\n") << 2 << "a=b=c" << QVector<quint32>{};
        QTest::newRow("blank after header") << QByteArray("[subclass_1]\n[subclass_2] \n") << 2
                                            << "[subclass_2] " << QVector<quint32>{};
    }

    void lineWithoutEqualsStopsAndIsRemembered() {
        QFETCH(QByteArray, file);
        QFETCH(int, stopLine);
        QFETCH(QString, stopText);
        QFETCH(QVector<quint32>, kept);
        QTest::ignoreMessage(QtWarningMsg, qPrintable("Read a line without equals: " + stopText));
        const Conf conf = read(file);
        QCOMPARE(conf.get_subclass_numbers(), kept);
        QCOMPARE(conf.get_read_outcome().stopLine, stopLine);
        QCOMPARE(conf.get_read_outcome().stopText, stopText);
        QVERIFY(conf.get_read_outcome().opened);
        QVERIFY(!conf.get_read_outcome().readWhole());
    }

    void classesSectionOnlyForHeaderPass() {
        const Conf conf = read("[subclass_1]\ncategory=1\n"
                               "[classes]\n; site notes\nmystery_key = 5\ncountry_code=si\n"
                               "[subclass_2]\ncategory=2\n");
        QCOMPARE(conf.get_subclass_numbers(), (QVector<quint32>{1, 2}));
        QCOMPARE(conf.get_subclass(1).get_category(), QStringLiteral("1"));
        QCOMPARE(conf.get_country_code(), QStringLiteral("si")); // stored as read
        QCOMPARE(conf.get_header().value("mystery_key"), QStringLiteral("5"));
        QVERIFY(conf.to_string().startsWith("[classes]\ncountry_code=si\nmystery_key=5\n\n"));
    }

    void constraintsKeepTheOrderOfTheirNumbers() {
        QByteArray file =
            "[subclass_1]\nmax_axle_weight__kN=1,1\nadsl_0=10,20\nawsl_0=50,3;400,7\n";
        for (int k = 1; k <= 12; ++k)
            file += QStringLiteral("adsl_%1=%1:1,2\n").arg(k).toLatin1();
        const QString text = read(file).to_string();
        QVERIFY(text.contains("[subclass_1]\nadsl_0=10,20\nawsl_0=50,3;400,7\n"));
        // adsl_2 comes before adsl_10, as they were numbered: saving and
        // opening again never reorders them.
        QVERIFY(text.contains("adsl_1=1:1,2\nadsl_2=2:1,2\n"));
        QVERIFY(text.contains("adsl_9=9:1,2\nadsl_10=10:1,2\nadsl_11=11:1,2\nadsl_12=12:1,2\n"));
        QVERIFY(!text.contains("adsl_13"));
    }

    void headerListValueKeepsItsCommas() {
        const Conf conf = read("[classes]\nclassification_version=2024,rev2\nnote=\"a, b\"\n");
        QCOMPARE(conf.get_classification_version(), QStringLiteral("2024,rev2"));
        QCOMPARE(conf.get_header().value("note"), QStringLiteral("a, b"));
        const Conf again = read(conf.to_string().toUtf8());
        QCOMPARE(again.get_classification_version(), QStringLiteral("2024,rev2"));
    }

    void escapedLineBreaksStayInTheirHeaderLine() {
        // A value or key may hold a line break through the INI reader's escapes;
        // written raw it would start a subclass section of its own.
        const Conf conf = read("[classes]\nnote=\"x\\n[subclass_9]\\ncategory=\\\"1\\\"\"\n"
                               "odd%0Akey=2\ncountry_code=SI\n");
        const QString note = QStringLiteral("x\n[subclass_9]\ncategory=\"1\"");
        QCOMPARE(conf.get_header().value("note"), note);
        QCOMPARE(conf.get_header().value("odd\nkey"), QStringLiteral("2"));
        const Conf again = read(conf.to_string().toUtf8());
        QVERIFY(again.get_subclass_numbers().isEmpty());
        QCOMPARE(again.get_header(), conf.get_header());
        QVERIFY(again.get_read_outcome().readWhole());
    }

    void nonAsciiHeaderSurvivesOpenAndSave() {
        const QString version = QStringLiteral("2026-11 Ljubljana–Šentvid");
        const QByteArray utf8 = "[classes]\nclassification_version=" + version.toUtf8() +
                                "\nštevec_osi=" + version.toUtf8() + "\n\n";
        const Conf conf = read(utf8);
        QCOMPARE(conf.get_classification_version(), version);
        QCOMPARE(conf.get_header().value(QStringLiteral("števec_osi")), version);
        const QString saved = dir.filePath("saved-utf8.conf");
        QVERIFY(conf.write_to_file(saved));
        QCOMPARE(readBytes(saved), utf8);

        // A single-byte locale codec: both passes and the writer agree on it too.
        QTextCodec *latin2 = QTextCodec::codecForName("ISO-8859-2");
        QVERIFY(latin2);
        QTextCodec::setCodecForLocale(latin2);
        const QByteArray plain = latin2->fromUnicode(QStringLiteral("Šentvid"));
        const QByteArray encoded = "[classes]\nclassification_version=" + plain +
                                   "\n\n[subclass_1]\nalias=" + plain + "\n";
        const Conf local(write(encoded), nullptr);
        QCOMPARE(local.get_subclass(1).get_alias(), QStringLiteral("Šentvid"));
        const QString savedLocal = dir.filePath("saved-latin2.conf");
        QVERIFY(local.write_to_file(savedLocal));
        QVERIFY(
            readBytes(savedLocal).startsWith("[classes]\nclassification_version=" + plain + "\n"));
    }

    void hugeAxleCountOpensAtOnce() {
        QElapsedTimer timer;
        timer.start();
        const Conf conf = read("[subclass_1]\nnumber_of_axles=2000000000\ntyre_type=1,2\n"
                               "max_axle_weight__kN=1,10;2,20\n");
        const QString text = conf.to_string();
        QVERIFY(timer.elapsed() < 2000);
        const QString tyres = text.section("tyre_type=", 1).section('\n', 0, 0);
        QCOMPARE(tyres.split(',').size(), Subclass::MaxAxles + 1); // 2 read, the rest the spares
        QVERIFY(tyres.startsWith("1,2,,"));
        const QString mins = text.section("min_axle_distance__m=", 1).section('\n', 0, 0);
        QCOMPARE(mins.split(',').size(), Subclass::MaxAxles);

        // Tyre types without weights: the empty weights written do not read
        // back, and refilling them must not lengthen the tyre list on every save.
        QString saved =
            read("[subclass_1]\nnumber_of_axles=2000000000\ntyre_type=1,2\n").to_string();
        for (int save = 0; save < 2; ++save)
            saved = read(saved.toUtf8()).to_string();
        QCOMPARE(read(saved.toUtf8()).to_string(), saved);
        QCOMPARE(saved.section("tyre_type=", 1).section('\n', 0, 0).split(',').size(),
                 Subclass::MaxAxles + 1);
    }

    void reopenSeesAFileSavedAtOnce() {
        // Saved again within one clock tick, a file of the same size looks
        // unchanged to a reader that caches by name, size and time stamp.
        const QString path = write("[classes]\ncountry_code=SI\n\n");
        const QStringList codes{"HR", "AT", "SI", "IT"};
        for (int round = 0; round < 20; ++round) {
            Conf conf(path, nullptr);
            const QString next = codes.at(round % codes.size());
            conf.set_country_code(next);
            QVERIFY(conf.write_to_file(path));
            QCOMPARE(Conf(path, nullptr).get_country_code(), next);
        }
    }

    void writeToFileReplacesWholeOrNothing() {
        const Conf conf = read(WorkedExample);
        const QString target = dir.filePath("target.conf");
        QVERIFY(writeBytes(target, "old content that is longer than nothing\n"));
        QString error;
        QVERIFY(conf.write_to_file(target, &error));
        QCOMPARE(readBytes(target), WorkedExample);

        const QString unreachable = dir.filePath("no-such-dir/out.conf");
        QVERIFY(!conf.write_to_file(unreachable, &error));
        QVERIFY(!error.isEmpty());
        QVERIFY(!QFile::exists(unreachable));
    }

private:
    Conf read(const QByteArray &bytes);
    QString write(const QByteArray &bytes, const QString &name = QString());

    QTemporaryDir dir;
    int fileCount = 0;
};

// Every file gets its own name: the INI reader caches files by name.
QString TestConfFile::write(const QByteArray &bytes, const QString &name) {
    const QString path =
        dir.filePath(name.isEmpty() ? QStringLiteral("f%1.conf").arg(++fileCount) : name);
    if (!writeBytes(path, bytes))
        qFatal("cannot write test file %s", qPrintable(path));
    return path;
}

Conf TestConfFile::read(const QByteArray &bytes) {
    return Conf(write(bytes), nullptr);
}

QTEST_GUILESS_MAIN(TestConfFile)
#include "tst_conffile.moc"
