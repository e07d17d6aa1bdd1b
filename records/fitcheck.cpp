// The fit check of the record codecs: does a cell reach the register as the grid shows it?

#include "records/recordcodec.h"

#include "base/language.h"
#include "base/punctuation.h"

#include <QCoreApplication>
#include <QHash>
#include <algorithm>
#include <cmath>
#include <limits>

namespace {

// The text of a cell without copying it when it is one already (most are), else its
// conversion kept in `storage`.
const QString& textIn(const ItemRow& row, int column, QString* storage)
{
    if (column < row.size()) {
        const QVariant& cell = row.at(column);
        if (cell.typeId() == QMetaType::QString)
            return *static_cast<const QString*>(cell.constData());
        *storage = cell.toString();
    }
    return *storage;
}

bool isDigit(QChar ch)
{
    return ch >= QLatin1Char('0') && ch <= QLatin1Char('9');
}

// A decimal number split into its sign, its whole digits without leading zeros and its
// decimals without trailing zeros; empty text is zero.
struct Decimal {
    bool negative = false;
    QStringView whole;
    QStringView fraction;
    int writtenDecimals = 0; // decimals as written, trailing zeros included
    bool plain = true; // written as digits with at most a sign and a point

    bool isZero() const { return whole.isEmpty() && fraction.isEmpty(); }
    bool operator==(const Decimal& other) const
    {
        return negative == other.negative && whole == other.whole && fraction == other.fraction;
    }
};

// An optional sign, digits and at most one point, with at least one digit; or empty text.
bool parsePlain(QStringView text, Decimal* d)
{
    text = text.trimmed();
    *d = Decimal();
    if (text.isEmpty())
        return true;
    int i = 0;
    if (text[0] == QLatin1Char('+') || text[0] == QLatin1Char('-')) {
        d->negative = text[0] == QLatin1Char('-');
        ++i;
    }
    const int wholeStart = i;
    while (i < text.size() && isDigit(text[i]))
        ++i;
    const int wholeEnd = i;
    int fractionStart = i, fractionEnd = i;
    if (i < text.size() && text[i] == QLatin1Char('.')) {
        fractionStart = ++i;
        while (i < text.size() && isDigit(text[i]))
            ++i;
        fractionEnd = i;
    }
    if (i != text.size() || (wholeEnd == wholeStart && fractionEnd == fractionStart))
        return false;
    int first = wholeStart;
    while (first < wholeEnd && text[first] == QLatin1Char('0'))
        ++first;
    int last = fractionEnd;
    while (last > fractionStart && text[last - 1] == QLatin1Char('0'))
        --last;
    d->whole = text.mid(first, wholeEnd - first);
    d->fraction = text.mid(fractionStart, last - fractionStart);
    d->writtenDecimals = fractionEnd - fractionStart;
    if (d->isZero())
        d->negative = false;
    return true;
}

// The number a cell holds as the codecs read it: a plain decimal digit by digit, anything
// else as a real number good to 15 significant digits (its text kept in `storage`). False
// when the cell is no number at all.
bool readNumber(const QString& text, QString* storage, Decimal* d)
{
    if (parsePlain(text, d))
        return true;
    bool ok = false;
    const double value = QStringView(text).trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(value))
        return false;
    const double magnitude = std::fabs(value);
    const int wholeDigits = magnitude >= 1 ? int(std::floor(std::log10(magnitude))) + 1 : 0;
    *storage = QString::asprintf("%.*f", qBound(0, 15 - wholeDigits, 30), value);
    if (!parsePlain(*storage, d))
        return false;
    d->plain = false;
    return true;
}

bool sameNumber(const QString& cell, const QString& held)
{
    QString cellStorage, heldStorage;
    Decimal a, b;
    return readNumber(cell, &cellStorage, &a) && readNumber(held, &heldStorage, &b) && a == b;
}

// The digits from `low` to `high` that a text names, as bits; false for any other character
// but blanks and commas.
bool digitMask(const QString& text, int low, int high, quint32* mask)
{
    *mask = 0;
    for (const QChar ch : text) {
        if (ch == QLatin1Char(' ') || ch == QLatin1Char(','))
            continue;
        if (!isDigit(ch) || ch.unicode() - '0' < low || ch.unicode() - '0' > high)
            return false;
        *mask |= 1u << (ch.unicode() - '0');
    }
    return true;
}

// Four numbers from 0 to 255 joined by dots, read into `parts`.
bool readAddress(const QString& text, int parts[4])
{
    const QList<QStringView> pieces = QStringView(text).split(QLatin1Char('.'));
    if (pieces.size() != 4)
        return false;
    for (int i = 0; i < 4; ++i) {
        const QStringView piece = pieces.at(i);
        if (piece.isEmpty() || piece.size() > 3)
            return false;
        for (const QChar ch : piece)
            if (!isDigit(ch))
                return false;
        parts[i] = piece.toInt();
        if (parts[i] > 255)
            return false;
    }
    return true;
}

bool sameAddress(const QString& cell, const QString& held)
{
    int a[4], b[4];
    return readAddress(cell, a) && readAddress(held, b) && std::equal(a, a + 4, b);
}

constexpr int kKeyDigits = 64;

bool allZeroKey(const QString& text)
{
    if (text.size() != kKeyDigits)
        return false;
    for (const QChar ch : text)
        if (ch != QLatin1Char('0'))
            return false;
    return true;
}

// Whether the cell and what came back from its record say the same, as `fit` reads them.
bool agrees(const FieldFit& fit, const QString& cell, const QString& held)
{
    switch (fit.kind) {
    case FieldFit::Unheld:
        return true;
    case FieldFit::Amount:
    case FieldFit::Whole:
        return cell == held || sameNumber(cell, held);
    case FieldFit::Bits:
        return normalisedOptionText(cell) == held;
    case FieldFit::DigitSet: {
        quint32 a = 0, b = 0;
        return digitMask(cell, fit.low, fit.high, &a) && digitMask(held, fit.low, fit.high, &b) && a == b;
    }
    case FieldFit::Address:
        return sameAddress(cell, held);
    case FieldFit::Key:
        // A key of zeros is stored as no key, which shows empty.
        return cell == held || (held.isEmpty() && allZeroKey(cell));
    case FieldFit::ByKind:
    case FieldFit::Text:
        break;
    }
    return cell == held;
}

QString codePage()
{
    return QString::fromLatin1(languageCodecName(registerLanguage));
}

// The first three characters of `text` that do not come back as they went: through the code
// page alone, or (`registerLetters`) also through the register's own letter codes, which in
// Hebrew put letters where the code page has other signs.
QString uncarried(const QString& text, bool registerLetters = false)
{
    QStringList found;
    for (int i = 0; i < text.size() && found.size() < 3; ++i) {
        const int width = text.at(i).isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
        const QString ch = text.mid(i, width);
        i += width - 1;
        const QString quoted = QLatin1Char('\'') + ch + QLatin1Char('\'');
        QByteArray bytes = toLocal8(ch);
        if (registerLetters) {
            textToRegister(bytes.data(), int(bytes.size()));
            textFromRegister(bytes.data(), int(bytes.size()));
        }
        if (fromLocal8(bytes) != ch && !found.contains(quoted))
            found << quoted;
    }
    return found.join(listSeparator());
}

QString largestAmount(const FieldFit& fit)
{
    QString text(fit.size - fit.decimals, QLatin1Char('9'));
    if (fit.decimals > 0)
        text += QLatin1Char('.') + QString(fit.decimals, QLatin1Char('9'));
    return text;
}

// Why a cell that does not agree with what came back does not fit, ending in what the
// register keeps.
QString explain(const FieldFit& fit, const QString& cell, const QString& held)
{
    QStringList why;
    QString keeps = QCoreApplication::translate("FitCheck", "the register keeps");
    QString storage;
    Decimal d;
    switch (fit.kind) {
    case FieldFit::ByKind:
    case FieldFit::Text: {
        const QString missing = uncarried(cell);
        if (!missing.isEmpty())
            why << QCoreApplication::translate("FitCheck", "%1 not in %2").arg(missing, codePage());
        const int bytes = int(toLocal8(cell).size());
        if (fit.size > 0 && bytes > fit.size) {
            why << QCoreApplication::translate("FitCheck", "%1 bytes in %2").arg(bytes).arg(codePage());
            keeps = QCoreApplication::translate("FitCheck", "the register keeps %1").arg(fit.size);
        }
        // Held otherwise for none of those reasons: the register's letters or text order (a
        // text not held at all has its reason in another column: its line number).
        if (why.isEmpty() && !held.isEmpty()) {
            const QString displaced = uncarried(cell, true);
            why << (displaced.isEmpty()
                    ? QCoreApplication::translate("FitCheck", "the register's text order changes it")
                    : QCoreApplication::translate("FitCheck", "%1 not among the register's letters").arg(displaced));
        }
        break;
    }
    case FieldFit::Amount:
        if (!readNumber(cell, &storage, &d)) {
            why << QCoreApplication::translate("FitCheck", "not a number");
            break;
        }
        if (d.negative)
            why << QCoreApplication::translate("FitCheck", "negative");
        if (d.fraction.size() > fit.decimals)
            why << (fit.decimals > 0
                    ? QCoreApplication::translate("FitCheck", "%1 decimals, the field takes %2")
                          .arg(d.fraction.size())
                          .arg(fit.decimals)
                    : QCoreApplication::translate("FitCheck", "decimals, the field takes whole numbers"));
        if (fit.size > fit.decimals && d.whole.size() > fit.size - fit.decimals)
            why << QCoreApplication::translate("FitCheck", "more than %1").arg(largestAmount(fit));
        break;
    case FieldFit::Whole:
        if (!readNumber(cell, &storage, &d) || !d.plain || d.writtenDecimals > 0) {
            why << QCoreApplication::translate("FitCheck", "not a whole number");
        } else if (fit.low < fit.high) {
            const qint64 value = d.whole.size() > 12 ? std::numeric_limits<qint64>::max() : d.whole.toLongLong();
            if (d.negative || value < fit.low || value > fit.high)
                why << QCoreApplication::translate("FitCheck", "outside %1 to %2").arg(fit.low).arg(fit.high);
        }
        break;
    case FieldFit::Bits:
        why << QCoreApplication::translate("FitCheck", "not eight characters 0 or 1");
        break;
    case FieldFit::DigitSet:
        why << QCoreApplication::translate("FitCheck", "only the digits %1 to %2 count").arg(fit.low).arg(fit.high);
        break;
    case FieldFit::Address:
        why << QCoreApplication::translate("FitCheck", "not four numbers from 0 to 255 joined by dots");
        break;
    case FieldFit::Key:
        if (cell != cell.toUpper())
            why << QCoreApplication::translate("FitCheck", "lower-case letters");
        else
            why << QCoreApplication::translate("FitCheck", "not %1 hexadecimal digits (0-9, A-F)").arg(kKeyDigits);
        break;
    case FieldFit::Unheld:
        break;
    }
    why << keeps;
    return why.join(clauseSeparator());
}

} // namespace

QString CellFit::message() const
{
    return reason + QStringLiteral(": ") + (held.isEmpty() ? QCoreApplication::translate("FitCheck", "nothing") : held);
}

FieldFit RecordCodec::fieldFit(int column) const
{
    if (column < 0 || column >= int(m_columns.size()))
        return FieldFit::unheld();
    const Column& c = m_columns[size_t(column)];
    if (c.fit.kind != FieldFit::ByKind)
        return c.fit;
    switch (c.kind & 0x7F) {
    case KindInt:
    case KindInt64:
        return { FieldFit::Whole };
    case KindReal:
        return FieldFit::amount(0, 2);
    default:
        return (c.kind & KindLocked) ? FieldFit::bits() : FieldFit::text(0);
    }
}

void RecordCodec::checkInto(const ItemRow& row, const ItemRow& sent, int rowNumber, QByteArray* record, ItemRow* back,
    QList<CellFit>* fits) const
{
    encodeRow(sent, record);
    readRecord(*record, back);
    const int columns = int(m_columns.size());
    for (int c = 0; c < columns; ++c) {
        const FieldFit fit = fieldFit(c);
        if (fit.kind == FieldFit::Unheld)
            continue;
        QString cellCopy, heldCopy;
        const QString& cell = textIn(row, c, &cellCopy);
        const QString& held = textIn(*back, c, &heldCopy);
        if (!agrees(fit, cell, held))
            fits->append({ rowNumber, c, explain(fit, cell, held), held });
    }
}

QList<CellFit> RecordCodec::checkRow(const ItemRow& row, int rowNumber) const
{
    QList<CellFit> fits;
    if (m_columns.empty())
        return fits;
    QByteArray record;
    ItemRow back;
    checkInto(row, row, rowNumber, &record, &back, &fits);
    return fits;
}

QList<CellFit> RecordCodec::checkTable(
    const ItemTable& table, const ItemTable* sent, const QList<QByteArray>* kept) const
{
    QList<CellFit> fits;
    if (m_columns.empty())
        return fits;
    QByteArray record;
    ItemRow back;
    // A category kept by key (PLUs by item code) holds one record per key, one whose records
    // carry their own number (departments, lines) one per number: of rows with the same key,
    // the register keeps the last one sent, and other rows before it are lost (a row sent
    // twice, as a row selected in two cells is, loses nothing).
    const bool numbered = !numbersRowsByPlace() && qstrcmp(m_columns.front().header, "Indx") == 0
        && category().number != CategoryNetParm;
    const bool keyed = recordKeySize() > 0 || numbered;
    QHash<QByteArray, int> lastWithKey;
    QList<QByteArray> keys;
    QList<QByteArray> sentRecords;
    for (int i = 0; i < table.size(); ++i) {
        const QByteArray stored = kept ? kept->value(i) : QByteArray();
        if (stored.isEmpty())
            checkInto(table.at(i), sent && i < sent->size() ? sent->at(i) : table.at(i), i, &record, &back, &fits);
        else if (keyed)
            record = stored;
        if (keyed) {
            keys << (numbered ? QByteArray::number(cellText(table.at(i), 0).trimmed().toLongLong())
                              : recordKey(record));
            sentRecords << record.left(storedSize());
            lastWithKey.insert(keys.last(), i);
        }
    }
    // Stored rows go as they are stored: two of them are not named, a row typed or read from a
    // file beside one is. A numbered row's number is no cell to type: it clashes with a stored
    // row's only when the register sent them so, and then the rows are not named either.
    const auto isKept = [kept](int row) { return kept && !kept->value(row).isEmpty(); };
    for (int i = 0; i < keys.size(); ++i) {
        const int last = lastWithKey.value(keys.at(i));
        const bool named = numbered ? !isKept(i) && !isKept(last) : !(isKept(i) && isKept(last));
        if (last != i && sentRecords.at(last) != sentRecords.at(i) && named)
            fits.append({ i, 0,
                numbered ? QCoreApplication::translate(
                    "FitCheck", "a later row has the same number; of this row the register keeps")
                         : QCoreApplication::translate(
                             "FitCheck", "a later row has the same code; of this row the register keeps"),
                QString() });
    }
    return fits;
}
