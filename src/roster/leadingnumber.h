#pragma once

#include <QStringView>

#include <optional>

// The number at the start of a text: blanks, tabs and line
// feeds anywhere are ignored; an optional sign, digits with at most one decimal point and an
// optional exponent (E or D) are read up to the first character that cannot continue the number;
// "&H" and "&O" read hexadecimal and octal; a text without a leading number reads as 0.
double leadingNumber(QStringView text);

// The slider position a colour text asks for: nothing when the text reads as 0, otherwise the
// number rounded to the nearest whole number (halves to the even neighbour), limited to int.
std::optional<int> colourFromText(QStringView text);
