// What the file keeps safe: text that reads back exactly as it was saved,
// hostile files refused, saving that keeps the file what it was.
#include "model/initext.h"
#include "model/savefile.h"
#include "modeltestsupport.h"

#include <QDir>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QSettings>
#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

QString randomText(QRandomGenerator &random, const QStringList &alphabet, int maxLength) {
    QString text;
    for (int i = random.bounded(1, maxLength + 1); i > 0; --i)
        text += alphabet.at(random.bounded(alphabet.size()));
    return text;
}

// Files may not grow past this in saveWithinLimit(): writes beyond fail with
// the kernel's own error, as on a full disk.
constexpr rlim_t FileSizeLimit = 4096;

// Saves in a child process whose files cannot grow past FileSizeLimit. Gives
// the reason the save failed, empty when it succeeded.
QString saveWithinLimit(const QString &path, const QByteArray &bytes) {
    int channel[2];
    if (::pipe(channel) != 0)
        return QString();
    const pid_t child = ::fork();
    if (child == 0) {
        ::signal(SIGXFSZ, SIG_IGN);
        const rlimit cap{FileSizeLimit, FileSizeLimit};
        QString reason = QStringLiteral("no limit");
        if (::setrlimit(RLIMIT_FSIZE, &cap) == 0 && SaveFile::write(path, bytes, &reason))
            reason.clear();
        const QByteArray answer = reason.toUtf8();
        ::_exit(::write(channel[1], answer.constData(), answer.size()) == answer.size() ? 0 : 1);
    }
    ::close(channel[1]);
    QFile answer;
    answer.open(channel[0], QIODevice::ReadOnly, QFileDevice::AutoCloseHandle);
    const QString reason = QString::fromUtf8(answer.readAll());
    ::waitpid(child, nullptr, 0);
    return reason;
}

} // namespace

class TestFileSafety : public QObject {
    Q_OBJECT

private slots:
    void hostileWeightLinesReadAtOnce() {
        // Each line would keep a pattern engine busy for seconds; read
        // linearly, the whole file takes a moment. The longest line is read too.
        QByteArray file = "[subclass_101]\nalias=" + QByteArray(65536 - 6, '7') + "\n";
        const QByteArray chain = QByteArray("1+").repeated(29000) + "+,5";
        for (int section = 1; section <= 100; ++section)
            file += "[subclass_" + QByteArray::number(section) + "]\nmax_axle_weight__kN=" + chain +
                    "\n";
        const Conf conf = files.read(file);
        QVERIFY(conf.get_read_outcome().readWhole());
        QCOMPARE(conf.get_subclass(100).get_number_of_constraints(ConstraintType::Default), 0);
    }

    void hostileFilesAreRefused_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("reason");
        // A missing file and a device: see the check tool's tests.
        const QString fifo = files.path("pipe.conf");
        QVERIFY(::mkfifo(QFile::encodeName(fifo).constData(), 0600) == 0);
        QTest::newRow("pipe") << fifo << "it is not a regular file";
        QFile sparse(files.path("huge.conf"));
        QVERIFY(sparse.open(QIODevice::WriteOnly) && sparse.resize(64 * 1024 * 1024 + 1));
        QTest::newRow("too large") << sparse.fileName() << "it is larger than 64 MiB";
        QTest::newRow("UTF-16") << files.write(QByteArray("\xFF\xFE[\0c\0", 6))
                                << "it is UTF-16 text, which a classification cannot be; save it "
                                   "as UTF-8 first";
        QTest::newRow("long line")
            << files.write(
                   "\n[classes]\nnote=x\n[subclass_1]\nalias=" + QByteArray(65536 - 5, '7') + "\n")
            << "line 5 is longer than 65536 bytes"; // after a blank first line
    }

    void hostileFilesAreRefused() {
        QFETCH(QString, path);
        const Conf conf(path, nullptr);
        QVERIFY(!conf.get_read_outcome().opened);
        QTEST(conf.get_read_outcome().failure, "reason");
        QVERIFY(conf.get_header().isEmpty() && conf.get_subclass_numbers().isEmpty());
    }

    void headerTextReadsBackExactly() {
        const QStringList alphabet =
            QStringLiteral("ab9 \t=;\",@%[]\\()UF\né").split("", Qt::SkipEmptyParts);
        const QStringList keyAlphabet = alphabet + QStringList{"/", "\u2003", "\u00A0", "ß"};
        QRandomGenerator random(11);
        for (int round = 0; round < 300; ++round) {
            // Written as it stands exactly when the INI reader returns it so...
            const QString raw = randomText(random, alphabet, 8).remove('\n').prepend('k');
            const Conf rawValue = files.read("[classes]\nkey=" + raw.toUtf8() + "\n");
            QCOMPARE(rawValue.get_header().value("key") == raw, IniText::valueReadsBack(raw));
            const Conf rawKey = files.read("[classes]\n" + raw.toUtf8() + "=1\n");
            // A backslash is always escaped: the site's reader takes it for "/".
            const bool keyBack = rawKey.get_header().value(raw) == "1";
            QVERIFY2(keyBack == IniText::keyReadsBack(raw) || (keyBack && raw.contains('\\')),
                     qPrintable(raw));

            // ...and any text reads back as the document writes it.
            Conf conf;
            const QString version = randomText(random, alphabet, 10);
            const QString weight = randomText(random, alphabet, 10);
            conf.set_classification_version(version);
            conf.set_min_avg_axle_weight(weight);
            const Conf again = files.read(conf.to_string().toUtf8());
            QCOMPARE(again.get_classification_version(), version);
            QCOMPARE(again.get_min_avg_axle_weight(), weight);
            const QString key = randomText(random, keyAlphabet, 6);
            const Conf keyed = files.read("[classes]\n" + IniText::key(key).toUtf8() + "=1\n");
            QCOMPARE(keyed.get_header().keys(), QStringList{key});
        }
        // Keys the toolkit's reader loses or changes are read, and saved alike.
        const Conf odd = files.read("[classes]\nnotiz\u2003=1\ngr\xC3\xB6\xC3\x9F"
                                    "e\xC2\xA0=2\n"
                                    "a/b=3\na\\b=4\n");
        QCOMPARE(odd.get_header().keys(),
                 QStringList({"a/b", "a\\b", "größe\u00A0", "notiz\u2003"}));
        QCOMPARE(files.read(odd.to_bytes()).get_header(), odd.get_header());
        // As the toolkit reads them: "@@" is an escaped "@", in a list too; an
        // escape that ends the value keeps its blank; an octal escape ends at
        // the first digit that is not octal; geometry has no text.
        const QMap<QString, QString> typed =
            files.read("[classes]\nl=a,@@\nk=a\\x20\no=\\18\ns=@Size(1 2)\nt=@Size(1  2)\n")
                .get_header();
        QCOMPARE(QStringList(typed.values()).join('|'), QString("a |a,@|\u00018||@Size(1  2)"));
        // What the encoding cannot hold is refused by name.
        const Conf lone = files.read("[classes]\nk%UD800=1\n");
        QCOMPARE(lone.find_unwritable().value.key, QString("k") + QChar(0xD800));
        QVERIFY(lone.find_unwritable().inHeader);
        // Ordinary texts stay as they are; of the others, only what must be
        // escaped is.
        for (const QString text : {"SI", "v1.2 (rc)", "2024,rev2", "@home", "a%zz"})
            QCOMPARE(IniText::value(text) + IniText::key(text), text + text);
        QCOMPARE(IniText::key(" a b=c"), QString("%20a b%3Dc"));
    }

    void headerReadsAsTheSiteReadsIt() {
        // The site reads the header with the toolkit's INI reader: every key
        // that reader keeps reads alike, and so does its value.
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
        QSKIP("The site's reader is Qt 5's; Qt 6's reads some escapes otherwise.");
#else
        const QStringList pieces =
            QStringLiteral("a|k|9| |\t|=|;|\"|,|@|%|%41|%-1|%U00E9|[|]|\\|"
                           "= \\x\n|\\x4|\\n|\\7|\\8|\n|\r|é|@String(|@ByteArray(|@Size(1 "
                           "2)|@Rect(|@@|)|@Invalid()|"
                           "[classes]")
                .split('|');
        QRandomGenerator random(13);
        for (int round = 0; round < 2000; ++round) {
            const QString path = files.write(
                ("[classes]\ntyped=@ByteArray(\\101 b)\n" + randomText(random, pieces, 30))
                    .toUtf8());
            // Keys that reader loses, and those it decodes as Latin-1, are left out.
            const QRegularExpression lost("^$|[/\\\\éÃ]");
            QSettings site(path, QSettings::IniFormat);
            site.setIniCodec("UTF-8");
            site.beginGroup("classes");
            QMap<QString, QString> expected;
            for (const QString &key : site.childKeys()) {
                if (key.contains(lost))
                    continue;
                const QVariant value = site.value(key);
                expected.insert(key, value.userType() == QMetaType::QStringList
                                         ? value.toStringList().join(',')
                                         : value.toString());
            }
            QMap<QString, QString> header;
            for (const auto &[key, value] : Conf(path).get_header().toStdMap())
                if (!key.contains(lost))
                    header.insert(key, value);
            QCOMPARE(header, expected);
        }
#endif
    }

    void saveKeepsWhatTheFileIs() {
        const Conf conf = files.read(WorkedExample);
        // A hard link and the permissions stay; nothing of the longer old
        // text is left behind.
        const QString target = files.write(WorkedExample + WorkedExample);
        const QString other = files.path("other-name.conf");
        QVERIFY(::link(QFile::encodeName(target), QFile::encodeName(other)) == 0);
        QVERIFY(
            QFile::setPermissions(target, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup));
        QVERIFY(conf.write_to_file(target));
        QCOMPARE(readBytes(other), WorkedExample);
        QCOMPARE(QFileInfo(target).permissions() & (QFile::ReadGroup | QFile::WriteGroup),
                 QFile::ReadGroup);
        // A symbolic link stays a link to the file it names.
        const QString link = files.path("link.conf");
        QVERIFY(QFile::link(other, link));
        QVERIFY(conf.write_to_file(link));
        QVERIFY(QFileInfo(link).isSymLink());
        QCOMPARE(readBytes(target), WorkedExample);
        QCOMPARE(SaveFile::factsOf(link).links, 2);

        // Facts: exists, folder writable, links, owned by us.
        using SaveFile::Method;
        QCOMPARE(SaveFile::choose({false, false, 1, true}), Method::Atomic);
        QCOMPARE(SaveFile::choose({true, true, 1, true}), Method::Atomic);
        QCOMPARE(SaveFile::choose({true, false, 1, true}), Method::InPlace);
        QCOMPARE(SaveFile::choose({true, true, 2, true}), Method::InPlace);
        QCOMPARE(SaveFile::choose({true, true, 1, false}), Method::InPlace);
    }

    void fullDiskLeavesTheOldText_data() {
        QTest::addColumn<QByteArray>("old");
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<bool>("linked"); // a hard link makes Save write in place
        const QByteArray longer(7 * 1024, 'x');
        QTest::newRow("replaced") << WorkedExample << longer << false;
        QTest::newRow("in place") << WorkedExample << longer << true;
        // The room is there, yet the writing fails part way.
        QTest::newRow("in place, old text past the limit")
            << WorkedExample.repeated(32) << QByteArray(6 * 1024, 'x') << true;
    }

    void fullDiskLeavesTheOldText() {
        QFETCH(QByteArray, old);
        QFETCH(QByteArray, text);
        QFETCH(bool, linked);
        const QString target = files.write(old);
        const QString other = target + ".link";
        QVERIFY(!linked || ::link(QFile::encodeName(target), QFile::encodeName(other)) == 0);
        const QDir folder(QFileInfo(target).absolutePath());
        const QStringList before = folder.entryList(QDir::Files | QDir::System);

        QCOMPARE(saveWithinLimit(target, text), qt_error_string(EFBIG));
        QCOMPARE(readBytes(target), old);
        QCOMPARE(folder.entryList(QDir::Files | QDir::System), before);
    }

    void saveRefusesWhatIsNoRegularFile_data() {
        QTest::addColumn<QString>("path");
        const QString fifo = files.path("save-pipe.conf");
        QVERIFY(::mkfifo(QFile::encodeName(fifo).constData(), 0600) == 0);
        QTest::newRow("pipe") << fifo;
        const QString link = files.path("save-pipe-link.conf");
        QVERIFY(QFile::link(fifo, link));
        QTest::newRow("link to a pipe") << link;
        QTest::newRow("folder") << files.path("");
    }

    void saveRefusesWhatIsNoRegularFile() {
        QFETCH(QString, path);
        const QByteArray name = QFile::encodeName(path);
        struct stat before, after;
        QVERIFY(::lstat(name.constData(), &before) == 0);
        QString reason;
        QVERIFY(!SaveFile::write(path, WorkedExample, &reason));
        QCOMPARE(reason, "It is not a regular file. Only a regular file, or a link to one, can "
                         "be saved.");
        QVERIFY(::lstat(name.constData(), &after) == 0);
        QCOMPARE(after.st_mode, before.st_mode);
        QCOMPARE(after.st_ino, before.st_ino);
    }

private:
    TestFiles files;
};

QTEST_GUILESS_MAIN(TestFileSafety)
#include "tst_filesafety.moc"
