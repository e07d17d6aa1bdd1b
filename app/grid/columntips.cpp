#include "app/grid/columntips.h"

#include "base/language.h"
#include "records/categories.h"
#include "records/recordcodec.h"

#include <QCoreApplication>

namespace {

// How many bytes a letter takes in the register language's code page.
QString lettersIn()
{
    const int language = registerLanguage;
    const QString codePage = QString::fromLatin1(languageCodecName(language));
    if (language == English)
        return QCoreApplication::translate("ColumnTips", "in %1 a letter beyond ASCII takes two or more bytes")
            .arg(codePage);
    return QCoreApplication::translate("ColumnTips", "in %1 one byte a letter").arg(codePage);
}

} // namespace

QString columnTip(int category, int column, const QString& header)
{
    const RecordCodec* codec = codecForCategory(category);
    if (!codec)
        return header;
    const FieldFit fit = codec->fieldFit(column);
    switch (fit.kind) {
    case FieldFit::Unheld:
        return QCoreApplication::translate("ColumnTips", "%1: numbered by the register; not sent").arg(header);
    case FieldFit::Text:
        return QCoreApplication::translate("ColumnTips", "%1: up to %2 bytes; %3")
            .arg(header)
            .arg(fit.size)
            .arg(lettersIn());
    case FieldFit::Amount:
        return fit.decimals > 0
            ? QCoreApplication::translate("ColumnTips", "%1: an amount of up to %2 digits, %3 of them after the point")
                  .arg(header)
                  .arg(fit.size)
                  .arg(fit.decimals)
            : QCoreApplication::translate("ColumnTips", "%1: a number of up to %2 digits").arg(header).arg(fit.size);
    case FieldFit::Whole:
        return QCoreApplication::translate("ColumnTips", "%1: a whole number from %2 to %3")
            .arg(header)
            .arg(fit.low)
            .arg(fit.high);
    case FieldFit::Bits:
        // Where the column offers its options, the operator is told how to reach them.
        return codec->optionMenuEntries(column).isEmpty()
            ? QCoreApplication::translate(
                "ColumnTips", "%1: eight options as digits 1 (on) and 0 (off), the right-most the first")
                  .arg(header)
            : QCoreApplication::translate("ColumnTips",
                "%1: eight options as digits 1 (on) and 0 (off), the right-most the first; "
                "double-click the cell, or right-click it, to choose them")
                  .arg(header);
    case FieldFit::DigitSet:
        return QCoreApplication::translate("ColumnTips", "%1: some of the digits %2 to %3, in any order")
            .arg(header)
            .arg(fit.low)
            .arg(fit.high);
    case FieldFit::Address:
        return QCoreApplication::translate(
            "ColumnTips", "%1: an IPv4 address, four numbers from 0 to 255 joined by dots")
            .arg(header);
    case FieldFit::Key:
        return QCoreApplication::translate("ColumnTips", "%1: 64 hexadecimal digits, or empty").arg(header);
    case FieldFit::ByKind:
        break;
    }
    return header;
}
