#include "storage/csv.h"

#include "base/slices.h"
#include "storage/storagelog.h"

#include <QBuffer>
#include <QIODevice>
#include <QMutex>
#include <QTextStream>

#include <cmath>
#include <limits>
#include <vector>

namespace {

constexpr QChar kQuote = QLatin1Char('"');
constexpr QChar kComma = QLatin1Char(',');

bool isDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

// The number a field in scientific notation stands for, in plain digits: the integer of a
// whole number (a long code as a spreadsheet shows it, 1.23457E+11), else the decimal (a
// price, 2.5E+0: cut to an integer it lost its cents); false when it lies outside the 64-bit
// range (the field then stays as it is).
bool scientificToInteger(const QString& field, QString* integer)
{
    bool ok = false;
    const double value = field.toDouble(&ok);
    if (!ok || !(std::fabs(value) < 9.2233720368547758e18))
        return false;
    *integer = value == std::trunc(value) ? QString::number(qint64(value)) : QString::number(value, 'g', 15);
    return true;
}

// "2,50" as a spreadsheet writes it where "," is the decimal sign (and ";" therefore the
// separator): digits, one comma, digits.
bool isDecimalComma(const QString& field)
{
    qsizetype comma = -1;
    for (qsizetype i = 0; i < field.size(); ++i) {
        const QChar c = field.at(i);
        if (c == QLatin1Char(',') && comma < 0 && i > 0)
            comma = i;
        else if (!(c >= QLatin1Char('0') && c <= QLatin1Char('9'))
            && !(i == 0 && (c == QLatin1Char('-') || c == QLatin1Char('+'))))
            return false;
    }
    return comma > 0 && comma + 1 < field.size() && field.at(comma - 1).isDigit();
}

struct RecordStart {
    qsizetype offset; // of the record's first byte
    int line; // physical lines before it
};

// Where each record of UTF-8 text begins, as csv::parseRecord() divides the text: a record
// ends at a line break ("\n", or "\r\n"; a lone "\r" is a character) outside a field in
// quotation marks; a field is in quotation marks when one opens it, and "" inside stands
// for a mark. A byte-order mark at the start is skipped. Counts at most `maxRows` + 1.
// `unclosedLine` receives the line (from 1) of a field whose opening mark is never closed.
std::vector<RecordStart> recordStarts(const QByteArray& text, char separator, qsizetype maxRows, int* unclosedLine)
{
    std::vector<RecordStart> starts;
    const char* p = text.constData();
    const qsizetype n = text.size();
    qsizetype i = text.startsWith("\xEF\xBB\xBF") ? 3 : 0;
    int line = 0;
    while (i < n && qsizetype(starts.size()) <= maxRows) {
        starts.push_back({ i, line });
        bool fieldStart = true;
        while (i < n) {
            const char c = p[i++];
            if (c == '\n') {
                ++line;
                break;
            }
            if (fieldStart && c == '"') {
                const int opened = line + 1;
                bool closed = false;
                while (i < n && !closed) {
                    const char q = p[i++];
                    if (q == '\n')
                        ++line;
                    else if (q == '"' && !(i < n && p[i] == '"'))
                        closed = true;
                    else if (q == '"')
                        ++i;
                }
                if (!closed)
                    *unclosedLine = opened;
            }
            fieldStart = c == separator;
        }
    }
    return starts;
}

} // namespace

struct csv::Private {
    std::unique_ptr<QTextStream> stream;
    bool atLineStart = true;
    QChar separator = kComma;
    bool decimalComma = false;
    int line = 0; // physical lines read from the device
    Conversions conversions;
};

csv::csv(QObject* parent)
    : QObject(parent)
    , d(std::make_unique<Private>())
{
}

csv::~csv() = default;

void csv::setDevice(QIODevice* device)
{
    d->stream.reset();
    d->stream = std::make_unique<QTextStream>(device);
    d->line = 0;
    d->conversions = Conversions();
}

bool csv::atEnd() const
{
    return !d->stream || d->stream->atEnd();
}

void csv::setDecimalComma(bool on)
{
    d->decimalComma = on;
}

void csv::setSeparator(QChar separator)
{
    d->separator = separator;
}

csv::Conversions csv::conversions() const
{
    return d->conversions;
}

bool csv::isScientific(const QString& field)
{
    const QChar* c = field.constData();
    const QChar* end = c + field.size();
    if (c != end && (*c == QLatin1Char('+') || *c == QLatin1Char('-')))
        ++c;
    const QChar* digits = c;
    while (c != end && isDigit(*c))
        ++c;
    if (c == digits)
        return false;
    if (c != end && *c == QLatin1Char('.')) {
        ++c;
        while (c != end && isDigit(*c))
            ++c;
    }
    if (end - c < 3 || c[0] != QLatin1Char('E') || c[1] != QLatin1Char('+'))
        return false;
    for (c += 2; c != end; ++c)
        if (!isDigit(*c))
            return false;
    return true;
}

QString csv::escape(const QString& text)
{
    bool enclose = isScientific(text);
    for (const QChar c : text) {
        if (c == kComma || c == kQuote || c == QLatin1Char('\n') || c == QLatin1Char('\r')) {
            enclose = true;
            break;
        }
    }
    if (!enclose)
        return text;
    QString quoted = text;
    quoted.replace(kQuote, QStringLiteral("\"\""));
    return kQuote + quoted + kQuote;
}

void csv::writeField(const QString& text)
{
    if (!d->stream)
        return;
    if (!d->atLineStart)
        *d->stream << kComma;
    d->atLineStart = false;
    *d->stream << escape(text);
}

void csv::endLine()
{
    if (!d->stream)
        return;
    *d->stream << QLatin1Char('\n');
    d->atLineStart = true;
}

bool csv::writeTable(const ItemTable& table)
{
    if (!d->stream)
        return false;
    QTextStream& out = *d->stream;
    for (const ItemRow& row : table) {
        if (!d->atLineStart)
            out << kComma;
        d->atLineStart = false;
        // A row of one empty cell is written as "" so that it does not read back as a row
        // without cells.
        if (row.size() == 1 && row.first().toString().isEmpty()) {
            out << QStringLiteral("\"\"");
        } else {
            for (int c = 0; c < row.size(); ++c) {
                if (c > 0)
                    out << kComma;
                out << escape(row.at(c).toString());
            }
        }
        d->atLineStart = true;
        out << QLatin1Char('\n');
    }
    out.flush();
    return out.status() == QTextStream::Ok;
}

// Parses the next record of the stream, handing each field to `append`; an empty line
// gives no field. A quoted field may run on over the following lines. False when no line
// was left to read (a stream that held only a byte-order mark, say).
template <class Append> bool csv::parseRecord(Append&& append)
{
    QString line;
    if (!d->stream->readLineInto(&line))
        return false;
    ++d->line;
    if (line.isEmpty())
        return true;

    const QChar separator = d->separator;
    qsizetype pos = 0;
    int column = 0;
    for (;;) {
        QString field;
        bool quoted = false;
        bool lineEnds = false;
        if (pos < line.size() && line.at(pos) == kQuote) {
            quoted = true;
            qsizetype i = pos + 1;
            bool closed = false;
            while (!closed) {
                if (i >= line.size()) {
                    // A line break inside quotation marks belongs to the field: the record
                    // goes on in the next line (an unclosed field at the end takes the rest).
                    if (d->stream->atEnd())
                        break;
                    field += QLatin1Char('\n');
                    line = d->stream->readLine();
                    ++d->line;
                    i = 0;
                    continue;
                }
                const QChar c = line.at(i);
                if (c != kQuote) {
                    const qsizetype next = line.indexOf(kQuote, i);
                    const qsizetype stop = next < 0 ? line.size() : next;
                    field.append(line.constData() + i, stop - i);
                    i = stop;
                } else if (i + 1 < line.size() && line.at(i + 1) == kQuote) {
                    field += kQuote;
                    i += 2;
                } else {
                    closed = true;
                    ++i;
                }
            }
            // Text after the closing mark, up to the next separator, belongs to the field.
            if (i >= line.size()) {
                lineEnds = true;
            } else {
                const qsizetype next = line.indexOf(separator, i);
                const qsizetype stop = next < 0 ? line.size() : next;
                field.append(line.constData() + i, stop - i);
                lineEnds = next < 0;
                pos = stop + 1;
            }
        } else {
            const qsizetype next = line.indexOf(separator, pos);
            const qsizetype stop = next < 0 ? line.size() : next;
            field = line.mid(pos, stop - pos);
            lineEnds = next < 0;
            pos = stop + 1;
        }
        ++column;
        QString integer;
        if (!quoted && isScientific(field) && scientificToInteger(field, &integer)) {
            Conversions& seen = d->conversions;
            if (seen.count++ == 0) {
                seen.firstLine = d->line;
                seen.firstColumn = column;
            }
            field = integer;
        }
        // A field in quotation marks is text as written (a name "0,33" stays so).
        if (!quoted && d->decimalComma && isDecimalComma(field))
            field.replace(QLatin1Char(','), QLatin1Char('.'));
        append(std::move(field));
        if (lineEnds)
            break;
    }
    return true;
}

QStringList csv::readLine()
{
    QStringList fields;
    if (!atEnd())
        parseRecord([&fields](QString&& field) { fields.append(std::move(field)); });
    return fields;
}

ItemTable csv::readAll()
{
    ItemTable table;
    readAll(&table, std::numeric_limits<qsizetype>::max());
    return table;
}

bool csv::readAll(ItemTable* table, qsizetype maxRows)
{
    table->clear();
    qsizetype width = 0;
    while (!atEnd()) {
        if (table->size() == maxRows)
            return false;
        ItemRow row;
        row.reserve(width);
        if (!parseRecord([&row](QString&& field) { row.append(QVariant(std::move(field))); }))
            break;
        width = row.size();
        if (lcStorage().isDebugEnabled()) {
            QStringList texts;
            for (const QVariant& cell : row)
                texts << cell.toString();
            qCDebug(lcStorage).noquote() << "--->datalist = " + texts.join(QStringLiteral(", "));
        }
        table->append(std::move(row));
    }
    return true;
}

bool csv::readText(
    const QByteArray& text, QChar separator, qsizetype maxRows, ItemTable* table, Conversions* conversions)
{
    table->clear();
    *conversions = Conversions();
    const std::vector<RecordStart> starts
        = recordStarts(text, char(separator.unicode()), maxRows, &conversions->unclosedQuoteLine);
    const qsizetype count = qsizetype(starts.size());
    if (count > maxRows)
        return false;
    if (count == 0)
        return true; // nothing, or only a byte-order mark
    // Each slice of records is read by a reader of its own; their lines are counted from the
    // slice's first, their conversions gathered here.
    bool agree = true;
    table->resize(count);
    ItemRow* out = table->data();
    QMutex lock;
    auto readSlice = [&](int begin, int end) {
        // The first slice starts with the text, so that its reader drops a byte-order mark as
        // the whole text's reader does; a later one that begins with the bytes of one would
        // drop them too, where the whole text's reader keeps them: it is read in one go.
        const qsizetype from = begin == 0 ? 0 : starts[size_t(begin)].offset;
        const qsizetype to = end < count ? starts[size_t(end)].offset : text.size();
        if (begin > 0 && QByteArrayView(text).sliced(from).startsWith("\xEF\xBB\xBF")) {
            QMutexLocker locker(&lock);
            agree = false;
            return;
        }
        QBuffer slice;
        slice.setData(QByteArray::fromRawData(text.constData() + from, to - from));
        slice.open(QIODevice::ReadOnly);
        csv reader;
        reader.setSeparator(separator);
        reader.setDecimalComma(separator == QLatin1Char(';'));
        reader.setDevice(&slice);
        ItemTable rows;
        const bool whole = reader.readAll(&rows, end - begin) && rows.size() == end - begin;
        for (qsizetype i = 0; whole && i < rows.size(); ++i)
            out[begin + i] = std::move(rows[i]);
        const Conversions seen = reader.conversions();
        QMutexLocker locker(&lock);
        agree = agree && whole;
        if (seen.count == 0)
            return;
        const int firstLine = starts[size_t(begin)].line + seen.firstLine;
        if (conversions->count == 0 || firstLine < conversions->firstLine) {
            conversions->firstLine = firstLine;
            conversions->firstColumn = seen.firstColumn;
        }
        conversions->count += seen.count;
    };
    // While the debug log is on, its lines keep the rows' order: the text is read in one go,
    // as it is when the readers ever divide the records otherwise than counted here.
    const bool sliced = !lcStorage().isDebugEnabled();
    if (sliced)
        inSlices(int(count), readSlice);
    if (sliced && agree)
        return true;
    QBuffer whole;
    whole.setData(text);
    whole.open(QIODevice::ReadOnly);
    csv reader;
    reader.setSeparator(separator);
    reader.setDecimalComma(separator == QLatin1Char(';'));
    reader.setDevice(&whole);
    const bool within = reader.readAll(table, maxRows);
    const int unclosed = conversions->unclosedQuoteLine;
    *conversions = reader.conversions();
    conversions->unclosedQuoteLine = unclosed;
    if (!within)
        table->clear();
    return within;
}
