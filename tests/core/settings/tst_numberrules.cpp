#include "core/settings/NumberRules.h"
#include "support/Golden.h"
#include "support/TestMain.h"

#include <QRandomGenerator>
#include <QTest>

#include <clocale>
#include <cmath>
#include <cstdio>
#include <limits>

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
        char printed[16];
        std::snprintf(printed, sizeof printed, "%.2f", 1.75);
        QCOMPARE(QByteArray(printed), QByteArray(locale == "C" ? "1.75" : "1,75"));
    }

    void cleanup() { std::setlocale(LC_ALL, "C"); }

    // Texts read as numbers, and numbers written as texts, against golden text: the same in
    // either locale.
    void readAndWritten()
    {
        // clang-format off
        const QStringList texts{
            ".25", "1,5", "3 cm", "", " 1 2 ", "\t1\n2 .\t5", "\r5", "- 5", "-.5", "+3", "1.2.3", ".",
            "-", "--5", "12abc", "1D3", "1d3", "2.5E-3", "1 E 3", "1E", "7e+", "&HFF", "&hff", "&H1G",
            "&H", "&O17", "&o17", "&O78", "&O8", "&", "&12", "& H 1 0", "4\u0665", "True", "0",
            "-1.5E+3", "2x", "1E999", "-1D400", "1E-999", "&H" + QString(300, 'F'), "1E39"};
        // clang-format on
        QString dump;
        for (const QString& text : texts)
            dump += QStringLiteral("read \"%1\": %2%3\n")
                        .arg(QString(text)
                                 .replace('\t', "\\t")
                                 .replace('\n', "\\n")
                                 .replace('\r', "\\r"))
                        .arg(NumericValue(text), 0, 'g', 17)
                        .arg(IsNumericText(text) ? ", a number" : "");
        const float singles[] = {
            0.0f,        -0.0f,      -0.5f,       float(0.1f * 2.54),
            1.0f / 3.0f, 1234567.0f, 12345678.0f, 0.0001f,
            1e-5f,       -2.5e-7f,   3e38f,       std::numeric_limits<float>::max(),
            0.1f + 0.2f, 1.75f,      0.25f,       0.1f,
            2.0f};
        for (const float value : singles)
            dump += QStringLiteral("single %1: %2, %3\n")
                        .arg(double(value), 0, 'g', 9)
                        .arg(NumberText(value), NumberTextNoLeadingZero(value));
        const double doubles[] = {double(0.1f),
                                  1.0 / 3.0,
                                  0.1 + 0.2,
                                  123456789012345.0,
                                  7612.5,
                                  1e15,
                                  1.5e16,
                                  1e-5,
                                  std::numeric_limits<double>::lowest(),
                                  std::numeric_limits<double>::max(),
                                  std::numeric_limits<double>::infinity(),
                                  std::numeric_limits<double>::quiet_NaN()};
        for (const double value : doubles)
            dump += QStringLiteral("double %1: %2\n").arg(value, 0, 'g', 17).arg(NumberText(value));
        QUENBROOK_COMPARE_GOLDEN("settings/numbers.txt", dump);
    }

    // Whatever single is written, reading the text back lands within the seven digits kept
    // (half a unit of the seventh digit, plus the rounding of the single read back).
    void singleTextReadsBackClose()
    {
        QRandomGenerator random(20261205);
        for (int i = 0; i < 20000; ++i) {
            const float mantissa = static_cast<float>(random.bounded(2.0) - 1.0);
            const int exponent = random.bounded(-30, 30);
            const float value = mantissa * std::pow(10.0f, static_cast<float>(exponent));
            const QString text = NumberText(value);
            const float back = static_cast<float>(NumericValue(text));
            QVERIFY2(std::fabs(back - value) <= std::fabs(value) * 6e-7f,
                     qPrintable(QString("%1 written as %2 reads %3")
                                    .arg(double(value), 0, 'g', 9)
                                    .arg(text)
                                    .arg(double(back), 0, 'g', 9)));
            QVERIFY2(!text.contains(QLatin1Char(',')) && text.size() <= 14, qPrintable(text));
        }
    }
};

QUENBROOK_TEST(tst_NumberRules)
#include "tst_numberrules.moc"
