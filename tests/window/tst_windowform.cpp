// The main window as built: what each field lets through, and the shortcuts.
#include "common/windowdriver.h"

using WindowDriver::widget;

class TestWindowForm : public QObject {
    Q_OBJECT

private slots:
    // On a desktop that writes decimals with a comma, every number field
    // still takes only what the conversions read.
    void fieldsRefuseWhatTheyCannotRead() {
        const QLocale previous;
        QLocale::setDefault(QLocale(QLocale::Slovenian));
        Tarveo w;
        QLocale::setDefault(previous);
        const auto takes = [&w](const QString &name, QString text) {
            const QValidator *validator = widget(w, name)->validator();
            int position = text.size();
            return !validator || validator->validate(text, position) != QValidator::Invalid;
        };
        // The validators are installed by kind: a field of each kind, and the
        // first axle's, which is made apart. A reclassification target, whose
        // kind is a count, has always let a real through.
        for (const char *name : {"lineEditReclassUpTo", "MaxAxleWeightEdit1"})
            QVERIFY2(takes(name, "3.5") && !takes(name, "3,5") && !takes(name, "1.000,5"), name);
        for (const char *name : {"lineEditUnclassified", "TyreType1"})
            QVERIFY2(takes(name, "140") && !takes(name, "3.5") && !takes(name, "1.000"), name);
        QVERIFY(takes("lineEditNumOfAxles", "20") && !takes("lineEditNumOfAxles", "-3"));
        // Free text: constraints are lists with commas.
        for (const char *name : {"lineEditAddLowerConstraint", "lineEditTotalWeightConstraint"})
            QVERIFY2(takes(name, "3,5;1.000 x"), name);
    }

    void shortcutsAct_data() {
        QTest::addColumn<QString>("keys"); // pressed in the named field
        QTest::addColumn<int>("from");     // the subclass shown
        QTest::addColumn<QString>("then"); // the subclass shown, the first box or dialog
        // The list moves from every kind of field the focus can be in: a
        // header field, a subclass field and the three lists, whose own arrow
        // keys must not win. Its ends hold.
        QTest::newRow("Down, header field") << "lineEditCountry Down" << 0 << "1";
        QTest::newRow("Alt+Left, subclass field") << "lineEditCategory Alt+Left" << 1 << "0";
        QTest::newRow("Up, subclass list") << "comboBoxSubclasses Up" << 1 << "0";
        QTest::newRow("Alt+Right, invalid list") << "comboBoxInvalid Alt+Right" << 0 << "1";
        QTest::newRow("Down, constraint chooser") << "comboBoxAddConstraint Down" << 0 << "1";
        QTest::newRow("Down at the end") << "lineEditCountry Down" << 1 << "1";
        QTest::newRow("Up at the start") << "lineEditCountry Up" << 0 << "0";
        // The File menu's keys from any field; the open file's second
        // subclass is incomplete.
        QTest::newRow("Ctrl+S") << "comboBoxSubclasses Ctrl+S" << 0
                                << "0 box: Vital information missing in one or more subclasses!";
        QTest::newRow("Ctrl+Q") << "comboBoxInvalid Ctrl+Q" << 0 << "0 closed";
    }

    void shortcutsAct() {
        QFETCH(QString, keys);
        QFETCH(int, from);
        QFETCH(QString, then);
        // Two subclasses, the second incomplete: the invalid list and the
        // constraint chooser are shown too.
        Tarveo w;
        w.openFile(WindowDriver::dataPath(QStringLiteral("incomplete.conf")));
        w.show();
        QApplication::setActiveWindow(&w);
        QVERIFY(QTest::qWaitForWindowActive(&w));
        QComboBox *list = WindowDriver::subclassList(w);
        {
            const QSignalBlocker quiet(list);
            list->setCurrentIndex(from);
        }
        const QString focus = keys.section(' ', 0, 0);
        widget<QWidget>(w, focus)->setFocus();
        QVERIFY2(widget<QWidget>(w, focus)->hasFocus(), qPrintable(focus));
        ModalScript script;
        QTest::keySequence(QApplication::focusWidget(), QKeySequence(keys.section(' ', 1)));
        QStringList result{QString::number(list->currentIndex())};
        if (!script.shown().isEmpty())
            result << script.shown().first().section(QLatin1Char('\n'), 0, 0);
        if (!w.isVisible())
            result << QStringLiteral("closed");
        QCOMPARE(result.join(' '), then);
    }
};

QTEST_MAIN(TestWindowForm)
#include "tst_windowform.moc"
