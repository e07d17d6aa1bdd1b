#pragma once

#include <QtGlobal>

// The bounds of an import, so that a file made by mistake or on purpose cannot take the
// program's memory: a CSV file or worksheet of more rows is refused as it is read, a CSV file
// of more bytes before it is read, and a workbook part that would unpack to more bytes before
// it is unpacked.
constexpr int kMaxImportRows = 1000000;
constexpr qint64 kMaxWorkbookPartBytes = qint64(256) * 1024 * 1024;
constexpr qint64 kMaxCsvBytes = kMaxWorkbookPartBytes;
