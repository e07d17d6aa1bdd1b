// The workbook reader on any bytes as the file: zip archives that are damaged, hold no
// workbook, or hold workbook parts with any XML.

#include "storage/xlsx.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static QTemporaryDir folder;
    static const QString path = folder.filePath(QStringLiteral("input.xlsx"));
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return 0;
        file.write(reinterpret_cast<const char*>(data), qint64(size));
    }
    QBuffer out;
    out.open(QIODevice::WriteOnly);
    QString error;
    convertWorkbook(path, &out, &error);
    workbookNumberText(QString::fromLatin1(reinterpret_cast<const char*>(data), int(qMin<size_t>(size, 40))));
    return 0;
}
