// What the file keeps safe: text that reads back exactly as it was saved,
// hostile files refused, saving that keeps the file what it was.
#include "model/conf.h"
#include "model/initext.h"
#include "model/savefile.h"
#include "model/weightentries.h"
#include "modeltestsupport.h"

#include <QFileInfo>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTextCodec>
#include <QtTest>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QString pick(QRandomGenerator &random, const QStringList &choices) {
    return choices.at(random.bounded(choices.size()));
}

QString randomText(QRandomGenerator &random, const QStringList &alphabet, int maxLength) {
    QString text;
    for (int i = random.bounded(1, maxLength + 1); i > 0; --i)
        text += pick(random, alphabet);
    return text;
}

QStringList characters(const QString &text) {
    QStringList list;
    for (const QChar c : text)
        list << QString(c);
    return list;
}

// The searches as the file format states them, for comparison.
QStringList patternWeights(const QString &text) {
    static const QRegularExpression axle(QStringLiteral("(?:[^+]|^)(\\d+,\\d+\\.?\\d*)"),
                                         QRegularExpression::UseUnicodePropertiesOption);
    QStringList found;
    for (int from = 0;;) {
        const QRegularExpressionMatch match = axle.match(text, from);
        if (!match.hasMatch())
            return found;
        found << match.captured(0);
        from = match.capturedEnd(0);
    }
}

QStringList scannedWeights(const QString &text) {
    QStringList found;
    for (int from = 0;;) {
        const WeightEntries::Match match = WeightEntries::nextAxleWeight(text, from);
        if (!match.found())
            return found;
        found << text.mid(match.start, match.end - match.start);
        from = match.end;
    }
}

QStringList patternCombined(const QString &text) {
    static const QRegularExpression combined(QStringLiteral("(?:\\d+\\+)+\\d+,\\d+\\.?\\d*"),
                                             QRegularExpression::UseUnicodePropertiesOption);
    QStringList found;
    for (QRegularExpressionMatchIterator it = combined.globalMatch(text); it.hasNext();)
        found << it.next().captured(0);
    return found;
}

} // namespace

class TestFileSafety : public QObject {
    Q_OBJECT

private slots:
    void init() { QTextCodec::setCodecForLocale(QTextCodec::codecForName("UTF-8")); }

    void weightSearchesFindWhatThePatternsFind() {
        // Arabic-Indic and mathematical digits are digits to the patterns too,
        // and so are Tangsa digits, which QChar does not know.
        const QStringList alphabet = characters(QStringLiteral("12+,.;x ") + QChar(0x0663))
                                     << QStringLiteral("\U0001D7CE")
                                     << QStringLiteral("\U00016AC0");
        QRandomGenerator random(7);
        for (int round = 0; round < 20000; ++round) {
            const QString text = randomText(random, alphabet, 24);
            QVERIFY2(scannedWeights(text) == patternWeights(text), qPrintable(text));
            QCOMPARE(WeightEntries::combinedEntries(text), patternCombined(text));
        }
    }

    void hostileWeightLinesReadAtOnce() {
        // Each line would keep a pattern engine busy for seconds; read
        // linearly, the whole file takes a moment.
        QByteArray file;
        const QByteArray chain = QByteArray("1+").repeated(29000) + "+,5";
        for (int section = 1; section <= 100; ++section)
            file += "[subclass_" + QByteArray::number(section) + "]\nmax_axle_weight__kN=" + chain +
                    "\n";
        const Conf conf(write(file), nullptr);
        QVERIFY(conf.get_read_outcome().readWhole());
        QCOMPARE(conf.get_subclass(100).get_number_of_constraints(ConstraintType::Default), 0);
    }

    void hostileFilesAreRefused_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("reason");
        QTest::newRow("device") << "/dev/zero"
                                << "it is not a regular file";
        QTest::newRow("folder") << dir.path() << "it is not a regular file";
        QTest::newRow("missing") << dir.filePath("absent.conf") << "there is no such file";
        const QString fifo = dir.filePath("pipe.conf");
        QVERIFY(::mkfifo(QFile::encodeName(fifo).constData(), 0600) == 0);
        QTest::newRow("pipe") << fifo << "it is not a regular file";
        const QString huge = dir.filePath("huge.conf");
        QFile sparse(huge);
        QVERIFY(sparse.open(QIODevice::WriteOnly) && sparse.resize(65 * 1024 * 1024));
        QTest::newRow("too large") << huge << "it is larger than 64 MiB";
        QTest::newRow("long line")
            << write("[classes]\nnote=x\n[subclass_1]\nalias=" + QByteArray(64 * 1024, '7') + "\n")
            << "line 4 is longer than 65536 bytes";
    }

    void hostileFilesAreRefused() {
        QFETCH(QString, path);
        QFETCH(QString, reason);
        const Conf conf(path, nullptr);
        QVERIFY(!conf.get_read_outcome().opened);
        QCOMPARE(conf.get_read_outcome().failure, reason);
        QVERIFY(conf.get_header().isEmpty() && conf.get_subclass_numbers().isEmpty());
    }

    void headerTextReadsBackExactly() {
        const QStringList alphabet = characters(QStringLiteral("ab9 \t=;\",@%[]\\()UF\né"));
        QRandomGenerator random(11);
        for (int round = 0; round < 300; ++round) {
            // Written as it stands exactly when the INI reader returns it so...
            const QString raw = randomText(random, alphabet, 8).remove('\n').prepend('k');
            const Conf rawValue(write("[classes]\nkey=" + raw.toUtf8() + "\n"), nullptr);
            QCOMPARE(rawValue.get_header().value("key") == raw, IniText::valueReadsBack(raw));
            const Conf rawKey(write("[classes]\n" + raw.toUtf8() + "=1\n"), nullptr);
            QVERIFY2((rawKey.get_header().value(raw) == "1") == IniText::keyReadsBack(raw),
                     qPrintable(raw));

            // ...and any text reads back as the document writes it.
            Conf conf;
            const QString version = randomText(random, alphabet, 10);
            const QString weight = randomText(random, alphabet, 10);
            conf.set_classification_version(version);
            conf.set_min_avg_axle_weight(weight);
            const Conf again(write(conf.to_string().toUtf8()), nullptr);
            QCOMPARE(again.get_classification_version(), version);
            QCOMPARE(again.get_min_avg_axle_weight(), weight);
            const QString key = randomText(random, alphabet, 6).remove('/');
            const Conf keyed(write("[classes]\n" + IniText::key(key).toUtf8() + "=1\n"), nullptr);
            QCOMPARE(keyed.get_header().keys(), QStringList{key});
        }
        // Ordinary texts stay as they are.
        for (const QString text : {"SI", "v1.2 (rc)", "2024,rev2", "@home", "a%zz"})
            QCOMPARE(IniText::value(text) + IniText::key(text), text + text);
    }

    void savedDocumentsReadBackAsSaved() {
        // Random subclasses, typed garbage included: whatever find_unwritable
        // lets through reads back as the same text; the rest it names.
        const QStringList plain{"", "7", "Šentvid", " 7 ", "-3", "2.5", "a=b"};
        const QStringList weights{"1", "2.5", "20.", "1e+09"};
        const QStringList distances{"1", "2.5", "1e+09", "", "x,y"};
        const QStringList constraints{"1+2,150", "1+12,7.", "1+2,"};
        const QStringList rows{"2:1,3", "1+2:3.5,4", "x", "2+3:100,5;180,6", "="};
        QRandomGenerator random(5);
        int refused = 0;
        for (int round = 0; round < 300; ++round) {
            Conf conf;
            conf.set_classification_version(pick(random, plain));
            for (quint32 number = 1; number <= 2; ++number) {
                Subclass s(completeTwoAxleTable(QString::number(number)));
                s.set_number_of_axles(QString::number(random.bounded(1, 6)));
                s.set_alias(pick(random, plain));
                s.set_max_axle_weight_at_index(pick(random, weights), random.bounded(4));
                s.set_min_distance_at_index(pick(random, distances), random.bounded(4));
                s.set_tyre_type_at_index(pick(random, plain), random.bounded(4));
                s.set_adsl_0(pick(random, rows));
                for (int k = random.bounded(13); k > 0; --k)
                    s.set_constraint_at_index(pick(random, rows), -1, "adsl");
                if (random.bounded(2))
                    s.set_constraint_at_index(pick(random, constraints), -1, "default");
                conf.insert_subclass(number, s);
            }
            if (conf.find_unwritable().found) {
                ++refused;
                continue;
            }
            const QString path = dir.filePath(QStringLiteral("round%1.conf").arg(round));
            QVERIFY(conf.write_to_file(path));
            QCOMPARE(Conf(path, nullptr).to_string(), conf.to_string());
        }
        QVERIFY2(refused > 0 && refused < 300, qPrintable(QString::number(refused)));
    }

    void saveKeepsWhatTheFileIs() {
        const Conf conf(write(WorkedExample), nullptr);
        // A hard link and the permissions stay.
        const QString target = dir.filePath("linked.conf");
        const QString other = dir.filePath("other-name.conf");
        QVERIFY(writeBytes(target, "old\n"));
        QVERIFY(::link(QFile::encodeName(target), QFile::encodeName(other)) == 0);
        QVERIFY(
            QFile::setPermissions(target, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup));
        QVERIFY(conf.write_to_file(target));
        QCOMPARE(readBytes(other), WorkedExample);
        QCOMPARE(QFileInfo(target).permissions() & (QFile::ReadGroup | QFile::WriteGroup),
                 QFile::ReadGroup);
        // A symbolic link stays a link to the file it names.
        const QString link = dir.filePath("link.conf");
        QVERIFY(QFile::link(other, link));
        QVERIFY(conf.write_to_file(link));
        QVERIFY(QFileInfo(link).isSymLink());
        QCOMPARE(readBytes(target), WorkedExample);

        using SaveFile::Method;
        const auto facts = [](bool exists, bool folderWritable, int links, bool ownedByUs) {
            SaveFile::Facts f;
            f.exists = exists;
            f.folderWritable = folderWritable;
            f.links = links;
            f.ownedByUs = ownedByUs;
            return SaveFile::choose(f);
        };
        QCOMPARE(facts(false, false, 1, true), Method::Atomic);
        QCOMPARE(facts(true, true, 1, true), Method::Atomic);
        QCOMPARE(facts(true, false, 1, true), Method::InPlace);
        QCOMPARE(facts(true, true, 2, true), Method::InPlace);
        QCOMPARE(facts(true, true, 1, false), Method::InPlace);
        QCOMPARE(SaveFile::factsOf(other).links, 2);
    }

private:
    QString write(const QByteArray &bytes) {
        const QString path = dir.filePath(QStringLiteral("f%1.conf").arg(++fileCount));
        if (!writeBytes(path, bytes))
            qFatal("cannot write test file");
        return path;
    }

    QTemporaryDir dir;
    int fileCount = 0;
};

QTEST_GUILESS_MAIN(TestFileSafety)
#include "tst_filesafety.moc"
