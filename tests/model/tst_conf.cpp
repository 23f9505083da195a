// The document: header values and checks, document-wide operations, and
// reading a classification file and writing it back.
#include "model/filelimits.h"
#include "modeltestsupport.h"

#include <QBuffer>

Q_DECLARE_METATYPE(FileEncoding)

namespace {

// The values the check takes, set one after the other.
QStringList accepted(void (Conf::*set)(const QString &), bool (Conf::*check)() const,
                     const QStringList &values) {
    Conf conf;
    QStringList valid;
    for (const QString &value : values) {
        (conf.*set)(value);
        if ((conf.*check)())
            valid << value;
    }
    return valid;
}

} // namespace

class TestConf : public QObject {
    Q_OBJECT

private slots:
    void headerValueChecks() {
        // Officially assigned codes only (not user-assigned or reserved ones), in any case.
        QCOMPARE(accepted(&Conf::set_country_code, &Conf::is_country_code_valid,
                          {"SI", "si", "BQ", "XK", "UK", "SVN", ""}),
                 (QStringList{"SI", "si", "BQ"}));
        QCOMPARE(accepted(&Conf::set_g_acceleration_constant,
                          &Conf::is_g_acceleration_constant_valid, {"0", "-9.81", "g", "9.81"}),
                 QStringList{"9.81"});
        QCOMPARE(accepted(&Conf::set_uncategorised_vehicle_category,
                          &Conf::is_uncategorised_vehicle_category_valid, {"5", "six", "6", ""}),
                 (QStringList{"6", ""}));
        Conf conf;
        conf.set_country_code("si");
        QCOMPARE(conf.get_country_code(), QStringLiteral("SI"));
    }

    void axleDistanceBounds() {
        // Whether the minimum is valid, and the state of the maximum; the
        // subclasses judged by these header distances.
        Conf conf;
        const auto judged = [&conf](const char *min, const char *max) {
            conf.set_min_axle_distance(min);
            conf.set_max_axle_distance(max);
            return QStringLiteral("%1 %2")
                .arg(conf.is_min_axle_distance_valid())
                .arg(conf.check_max_axle_distance());
        };
        QCOMPARE(judged("", ""), QStringLiteral("1 2")); // empty
        QCOMPARE(judged("1.2", "1.2"), QStringLiteral("1 0"));
        QCOMPARE(judged("1.3", "1.2"), QStringLiteral("0 2"));
        conf.insert_subclass(11, twoAxles("max_axle_distance__m=10"));
        conf.insert_subclass(3, twoAxles("", "3"));
        QCOMPARE(judged("", ""), QStringLiteral("1 2"));
        QCOMPARE(conf.get_invalid_subclasses(), (QVector<quint32>{3, 11})); // by the header
        QCOMPARE(judged("1", "10"), QStringLiteral("1 0"));
        QVERIFY(conf.get_invalid_subclasses().isEmpty());
        conf.get_subclass(3).set_tyre_type_at_index("9", 0);
        QCOMPARE(conf.get_invalid_subclasses(), QVector<quint32>{3});
        // A spare entry past the used ones counts as well.
        conf.get_subclass(11).set_max_distance_at_index("10.5", 1);
        QCOMPARE(judged("1", "10"), QStringLiteral("1 1"));
        // A missing number yields a throw-away record, and a warning.
        conf.get_subclass(42).set_category("5");
        QVERIFY(!conf.has_subclass(42));
        QCOMPARE(conf.get_subclass(42).get_category(), QString());
    }

    void documentCheckOrder() {
        Conf conf;
        conf.set_country_code("XX");
        conf.set_min_axle_distance("5"); // no part of the document check
        conf.insert_subclass(5, twoAxles("category="));
        conf.insert_subclass(2, twoAxles("category="));
        QCOMPARE(conf.is_valid().number, 2u); // subclasses are looked at first
        QVERIFY(!conf.is_valid().valid);
        conf.remove_subclass(2);
        conf.remove_subclass(5);
        conf.insert_subclass(99, twoAxles("", "99"));
        QVERIFY(!conf.is_valid().valid); // the country
        conf.set_country_code("si");
        QVERIFY(!conf.is_valid().valid); // no group distance
        conf.set_group_max_distance("30");
        QVERIFY(conf.is_valid().valid);
        conf.set_unclassified_vehicle_subclass("99");
        QCOMPARE(conf.is_valid().valid, false);
        QCOMPARE(conf.is_valid().number, 0u);
        conf.set_unclassified_vehicle_subclass("140");
        QVERIFY(conf.is_valid().valid);
    }

    void duplicateSearchNamesFirstPair() {
        // The pair with the lowest first number wins, not the lowest neighbours;
        // an alias or other axles make records differ, constraints do not.
        Conf conf;
        QCOMPARE(conf.find_duplicate_subclasses(), QString());
        conf.insert_subclass(1, twoAxles("alias=bus|max_axle_weight__kN=1,99;2,20"));
        conf.insert_subclass(3, twoAxles("", "3"));
        conf.insert_subclass(4, twoAxles("", "4"));
        conf.insert_subclass(2, twoAxles("alias=bus"));
        conf.insert_subclass(9, twoAxles("alias=bus|adsl_1=1+2:3,4"));
        QCOMPARE(conf.find_duplicate_subclasses(), QStringLiteral("2 = 9"));
        conf.remove_subclass(9);
        QCOMPARE(conf.find_duplicate_subclasses(), QStringLiteral("3 = 4"));
    }

    void lineEndsAndBlankLinesChangeNothing() {
        QByteArray crlf = WorkedExample;
        crlf.replace("\n", "\r\n").replace("category=1\r\n", "category=1\r\n   \r\n\t\r\n");
        const Conf conf = files.read(crlf);
        QVERIFY(conf.get_read_outcome().readWhole());
        QCOMPARE(conf.to_string().toUtf8(), WorkedExample);
        // Read from a device alike.
        QBuffer device(&crlf);
        QVERIFY(device.open(QIODevice::ReadOnly));
        QCOMPARE(Conf(&device).to_bytes(), WorkedExample);
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
                                     "[subclass_05]\ncategory=second\n"
                                     "[subclass_6]\nzeta=1\ntyre_type = 1,1\nnote=x\ncategory=6\n"
                                     "Upper_GVW_limit__kN=420\nnote=y\n");
        // The header names the section: a "subclass=" line renumbers nothing.
        QCOMPARE(conf.get_subclass_numbers(), (QVector<quint32>{0, 3, 5, 6, 7}));
        QCOMPARE(conf.get_subclass(3).get_category(), QStringLiteral("3"));
        QCOMPARE(conf.get_subclass(5).get_category(), QStringLiteral("second"));
        QCOMPARE(conf.get_subclass(0).get_number_of_axles(), QStringLiteral("2"));
        const ConfReadOutcome &outcome = conf.get_read_outcome();
        QCOMPARE(outcome.duplicateSections.size(), 1);
        const ConfReadOutcome::DuplicateSection twice = outcome.duplicateSections.first();
        QCOMPARE(QStringList({QString::number(twice.number), QString::number(twice.firstLine),
                              twice.firstText, QString::number(twice.laterLine), twice.laterText}),
                 QStringList({"5", "9", "[subclass_5]", "13", "[subclass_05]"}));
        QVERIFY(outcome.readWhole() && !outcome.heldWhole());

        // Lines that are no key of the record are kept, and written back
        // among the plain values in key order: blanks around "=" make
        // another key, and so does another case.
        QStringList kept;
        for (const ConfReadOutcome::KeptLine &line : outcome.keptLines)
            kept << QStringLiteral("%1 %2 %3 %4")
                        .arg(line.subclass)
                        .arg(line.line)
                        .arg(line.text)
                        .arg(line.renumbers);
        QCOMPARE(kept,
                 QStringList({"3 3 subclass=12 1", "6 16 zeta=1 0", "6 17 tyre_type = 1,1 0",
                              "6 18 note=x 0", "6 20 Upper_GVW_limit__kN=420 0", "6 21 note=y 0"}));
        QCOMPARE(conf.get_subclass(6).get_tyre_type_at_index(0), QString());
        const QString text = conf.to_string();
        QVERIFY(text.contains("[subclass_3]\ncategory=3\nsubclass=12\ntyre_type="));
        QVERIFY(text.contains("[subclass_6]\nUpper_GVW_limit__kN=420\ncategory=6\nnote=x\nnote=y\n"
                              "tyre_type = 1,1\nzeta=1\ntyre_type=\n"));
        QVERIFY(text.contains("\n[subclass_7]\n"));
        QCOMPARE(files.read(text.toUtf8()).to_string(), text);
        // Stored as read, not as the setter would.
        QVERIFY(text.startsWith("[classes]\ncountry_code=si\nmystery_key=5\n\n"));

        const Conf empty = files.read("");
        QVERIFY(empty.get_header().isEmpty() && empty.get_subclass_numbers().isEmpty());
        QVERIFY(empty.get_read_outcome().heldWhole());
    }

    void lineWithoutEqualsStopsAndIsRemembered_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<int>("stopLine");
        QTest::addColumn<QString>("stopText");
        QTest::addColumn<QVector<quint32>>("kept"); // the section being read is kept too
        QTest::newRow("comment") << QByteArray("[subclass_1]\ncategory=1\n[subclass_2]\n"
                                               "category=2\n; retired\n[subclass_3]\ncategory=3\n")
                                 << 5 << "; retired" << QVector<quint32>{1, 2};
        QTest::newRow("header without a number")
            << QByteArray("[subclass_1]\ncategory=1\n[subclass_]\ncategory=2\n") << 3
            << "[subclass_]" << QVector<quint32>{1};
        // A number must fit 32 bits and be written in ASCII digits, as every
        // number the reader converts: else it would fall onto another.
        QTest::newRow("number beyond 32 bits")
            << QByteArray("[subclass_0]\ncategory=0\n[subclass_4294967296]\n") << 3
            << "[subclass_4294967296]" << QVector<quint32>{0};
        QTest::newRow("Arabic-Indic digit")
            << QStringLiteral("[subclass_0]\n[subclass_\u0661]\n").toUtf8() << 2
            << QStringLiteral("[subclass_\u0661]") << QVector<quint32>{0};
        // The header's reader would take it for a section.
        QTest::newRow("section of no subclass") << QByteArray("[subclass_1]\n [classes]x=1\n") << 2
                                                << " [classes]x=1" << QVector<quint32>{1};
        QTest::newRow("two equals")
            << QByteArray("[subclass_1]\na=b=c\n") << 2 << "a=b=c" << QVector<quint32>{1};
        QTest::newRow("blank after header") << QByteArray("[subclass_1]\n[subclass_2] \n") << 2
                                            << "[subclass_2] " << QVector<quint32>{1};
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

    void encodingIsKept_data() {
        QTest::addColumn<QByteArray>("name"); // as the file spells it
        QTest::addColumn<QString>("text");
        QTest::addColumn<FileEncoding>("encoding");
        QTest::newRow("UTF-8") << QByteArray("M\xC3\xBCller") << "Müller" << FileEncoding::Utf8;
        QTest::newRow("Latin-1") << QByteArray("M\xFCller") << "Müller" << FileEncoding::Latin1;
        // Well-formed bytes, but a UTF-16 surrogate: no UTF-8 text.
        QTest::newRow("Latin-1 like a surrogate")
            << QByteArray("M\xED\xA0\x80ller") << "M\u00ED\u00A0\u0080ller" << FileEncoding::Latin1;
        QTest::newRow("Latin-1 with a broken sequence")
            << QByteArray("M\xC3ller") << "M\u00C3ller" << FileEncoding::Latin1;
        QTest::newRow("Latin-1 with a NUL byte")
            << QByteArray("M\xFC\0ller", 7) << QString("M\u00FC") + QChar() + "ller"
            << FileEncoding::Latin1;
    }

    void encodingIsKept() {
        QFETCH(QByteArray, name);
        QFETCH(QString, text);
        QFETCH(FileEncoding, encoding);
        const QByteArray file = "[classes]\nclassification_version=" + name +
                                "\n\n[subclass_1]\nalias=" + name +
                                "\ntyre_type=\nmax_axle_weight__kN=\nmax_axle_distance__m=\n"
                                "min_axle_distance__m=\n\n";
        Conf conf = files.read(file);
        QCOMPARE(conf.get_read_outcome().encoding, encoding);
        QCOMPARE(conf.get_classification_version(), text);
        QCOMPARE(conf.get_subclass(1).get_alias(), text);
        const QString saved = files.write("");
        QVERIFY(conf.write_to_file(saved));
        QCOMPARE(readBytes(saved), file);
        // What the encoding cannot hold would come back as "?": it is no value to write.
        conf.get_subclass(1).set_alias("5 €");
        QCOMPARE(conf.find_unwritable().value.key,
                 encoding == FileEncoding::Latin1 ? QStringLiteral("alias") : QString());
        // A header line is measured in the encoding's bytes, "é" one in
        // Latin-1 and two in UTF-8, up to the longest line a file holds; it is
        // looked at before the subclasses.
        // "classification_version=" and a UTF-8 "é" take 25 of the line's bytes.
        conf.set_classification_version(QString(FileLimits::MaxLineBytes - 25, 'v') + "é");
        QVERIFY(!conf.find_unwritable().inHeader);
        conf.set_classification_version("v" + conf.get_classification_version());
        QCOMPARE(conf.find_unwritable().inHeader, encoding == FileEncoding::Utf8);
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
        QVERIFY(!s.is_complete() && !s.is_valid("0", "100"));
        QVERIFY(text.contains(tyres + "\n"));
        QVERIFY(text.contains(
            "\nmin_axle_distance__m=" + QString(",").repeated(Subclass::MaxAxles - 1) + "\n"));
        const QString saved = files.read(file).to_string();
        QVERIFY(saved.contains(tyres + "\n"));
        // Printing the printed text gives the same text, weights given or not.
        for (const QByteArray &section :
             {file,
              QByteArray("[subclass_1]\nnumber_of_axles=25\nmax_axle_weight__kN=1,1;2,1\n")}) {
            const QString printed = files.read(section).to_string();
            QCOMPARE(files.read(printed.toUtf8()).to_string(), printed);
        }
    }

private:
    TestFiles files;
};

QTEST_GUILESS_MAIN(TestConf)
#include "tst_conf.moc"
