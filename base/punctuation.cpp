#include "base/punctuation.h"

#include <QCoreApplication>
#include <QLocale>

namespace {

QString punctuation(const char* sign, bool english)
{
    return english ? QString::fromLatin1(sign) : QCoreApplication::translate("Punctuation", sign);
}

} // namespace

QString listSeparator(bool english)
{
    //: Between the items of a list ("PLU, TAX"): Arabic writes "، ", others ", "
    return punctuation(QT_TRANSLATE_NOOP("Punctuation", ", "), english);
}

QString clauseSeparator(bool english)
{
    //: Between two clauses of a sentence: Arabic writes "؛ ", Greek "· ", others "; "
    return punctuation(QT_TRANSLATE_NOOP("Punctuation", "; "), english);
}

QString groupedNumber(qint64 value)
{
    return QLocale(QLocale::English).toString(value);
}
