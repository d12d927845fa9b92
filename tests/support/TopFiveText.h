#pragma once

// The top-five list of a record as one line of text, "150 A, 120 B, ...", so that a
// test compares a whole list with one expected string.
#include <QString>
#include <QStringList>

#include "store/StoredRecord.h"

namespace vantrel::testing {

inline QString TopFiveText(const StoredRecord& record)
{
    QStringList entries;
    for (int entry = 1; entry <= StoredRecord::TopEntries; ++entry) {
        entries << QString::number(record.TopScore(entry)) + QLatin1Char(' ') +
                       QString::fromLatin1(record.TopName(entry));
    }
    return entries.join(QStringLiteral(", "));
}

}  // namespace vantrel::testing
