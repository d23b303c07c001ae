#include "roster/leadingnumber.h"

#include <QTest>

#include <climits>
#include <limits>

class TestLeadingNumber : public QObject {
    Q_OBJECT

private slots:
    void leadingNumber_data();
    void leadingNumber();
    void colourFromText_data();
    void colourFromText();
};

void TestLeadingNumber::leadingNumber_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("expected");
    const double inf = std::numeric_limits<double>::infinity();

    QTest::newRow("integer") << "150" << 150.0;
    QTest::newRow("zero") << "0" << 0.0;
    QTest::newRow("empty") << "" << 0.0;
    QTest::newRow("no digits") << "abc" << 0.0;
    QTest::newRow("blanks inside") << "1 5 0" << 150.0;
    QTest::newRow("blanks around") << " 12 " << 12.0;
    QTest::newRow("tab and line feed") << "\t4\n2" << 42.0;
    QTest::newRow("trailing text") << "12abc" << 12.0;
    QTest::newRow("decimal") << "2.5" << 2.5;
    QTest::newRow("leading point") << ".5" << 0.5;
    QTest::newRow("trailing point") << "5." << 5.0;
    QTest::newRow("second point ends") << "1.2.3" << 1.2;
    QTest::newRow("point only") << "." << 0.0;
    QTest::newRow("minus") << "-3" << -3.0;
    QTest::newRow("plus") << "+8" << 8.0;
    QTest::newRow("minus point") << "-.5" << -0.5;
    QTest::newRow("sign only") << "-" << 0.0;
    QTest::newRow("two signs") << "+-3" << 0.0;
    QTest::newRow("exponent") << "1e3" << 1000.0;
    QTest::newRow("D exponent") << "1D2" << 100.0;
    QTest::newRow("signed exponent") << "2.5e-1" << 0.25;
    QTest::newRow("plus exponent") << "1E+2" << 100.0;
    QTest::newRow("bare marker") << "1e" << 1.0;
    QTest::newRow("marker and sign") << "1e+" << 1.0;
    QTest::newRow("marker then text") << "7dx" << 7.0;
    QTest::newRow("blanks in exponent") << "1 e 2" << 100.0;
    QTest::newRow("overflow") << "1e999" << inf;
    QTest::newRow("negative overflow") << "-1e999" << -inf;
    QTest::newRow("underflow") << "1e-999" << 0.0;
    QTest::newRow("hex") << "&H1F" << 31.0;
    QTest::newRow("hex lower case") << "&hff" << 255.0;
    QTest::newRow("hex no digits") << "&H" << 0.0;
    QTest::newRow("hex ends at non-digit") << "&H1G" << 1.0;
    QTest::newRow("hex 16-bit max") << "&H7FFF" << 32767.0;
    QTest::newRow("hex 16-bit min") << "&H8000" << -32768.0;
    QTest::newRow("hex 16-bit all ones") << "&HFFFF" << -1.0;
    QTest::newRow("hex leading zeros") << "&H0FFFF" << -1.0;
    QTest::newRow("hex 32-bit") << "&H10000" << 65536.0;
    QTest::newRow("hex 32-bit min") << "&H80000000" << -2147483648.0;
    QTest::newRow("hex 32-bit all ones") << "&HFFFFFFFF" << -1.0;
    QTest::newRow("hex unsigned") << "&H100000000" << 4294967296.0;
    QTest::newRow("octal") << "&O17" << 15.0;
    QTest::newRow("octal lower case") << "&o17" << 15.0;
    QTest::newRow("octal ends at 8") << "&O78" << 7.0;
    QTest::newRow("octal 16-bit all ones") << "&O177777" << -1.0;
    QTest::newRow("octal 32-bit") << "&O200000" << 65536.0;
    QTest::newRow("octal 32-bit all ones") << "&O37777777777" << -1.0;
    QTest::newRow("octal unsigned") << "&O40000000000" << 4294967296.0;
}

void TestLeadingNumber::leadingNumber() {
    QFETCH(QString, text);
    QFETCH(double, expected);
    QCOMPARE(::leadingNumber(text), expected);
}

void TestLeadingNumber::colourFromText_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("present");
    QTest::addColumn<int>("value");

    QTest::newRow("zero") << "0" << false << 0;
    QTest::newRow("empty") << "" << false << 0;
    QTest::newRow("text") << "abc" << false << 0;
    QTest::newRow("underflow reads as zero") << "1e-999" << false << 0;
    QTest::newRow("small but not zero") << "0.4" << true << 0;
    QTest::newRow("negative small") << "-0.4" << true << 0;
    QTest::newRow("plain") << "150" << true << 150;
    QTest::newRow("0.5 to even") << "0.5" << true << 0;
    QTest::newRow("1.5 to even") << "1.5" << true << 2;
    QTest::newRow("2.5 to even") << "2.5" << true << 2;
    QTest::newRow("3.5 to even") << "3.5" << true << 4;
    QTest::newRow("6.5 to even") << "6.5" << true << 6;
    QTest::newRow("7.5 to even") << "7.5" << true << 8;
    QTest::newRow("-2.5 to even") << "-2.5" << true << -2;
    QTest::newRow("-3.5 to even") << "-3.5" << true << -4;
    QTest::newRow("above half") << "2.51" << true << 3;
    QTest::newRow("below half") << "-2.49" << true << -2;
    QTest::newRow("hex") << "&HFFFF" << true << -1;
    QTest::newRow("int max") << "2147483647" << true << INT_MAX;
    QTest::newRow("int min") << "-2147483648" << true << INT_MIN;
    QTest::newRow("half below max") << "2147483646.5" << true << 2147483646;
    QTest::newRow("too large") << "3e9" << true << INT_MAX;
    QTest::newRow("too small") << "-3e9" << true << INT_MIN;
    QTest::newRow("infinite") << "1e999" << true << INT_MAX;
    QTest::newRow("negative infinite") << "-1e999" << true << INT_MIN;
}

void TestLeadingNumber::colourFromText() {
    QFETCH(QString, text);
    QFETCH(bool, present);
    QFETCH(int, value);
    const std::optional<int> colour = ::colourFromText(text);
    QCOMPARE(colour.has_value(), present);
    if (present)
        QCOMPARE(*colour, value);
}

QTEST_GUILESS_MAIN(TestLeadingNumber)
#include "tst_leadingnumber.moc"
