#include "records/gridcells.h"

#include "records/categories.h"
#include "records/headerrow.h"
#include "records/recordcodec.h"

#include <QHash>

#include <charconv>

namespace {

// A real cell. The codecs' texts ("12.50") are read directly, which is several times
// faster than the locale-aware reading; anything else is read the standard way.
double realOf(const QVariant& cell)
{
    if (cell.typeId() == QMetaType::QString) {
        const QString& text = *static_cast<const QString*>(cell.constData());
        char latin[32];
        const int n = int(text.size());
        if (n > 0 && n <= int(sizeof latin)) {
            int i = 0;
            for (; i < n && text.at(i).unicode() < 0x80; ++i)
                latin[i] = char(text.at(i).unicode());
            double value = 0;
            const std::from_chars_result read = std::from_chars(latin, latin + n, value);
            if (i == n && read.ec == std::errc() && read.ptr == latin + n)
                return value;
        }
    }
    return cell.toDouble();
}

} // namespace

QVariant gridCell(const QVariant& cell, quint8 kind)
{
    switch (kind & 0x7F) {
    case KindInt:
        return cell.toInt();
    case KindReal:
        return realOf(cell);
    case KindInt64:
        return cell.toLongLong();
    default:
        return cell.toString();
    }
}

bool isFixedTaxRate(int category, int row, int column)
{
    return category == CategoryTax && row == 4 && column == 2;
}

QVariant gridCellAt(const ItemTable& table, int row, int column, const quint8* kinds, int category)
{
    const ItemRow& source = table.at(row);
    const QVariant cell = column < source.size() ? source.at(column) : QVariant(QString());
    if (isFixedTaxRate(category, row, column))
        return cell.toDouble();
    return gridCell(cell, column < kMaxColumns ? kinds[column] : 0);
}

ItemTable gridTexts(const ItemTable& table, const RecordCodec* codec, int category)
{
    quint8 kinds[kMaxColumns] = {};
    for (size_t c = 0; codec && c < codec->columns().size() && c < size_t(kMaxColumns); ++c)
        kinds[c] = codec->columns()[c].kind;
    // The codec's columns: a file's first row neither drops a column from every row (a short
    // row) nor widens every row to its own length (a row of a million commas).
    const int columns = codec ? int(codec->columns().size()) : table.isEmpty() ? 0 : int(table.first().size());
    ItemTable texts;
    texts.reserve(table.size());
    for (int r = 0; r < table.size(); ++r) {
        ItemRow row;
        row.reserve(columns);
        for (int c = 0; c < columns; ++c)
            row.append(gridCellAt(table, r, c, kinds, category).toString());
        texts.append(std::move(row));
    }
    return texts;
}

QList<UnreadCell> unreadableCells(const ItemTable& table, const RecordCodec* codec, int category)
{
    QList<UnreadCell> found;
    if (!codec)
        return found;
    const int columns = int(codec->columns().size());
    for (int r = 0; r < table.size(); ++r) {
        const ItemRow& row = table.at(r);
        for (int c = 0; c < columns && c < row.size(); ++c) {
            const quint8 kind = isFixedTaxRate(category, r, c) ? quint8(KindReal) : codec->columns()[size_t(c)].kind;
            const QVariant& cell = row.at(c);
            bool read = true;
            switch (kind & 0x7F) {
            case KindInt:
                cell.toInt(&read);
                break;
            case KindInt64:
                cell.toLongLong(&read);
                break;
            case KindReal:
                // realOf() reads the codecs' own texts quickly; only what it makes 0 is read again.
                if (realOf(cell) == 0)
                    cell.toDouble(&read);
                break;
            default:
                continue;
            }
            if (!read && !cell.toString().trimmed().isEmpty())
                found.append({ r, c, cell.toString() });
        }
    }
    return found;
}

QList<int> importPlaces(const ItemTable& existing, const ItemTable& imported, int category)
{
    QList<int> places;
    places.reserve(imported.size());
    int next = int(existing.size());
    // PLUs go by item code, numbered rows (departments, taxes, lines: the register keeps one
    // per number) by their "Indx"; rows without either are appended.
    const bool numbered = isNumberedCategory(category);
    if (category != CategoryPlu && !numbered) {
        for (int i = 0; i < imported.size(); ++i)
            places << next++;
        return places;
    }
    // Codes and numbers compare as the grid keeps them: as numbers ("0012" is 12).
    auto code = [](const ItemRow& row) { return row.isEmpty() ? 0 : gridCell(row.first(), KindInt64).toLongLong(); };
    QHash<qint64, int> where;
    where.reserve(existing.size() + imported.size());
    for (int i = 0; i < existing.size(); ++i)
        where.insert(code(existing.at(i)), i);
    for (const ItemRow& row : imported) {
        // A numbered row without a number has none to take the place of: it is appended.
        if (numbered && (row.isEmpty() || row.first().toString().trimmed().isEmpty())) {
            places << next++;
            continue;
        }
        const qint64 key = code(row);
        auto found = where.constFind(key);
        if (found == where.constEnd())
            found = where.insert(key, next++);
        places << found.value();
    }
    return places;
}

ItemTable addImportedRows(
    const ItemTable& existing, const ItemTable& imported, int category, QList<QByteArray>* records)
{
    const QList<int> places = importPlaces(existing, imported, category);
    ItemTable merged = existing;
    if (records)
        records->resize(existing.size());
    for (int i = 0; i < imported.size(); ++i) {
        if (places.at(i) < merged.size()) {
            merged[places.at(i)] = imported.at(i);
            if (records)
                (*records)[places.at(i)].clear();
        } else {
            merged.append(imported.at(i));
            if (records)
                records->append(QByteArray());
        }
    }
    return merged;
}
