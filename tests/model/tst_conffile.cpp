// Reading a classification file and writing it back.
#include "modeltestsupport.h"

#include <QTextCodec>

class TestConfFile : public QObject {
    Q_OBJECT

private slots:
    void init() { QTextCodec::setCodecForLocale(QTextCodec::codecForName("UTF-8")); }

    void lineEndsAndBlankLinesChangeNothing() {
        QByteArray crlf = WorkedExample;
        crlf.replace("\n", "\r\n").replace("category=1\r\n", "category=1\r\n   \r\n\t\r\n");
        const Conf conf = files.read(crlf);
        QVERIFY(conf.get_read_outcome().readWhole());
        QCOMPARE(conf.to_string().toUtf8(), WorkedExample);
    }

    void writerLeavesOutEmptyValuesAndPadsLists() {
        Conf conf;
        conf.set_classification_version("");
        conf.set_min_avg_axle_weight("7");
        // More axles than entries: written as empty entries.
        conf.insert_subclass(4, twoAxles("number_of_axles=3|alias=|"
                                         "max_axle_weight__kN=1,20;2,20;1+2,40",
                                         "4"));
        Subclass bare;
        bare.set_number(8);
        conf.insert_subclass(8, bare);
        QCOMPARE(conf.to_string().toUtf8(), readBytes(testData("model/padded.conf")));
    }

    void sectionRules() {
        const Conf conf = files.read("number_of_axles=2\n" // before any header: subclass 0
                                     "[subclass_3]\nsubclass=12\ncategory=3\n"
                                     // read in the header pass only, comment and all
                                     "[classes]\n; site notes\nmystery_key = 5\ncountry_code=si\n"
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
        // Stored as read, not as the setter would.
        QVERIFY(conf.to_string().startsWith("[classes]\ncountry_code=si\nmystery_key=5\n\n"));

        const Conf empty = files.read("");
        QVERIFY(empty.get_header().isEmpty() && empty.get_subclass_numbers().isEmpty());
        QVERIFY(empty.get_read_outcome().readWhole());
    }

    void lineWithoutEqualsStopsAndIsRemembered_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<int>("stopLine");
        QTest::addColumn<QString>("stopText");
        QTest::addColumn<QVector<quint32>>("kept"); // a section still being collected is lost
        QTest::newRow("comment") << QByteArray("[subclass_1]\ncategory=1\n[subclass_2]\n"
                                               "category=2\n; retired\n[subclass_3]\ncategory=3\n")
                                 << 5 << "; retired" << QVector<quint32>{1};
        QTest::newRow("header without a number")
            << QByteArray("[subclass_1]\ncategory=1\n[subclass_]\ncategory=2\n") << 3
            << "[subclass_]" << QVector<quint32>{};
        QTest::newRow("two equals")
            << QByteArray("[subclass_1]\na=b=c\n") << 2 << "a=b=c" << QVector<quint32>{};
        QTest::newRow("blank after header") << QByteArray("[subclass_1]\n[subclass_2] \n") << 2
                                            << "[subclass_2] " << QVector<quint32>{};
    }

    void lineWithoutEqualsStopsAndIsRemembered() {
        QFETCH(QByteArray, file);
        const Conf conf = files.read(file);
        QTEST(conf.get_subclass_numbers(), "kept");
        QTEST(conf.get_read_outcome().stopLine, "stopLine");
        QTEST(conf.get_read_outcome().stopText, "stopText");
    }

    void constraintsKeepTheOrderOfTheirNumbers() {
        // Keys sorted as text, as an INI writer leaves them, are read in the
        // order of their numbers: saving and opening again never reorders them.
        QCOMPARE(Conf(testData("model/sorted.conf"), nullptr).to_string().toUtf8(),
                 readBytes(testData("model/sorted-saved.conf")));
    }

    void nonAsciiHeaderSurvivesOpenAndSave() {
        // In UTF-8 see the saved random documents of tst_filesafety.
        const QString saved = files.write("");
        // A single-byte locale codec: both passes and the writer agree on it.
        QTextCodec *latin2 = QTextCodec::codecForName("ISO-8859-2");
        QVERIFY(latin2);
        QTextCodec::setCodecForLocale(latin2);
        const QByteArray plain = latin2->fromUnicode(QStringLiteral("Šentvid"));
        const Conf local = files.read("[classes]\nclassification_version=" + plain +
                                      "\n\n[subclass_1]\nalias=" + plain + "\n");
        QCOMPARE(local.get_subclass(1).get_alias(), QStringLiteral("Šentvid"));
        QVERIFY(local.write_to_file(saved));
        QVERIFY(readBytes(saved).startsWith("[classes]\nclassification_version=" + plain + "\n"));
        // What the locale cannot encode would come back as "?": it is no value to write.
        QCOMPARE(Subclass(withKeys({}, "alias=5 €")).find_unwritable().key,
                 QStringLiteral("alias"));
    }

    void hugeAxleCountIsCapped() {
        // Lists stop at the cap, with or without weights: refilling the
        // weights, which do not read back, must not lengthen the tyre list on
        // every save.
        const QString tyres = "\ntyre_type=1,2," + QString(",").repeated(Subclass::MaxAxles - 2);
        const QByteArray file = "[subclass_1]\nnumber_of_axles=2000000000\ntyre_type=1,2\n";
        const Conf conf = files.read(file + "max_axle_weight__kN=1,10;2,20\n");
        const QString text = conf.to_string();
        const Subclass &s = conf.get_subclass(1);
        QVERIFY(!s.is_complete() && !s.is_valid("0", "100") && !s.can_draw());
        QVERIFY(text.contains(tyres + "\n"));
        QVERIFY(text.contains(
            "\nmin_axle_distance__m=" + QString(",").repeated(Subclass::MaxAxles - 1) + "\n"));
        const QString saved = files.read(file).to_string();
        QCOMPARE(files.read(files.read(saved.toUtf8()).to_string().toUtf8()).to_string(), saved);
        QVERIFY(saved.contains(tyres + "\n"));
    }

    void reopenSeesAFileSavedAtOnce() {
        // Saved again within one clock tick, a file of the same size looks
        // unchanged to a reader that caches by name, size and time stamp.
        const QString path = files.write("[classes]\ncountry_code=SI\n\n");
        for (const char *code : {"HR", "AT", "SI", "IT", "HR", "AT", "SI", "IT", "HR", "AT"}) {
            Conf conf(path, nullptr);
            conf.set_country_code(code);
            QVERIFY(conf.write_to_file(path));
            QCOMPARE(Conf(path, nullptr).get_country_code(), QString(code));
        }
    }

private:
    TestFiles files;
};

QTEST_GUILESS_MAIN(TestConfFile)
#include "tst_conffile.moc"
