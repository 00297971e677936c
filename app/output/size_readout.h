// The optimiser's file size readouts: bytes with thousands separators and
// kilobytes with up to two decimals, the way the dialog shows them.
#pragma once

#include <QString>

// "12,345  bytes"; a size of 0 shows no digits.
QString bytesReadout(qint64 size);

// "( 12.06 KB )": no leading zero below 1 KB, no trailing zeros.
QString kilobytesReadout(qint64 size);
