#include "roster/leadingnumber.h"

#include <QString>

#include <algorithm>
#include <charconv>
#include <climits>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string>
#include <system_error>

namespace {

bool isIgnoredBlank(QChar c) {
    return c == QLatin1Char(' ') || c == QLatin1Char('\t') || c == QLatin1Char('\n');
}

bool isDecimalDigit(QChar c) {
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

// The digit's value in the given base (8 or 16), or -1 when it is not a digit of that base.
int digitValue(QChar c, int base) {
    const char16_t u = c.unicode();
    int value = -1;
    if (u >= u'0' && u <= u'9')
        value = u - u'0';
    else if (u >= u'a' && u <= u'f')
        value = u - u'a' + 10;
    else if (u >= u'A' && u <= u'F')
        value = u - u'A' + 10;
    return value < base ? value : -1;
}

// "&H..." and "&O..." after the prefix. Leading zeros do not count: a value up to 0xFFFF is a
// signed 16-bit integer, up to 0xFFFFFFFF a signed 32-bit one, and anything wider is unsigned.
double readBasedNumber(const QString& text, qsizetype pos, int base) {
    double value = 0; // whole numbers stay exact up to 2^53, which covers both signed widths
    for (; pos < text.size(); ++pos) {
        const int digit = digitValue(text[pos], base);
        if (digit < 0)
            break;
        value = value * base + digit;
    }
    if (value <= 0xFFFF)
        return static_cast<std::int16_t>(static_cast<std::uint16_t>(value));
    if (value <= 0xFFFFFFFF)
        return static_cast<std::int32_t>(static_cast<std::uint32_t>(value));
    return value;
}

double readDecimalNumber(const QString& text) {
    const qsizetype size = text.size();
    qsizetype pos = 0;
    bool negative = false;
    if (pos < size && (text[pos] == QLatin1Char('+') || text[pos] == QLatin1Char('-'))) {
        negative = text[pos] == QLatin1Char('-');
        ++pos;
    }

    std::string integerDigits;
    std::string fractionDigits;
    for (; pos < size && isDecimalDigit(text[pos]); ++pos)
        integerDigits += text[pos].toLatin1();
    if (pos < size && text[pos] == QLatin1Char('.')) {
        for (++pos; pos < size && isDecimalDigit(text[pos]); ++pos)
            fractionDigits += text[pos].toLatin1();
    }
    if (integerDigits.empty() && fractionDigits.empty())
        return 0;

    // The exponent only belongs to the number when at least one digit follows its marker.
    std::string exponent;
    long long exponentValue = 0;
    if (pos < size && QStringLiteral("EeDd").contains(text[pos])) {
        qsizetype at = pos + 1;
        bool exponentNegative = false;
        if (at < size && (text[at] == QLatin1Char('+') || text[at] == QLatin1Char('-'))) {
            exponentNegative = text[at] == QLatin1Char('-');
            ++at;
        }
        for (; at < size && isDecimalDigit(text[at]); ++at) {
            exponent += text[at].toLatin1();
            // Capped: far beyond any double, but small enough never to overflow.
            exponentValue = std::min(exponentValue * 10 + (text[at].unicode() - u'0'), 100000LL);
        }
        if (exponentNegative)
            exponentValue = -exponentValue;
        if (!exponent.empty())
            exponent.insert(0, exponentNegative ? "e-" : "e");
    }

    const std::string ascii = integerDigits + '.' + fractionDigits + exponent;
    double value = 0;
    const auto [end, error] = std::from_chars(ascii.data(), ascii.data() + ascii.size(), value);
    (void)end;
    if (error == std::errc::result_out_of_range) {
        // Too large or too small for a double. Tell which from the decimal position of the first
        // significant digit: at or above 10^0 the number overflowed, otherwise it underflowed.
        const std::size_t firstInteger = integerDigits.find_first_not_of('0');
        long long magnitude = exponentValue;
        if (firstInteger != std::string::npos)
            magnitude += static_cast<long long>(integerDigits.size() - firstInteger) - 1;
        else
            magnitude -= static_cast<long long>(fractionDigits.find_first_not_of('0')) + 1;
        value = magnitude >= 0 ? std::numeric_limits<double>::infinity() : 0.0;
    }
    return negative ? -value : value;
}

} // namespace

double leadingNumber(QStringView text) {
    QString packed;
    packed.reserve(text.size());
    for (const QChar c : text) {
        if (!isIgnoredBlank(c))
            packed.append(c);
    }

    if (packed.size() >= 2 && packed[0] == QLatin1Char('&')) {
        const QChar kind = packed[1].toUpper();
        if (kind == QLatin1Char('H'))
            return readBasedNumber(packed, 2, 16);
        if (kind == QLatin1Char('O'))
            return readBasedNumber(packed, 2, 8);
    }
    return readDecimalNumber(packed);
}

std::optional<int> colourFromText(QStringView text) {
    const double number = leadingNumber(text);
    if (number == 0 || std::isnan(number))
        return std::nullopt;

    // Round half to even without relying on the floating-point environment's rounding mode.
    // The fractional part n - floor(n) is always exact, so comparing it with 0.5 is safe.
    double rounded = std::floor(number);
    const double fraction = number - rounded;
    if (fraction > 0.5 || (fraction == 0.5 && std::fmod(rounded, 2.0) != 0))
        rounded += 1;

    if (rounded >= static_cast<double>(INT_MAX))
        return INT_MAX;
    if (rounded <= static_cast<double>(INT_MIN))
        return INT_MIN;
    return static_cast<int>(rounded);
}
