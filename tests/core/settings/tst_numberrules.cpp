#include "core/settings/NumberRules.h"
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

    void numericValue_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("value");

        QTest::newRow("leading point") << ".25" << 0.25;
        QTest::newRow("comma ends the number") << "1,5" << 1.0;
        QTest::newRow("unit after a blank") << "3 cm" << 3.0;
        QTest::newRow("empty") << "" << 0.0;
        QTest::newRow("blanks inside") << " 1 2 " << 12.0;
        QTest::newRow("tabs and line feeds inside") << "\t1\n2 .\t5" << 12.5;
        QTest::newRow("carriage return is not skipped") << "\r5" << 0.0;
        QTest::newRow("blank after the sign") << "- 5" << -5.0;
        QTest::newRow("negative fraction") << "-.5" << -0.5;
        QTest::newRow("plus sign") << "+3" << 3.0;
        QTest::newRow("second point ends the number") << "1.2.3" << 1.2;
        QTest::newRow("point alone") << "." << 0.0;
        QTest::newRow("sign alone") << "-" << 0.0;
        QTest::newRow("two signs") << "--5" << 0.0;
        QTest::newRow("trailing letters") << "12abc" << 12.0;
        QTest::newRow("D exponent") << "1D3" << 1000.0;
        QTest::newRow("lower-case d exponent") << "1d3" << 1000.0;
        QTest::newRow("E exponent with sign") << "2.5E-3" << 0.0025;
        QTest::newRow("exponent with blanks") << "1 E 3" << 1000.0;
        QTest::newRow("exponent without digits") << "1E" << 1.0;
        QTest::newRow("exponent sign without digits") << "7e+" << 7.0;
        QTest::newRow("hexadecimal") << "&HFF" << 255.0;
        QTest::newRow("hexadecimal lower case") << "&hff" << 255.0;
        QTest::newRow("hexadecimal stops at a non-digit") << "&H1G" << 1.0;
        QTest::newRow("hexadecimal without digits") << "&H" << 0.0;
        QTest::newRow("octal") << "&O17" << 15.0;
        QTest::newRow("octal stops at 8") << "&O78" << 7.0;
        QTest::newRow("ampersand alone") << "&" << 0.0;
        QTest::newRow("ampersand and decimal digits") << "&12" << 0.0;
        QTest::newRow("blanks inside hexadecimal") << "& H 1 0" << 16.0;
        QTest::newRow("non-latin digit ends the number") << QString::fromUtf8("4\u0665") << 4.0;
        QTest::newRow("boolean text") << "True" << 0.0;
    }

    void numericValue()
    {
        QFETCH(QString, text);
        QTEST(NumericValue(text), "value");
    }

    void wholeNumbers()
    {
        for (const char* text : {"0", " 2 ", "-1.5E+3", "1D3", ".5", "&HFF", "&o17", "1 2"})
            QVERIFY2(IsNumericText(text), text);
        for (const char* text :
             {"", "abc", "1,5", "3 cm", "1E", "&H", "&O8", "-", ".", "True", "2x"})
            QVERIFY2(!IsNumericText(text), text);
    }

    void numericValueOutOfRange()
    {
        QCOMPARE(NumericValue("1E999"), std::numeric_limits<double>::infinity());
        QCOMPARE(NumericValue("-1D400"), -std::numeric_limits<double>::infinity());
        QCOMPARE(NumericValue("1E-999"), 0.0);
        QVERIFY(std::isinf(NumericValue("&H" + QString(300, 'F'))));
        // A value that fits a double but not a single.
        QVERIFY(std::isinf(static_cast<float>(NumericValue("1E39"))));
    }

    void singleText_data()
    {
        QTest::addColumn<float>("value");
        QTest::addColumn<QString>("text");

        QTest::newRow("zero") << 0.0f << "0";
        QTest::newRow("negative zero") << -0.0f << "0";
        QTest::newRow("negative fraction") << -0.5f << "-0.5";
        QTest::newRow("gap to cm") << static_cast<float>(0.1f * 2.54) << "0.254";
        QTest::newRow("third keeps seven digits") << 1.0f / 3.0f << "0.3333333";
        QTest::newRow("seven digits plain") << 1234567.0f << "1234567";
        QTest::newRow("eight digits rounded to exponent") << 12345678.0f << "1.234568E+07";
        QTest::newRow("ten thousandth plain") << 0.0001f << "0.0001";
        QTest::newRow("hundred thousandth exponent") << 1e-5f << "1E-05";
        QTest::newRow("small negative exponent") << -2.5e-7f << "-2.5E-07";
        QTest::newRow("large exponent three digits") << 3e38f << "3E+38";
        QTest::newRow("largest single") << std::numeric_limits<float>::max() << "3.402823E+38";
        QTest::newRow("sum that is not exact") << 0.1f + 0.2f << "0.3";
        QTest::newRow("fraction") << 1.75f << "1.75";
        QTest::newRow("quarter") << 0.25f << "0.25";
    }

    void singleText()
    {
        QFETCH(float, value);
        QTEST(NumberText(value), "text");
    }

    void doubleText_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("text");

        QTest::newRow("single tenth shows its error")
            << static_cast<double>(0.1f) << "0.100000001490116";
        QTest::newRow("third keeps fifteen digits") << 1.0 / 3.0 << "0.333333333333333";
        QTest::newRow("sum rounds to fifteen digits") << 0.1 + 0.2 << "0.3";
        QTest::newRow("fifteen digits plain") << 123456789012345.0 << "123456789012345";
        QTest::newRow("twips with a half") << 7612.5 << "7612.5";
        QTest::newRow("sixteen digits exponent") << 1e15 << "1E+15";
        QTest::newRow("big with fraction digits") << 1.5e16 << "1.5E+16";
        QTest::newRow("small") << 1e-5 << "1E-05";
        QTest::newRow("largest negative reads back finite")
            << std::numeric_limits<double>::lowest() << "-1.79769313486231E+308";
        QTest::newRow("largest") << std::numeric_limits<double>::max() << "1.79769313486231E+308";
        QTest::newRow("infinity") << std::numeric_limits<double>::infinity() << "0";
        QTest::newRow("nan") << std::numeric_limits<double>::quiet_NaN() << "0";
    }

    void doubleText()
    {
        QFETCH(double, value);
        QTEST(NumberText(value), "text");
    }

    void textWithoutLeadingZero()
    {
        QCOMPARE(NumberTextNoLeadingZero(0.1f), QString(".1"));
        QCOMPARE(NumberTextNoLeadingZero(-0.5f), QString("-.5"));
        QCOMPARE(NumberTextNoLeadingZero(2.0f), QString("2"));
        QCOMPARE(NumberTextNoLeadingZero(0.0f), QString("0"));
        QCOMPARE(NumberTextNoLeadingZero(1e-5f), QString("1E-05"));
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
