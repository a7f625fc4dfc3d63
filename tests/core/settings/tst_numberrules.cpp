// SPDX-License-Identifier: GPL-2.0-or-later
#include "core/settings/NumberRules.h"
#include "support/Golden.h"
#include "support/TestData.h"
#include "support/TestMain.h"

#include <QLocale>
#include <QTest>

#include <clocale>

using namespace quenbrook;

class tst_NumberRules : public QObject
{
    Q_OBJECT
private slots:
    // Every row runs in the C locale and again in one that writes a decimal comma, set here since
    // a program without an application object never takes the user's locale.
    void initTestCase_data()
    {
        QTest::addColumn<QByteArray>("locale");
        QTest::newRow("C") << QByteArray("C");
        QTest::newRow("de_DE") << QByteArray("de_DE.UTF-8");
    }

    void init()
    {
        QFETCH_GLOBAL(QByteArray, locale);
        QVERIFY2(std::setlocale(LC_ALL, locale.constData()),
                 QByteArray(locale + " is missing: scripts/install-deps.sh makes it").constData());
    }

    void cleanup() { std::setlocale(LC_ALL, "C"); }

    // Texts read as numbers, and numbers written as texts, against golden text: the same in
    // either locale. A text to read has its tabs and line ends written as \t, \n and \r.
    void readAndWritten()
    {
        QString dump;
        for (const QString& line : testsupport::dataLines("settings/numbers.txt")) {
            const QString kind = line.section(' ', 0, 0), input = line.section(' ', 1);
            const double value = QLocale::c().toDouble(input);
            if (kind == "read") {
                const QString text =
                    QString(input).replace("\\t", "\t").replace("\\n", "\n").replace("\\r", "\r");
                dump += QStringLiteral("read \"%1\": %2%3\n")
                            .arg(input)
                            .arg(NumericValue(text), 0, 'g', 17)
                            .arg(IsNumericText(text) ? ", a number" : "");
            } else if (kind == "single") {
                dump += QStringLiteral("single %1: %2, %3\n")
                            .arg(double(float(value)), 0, 'g', 9)
                            .arg(NumberText(float(value)), NumberTextNoLeadingZero(float(value)));
            } else if (kind == "double") {
                dump +=
                    QStringLiteral("double %1: %2\n").arg(value, 0, 'g', 17).arg(NumberText(value));
            }
        }
        QUENBROOK_COMPARE_GOLDEN("settings/numbers.txt", dump);
    }
};

QUENBROOK_TEST(tst_NumberRules)
#include "tst_numberrules.moc"
