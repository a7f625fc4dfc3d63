// SPDX-License-Identifier: GPL-2.0-or-later
#include "core/settings/NumberRules.h"
#include "support/Golden.h"
#include "support/TestData.h"
#include "support/TestMain.h"

#include <QLocale>
#include <QRandomGenerator>
#include <QTest>

#include <clocale>
#include <cmath>

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

    // Whatever single is written, reading the text back lands within the seven digits kept
    // (half a unit of the seventh digit, plus the rounding of the single read back).
    void singleTextReadsBackClose()
    {
        QRandomGenerator random(20261205);
        for (int i = 0; i < 20000; ++i) {
            const float value = static_cast<float>(random.bounded(2.0) - 1.0) *
                                std::pow(10.0f, static_cast<float>(random.bounded(-30, 30)));
            const QString text = NumberText(value);
            const float back = static_cast<float>(NumericValue(text));
            QVERIFY2(std::fabs(back - value) <= std::fabs(value) * 6e-7f,
                     qPrintable(QString::asprintf("%.9g written as %s reads %.9g", double(value),
                                                  qPrintable(text), double(back))));
            QVERIFY2(!text.contains(QLatin1Char(',')) && text.size() <= 14, qPrintable(text));
        }
    }
};

QUENBROOK_TEST(tst_NumberRules)
#include "tst_numberrules.moc"
