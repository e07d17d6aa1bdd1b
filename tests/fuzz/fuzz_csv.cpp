// The CSV line parser with its encoding and separator detection, on any bytes. Whatever it
// reads must come back unchanged when written out and read again: that is what makes an
// exported table import back as it was.

#include "storage/csv.h"
#include "storage/csvfile.h"

#include <QBuffer>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    TableFile first;
    readCsvText(QByteArray(reinterpret_cast<const char*>(data), int(size)), &first, (size & 1) != 0);

    // A carriage return inside a field is the one known loss: CR LF comes back as LF.
    for (const ItemRow& row : first.rows)
        for (const QVariant& cell : row)
            if (cell.toString().contains(QLatin1Char('\r')))
                return 0;

    // Written as the export writes a file: a byte-order mark, then the table.
    QBuffer written;
    written.open(QIODevice::WriteOnly);
    written.write("\xEF\xBB\xBF");
    {
        csv writer;
        writer.setDevice(&written);
        writer.writeTable(first.rows);
    }
    TableFile again;
    readCsvText(written.data(), &again, false);
    if (again.rows.size() != first.rows.size())
        abort();
    for (qsizetype r = 0; r < first.rows.size(); ++r)
        for (qsizetype c = 0; c < first.rows.at(r).size(); ++c)
            if (again.rows.at(r).value(c).toString() != first.rows.at(r).at(c).toString())
                abort();
    return 0;
}
