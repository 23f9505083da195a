// The hand-written syntaxes and number conversions against the pattern
// engine and the toolkit conversions they stand in for, on random texts from
// small alphabets of the characters that matter.
#include "model/numbers.h"
#include "model/syntax.h"
#include "model/weightentries.h"

#include <QtTest>
#include <cstring>
#include <functional>

namespace {

// Each character of the ASCII text, and digits beyond ASCII. (The regular
// expressions held against here know Unicode digits newer than the
// toolkit's, such as Tangsa's, which the program, like QRegExp, does not
// take for digits; they are left out.)
QStringList alphabet(const QString &ascii) {
    return ascii.split("", Qt::SkipEmptyParts)
           << QString(QChar(0x0663)) << QStringLiteral("\U0001D7CE");
}

// Valid texts of every syntax; their edited copies give near misses.
const QStringList Samples = {"1+2,150", "12+3,4.",    "1+2:3.5,4.2",  "2:3,4", "2+3:100,5;180,6",
                             "10,25.5", "50,3;400,7", "1.5,3;4.25,7", "C2",    "A1D2T3",
                             "H10S2",   "V3D1"};

// A random text, or a sample with a few random edits.
QString randomText(QRandomGenerator &random, const QStringList &alphabet, int maxLength) {
    const auto pick = [&] { return alphabet.at(random.bounded(alphabet.size())); };
    QStringList text;
    if (random.bounded(3) == 0) {
        for (int i = random.bounded(maxLength + 1); i > 0; --i)
            text << pick();
        return text.join(QString());
    }
    text = Samples.at(random.bounded(Samples.size())).split("", Qt::SkipEmptyParts);
    for (int edits = random.bounded(4); edits > 0; --edits) {
        const int at = random.bounded(text.size() + 1);
        const int kind = random.bounded(3);
        if (kind > 0 && at < text.size())
            text.removeAt(at);
        if (kind < 2)
            text.insert(qMin(at, text.size()), pick());
    }
    return text.join(QString());
}

QRegularExpression whole(const char *pattern) {
    return QRegularExpression(QStringLiteral("\\A(?:%1)\\z").arg(QLatin1String(pattern)),
                              QRegularExpression::UseUnicodePropertiesOption);
}

quint8 patternAxleCount(const QString &text) {
    static const QRegularExpression run(QStringLiteral("\\d+"),
                                        QRegularExpression::UseUnicodePropertiesOption);
    quint8 sum = 0;
    for (QRegularExpressionMatchIterator it = run.globalMatch(text); it.hasNext();)
        sum += static_cast<quint8>(it.next().captured(0).toUInt(nullptr, 10));
    return sum;
}

using Match = WeightEntries::Match;

// Every match of a search that goes on where the last match ended.
QStringList matches(const QString &text, const std::function<Match(int)> &next) {
    QStringList found;
    for (Match match = next(0); match.found(); match = next(match.end))
        found << text.mid(match.start, match.end - match.start);
    return found;
}

QStringList patternMatches(const char *pattern, const QString &text) {
    const QRegularExpression expression(QLatin1String(pattern),
                                        QRegularExpression::UseUnicodePropertiesOption);
    return matches(text, [&](int from) {
        const QRegularExpressionMatch match = expression.match(text, from);
        return match.hasMatch() ? Match{int(match.capturedStart()), int(match.capturedEnd())}
                                : Match{};
    });
}

} // namespace

class TestSyntax : public QObject {
    Q_OBJECT

private slots:
    void matchersAgreeWithThePatterns() {
        const struct {
            QRegularExpression pattern;
            bool (*matches)(const QString &);
        } syntaxes[] = {
            {whole("(?:\\d+\\+)+\\d+,\\d+\\.?\\d*"), Syntax::isCombinedWeight},
            {whole("(?:\\d+\\+)*\\d:\\d+(?:\\.\\d+)?,\\d+(?:\\.\\d+)?"), Syntax::isAdsl},
            {whole("(?:\\d+\\+)*\\d:\\d+(?:\\.\\d+)?,\\d+;\\d+(?:\\.\\d+)?,\\d+"), Syntax::isAwsl},
            {whole("\\d+(?:\\.\\d+)?,\\d+(?:\\.\\d+)?"), Syntax::isAdsl0},
            {whole("\\d+(?:\\.\\d+)?,\\d+;\\d+(?:\\.\\d+)?,\\d+"), Syntax::isAwsl0},
            {whole("[ABCHLMV]\\d+(?:[DTS]\\d+)*"), Syntax::isAxleConfiguration},
        };
        // Axle runs that do not convert as unsigned count nothing; the sum
        // wraps at 256.
        QStringList texts =
            QStringLiteral("|1+12:3,4|12:3,4|1+2:3.,4|1+2:3.5,4|1+\U0001D7CE:2,3|c2|C258|"
                           "A4294967295|A4294967296D2|A99999999999999999999999D1|A\u06631D2")
                .split('|');
        texts << "C" + QString("0").repeated(40) + "3" << QString("1+").repeated(3000) + "2,3"
              << "A" + QString("9").repeated(5000);
        QRandomGenerator random(5);
        const QStringList letters = alphabet("019+,.:;ABCHLMVDTS -e");
        for (int round = 0; round < 30000; ++round)
            texts << randomText(random, letters, 16);
        for (const QString &text : texts) {
            for (const auto &syntax : syntaxes)
                QVERIFY2(syntax.matches(text) == syntax.pattern.match(text).hasMatch(),
                         qPrintable(syntax.pattern.pattern() + " on " + text));
            QVERIFY2(Syntax::axleCount(text) == patternAxleCount(text), qPrintable(text));
        }
    }

    // The searches of a weight list find what the file format's patterns find.
    void weightSearchesAgreeWithThePatterns() {
        QRandomGenerator random(7);
        const QStringList letters = alphabet("12+,.;x ");
        for (int round = 0; round < 20000; ++round) {
            const QString text = randomText(random, letters, 24);
            QCOMPARE(
                matches(text, [&](int from) { return WeightEntries::nextAxleWeight(text, from); }),
                patternMatches("(?:[^+]|^)(\\d+,\\d+\\.?\\d*)", text));
            QCOMPARE(WeightEntries::combinedEntries(text),
                     patternMatches("(?:\\d+\\+)+\\d+,\\d+\\.?\\d*", text));
        }
    }

    void conversionsAgreeWithTheToolkit() {
        QStringList texts =
            QStringLiteral("|.|1.|.5|0.|-0|-|+1| 1|1e3|0.1.2|4294967295|4294967296|2147483647|"
                           "2147483648|-2147483648|-2147483649|18446744073709551617|16777217|"
                           "0.0000000000000000000001|0.00000000000000000000001|123456789012345|"
                           "1234567890123456|9007199254740993|3.4028236e38")
                .split('|');
        texts << QString("0").repeated(40) + "7";
        QRandomGenerator random(3);
        const QStringList letters = alphabet("0123456789.-+e ");
        for (int round = 0; round < 40000; ++round) {
            texts << randomText(random, letters, 12);
            // Plain decimals around the exact limits: 15 digits, 22 decimals.
            QString plain = QString::number(random.generate64()).left(random.bounded(1, 19));
            plain.insert(random.bounded(plain.size() + 1), '.');
            texts << QString("0").repeated(random.bounded(4)) + plain +
                         QString("0").repeated(random.bounded(12));
        }
        // The text, the float's bits, the integer, the unsigned alone and within a longer text.
        const auto numbers = [](const QString &text, float f, int i, quint32 u, quint32 within) {
            quint32 bits;
            std::memcpy(&bits, &f, sizeof bits);
            return QStringLiteral("%1: %2 %3 %4 %5").arg(text).arg(bits).arg(i).arg(u).arg(within);
        };
        for (const QString &text : texts) {
            const QString within = "x" + text + "y";
            QCOMPARE(numbers(text, Numbers::asFloat(text), Numbers::asInt(text),
                             Numbers::asUnsigned(text),
                             Numbers::asUnsigned(QStringView(within).mid(1, text.size()))),
                     numbers(text, text.toFloat(), text.toInt(nullptr, 10),
                             text.toUInt(nullptr, 10), text.toUInt(nullptr, 10)));
        }
    }
};

QTEST_APPLESS_MAIN(TestSyntax)
#include "tst_syntax.moc"
