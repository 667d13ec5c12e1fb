#pragma once

#include <QString>

// Parent PINs: what a parent types is turned into plain ASCII digits before it is
// counted, stored or compared, so a PIN typed on a full-width or any other decimal
// keyboard always matches the same PIN typed in ASCII.
namespace PinDigits {

constexpr int length = 4;

// The decimal digits of `text`, in order, each as its ASCII digit; every other
// character is dropped.
QString extract(const QString &text);

// What a PIN field keeps of an edit: the digits of `text`, at most four.
QString fieldText(const QString &text);

// True when `stored` is a usable PIN: exactly four ASCII digits.
bool isValidStored(const QString &stored);

} // namespace PinDigits
