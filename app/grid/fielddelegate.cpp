#include "app/grid/fielddelegate.h"

#include "base/language.h"
#include "records/recordcodec.h"

#include <QCoreApplication>
#include <QDoubleSpinBox>
#include <QLineEdit>
#include <QLocale>
#include <QRegularExpression>
#include <QTextBoundaryFinder>

#include <cmath>
#include <limits>

namespace {

// The editor of a real cell (a price, a rate, a quantity): a comma typed in it is the decimal
// point, as in a decimal-comma country, never a thousands separator, and the point works
// whatever the system's number format; "3,50" is 3.50 (the standard editor made it 350).
class RealSpinBox : public QDoubleSpinBox {
public:
    explicit RealSpinBox(QWidget* parent)
        : QDoubleSpinBox(parent)
    {
        QLocale locale = QLocale::c();
        locale.setNumberOptions(QLocale::OmitGroupSeparator | QLocale::RejectGroupSeparator);
        setLocale(locale);
        // As the standard editor of a real is made.
        setFrame(false);
        setRange(-std::numeric_limits<double>::max(), std::numeric_limits<double>::max());
        setSizePolicy(QSizePolicy::Ignored, sizePolicy().verticalPolicy());
    }

    QValidator::State validate(QString& input, int& pos) const override
    {
        input.replace(QLatin1Char(','), QLatin1Char('.'));
        return QDoubleSpinBox::validate(input, pos);
    }

    double valueFromText(const QString& text) const override
    {
        return QDoubleSpinBox::valueFromText(QString(text).replace(QLatin1Char(','), QLatin1Char('.')));
    }
};

} // namespace

FieldValidator::FieldValidator(const RecordCodec* codec, int column, Report report, QObject* parent)
    : QValidator(parent)
    , m_codec(codec)
    , m_column(column)
    , m_report(std::move(report))
{
}

QValidator::State FieldValidator::validate(QString& input, int& pos) const
{
    const int limit = m_codec->textLimit(m_column);
    if (limit > 0 && toLocal8(input).size() > limit) {
        // Keep the text after the cursor and as much as fits of what stands before it, so
        // that what was just typed or pasted is what gets cut.
        const QString tail = input.mid(pos);
        const int budget = limit - int(toLocal8(tail).size());
        if (budget < 0)
            return Invalid;
        int keep = 0;
        int used = 0;
        // Whole letters only: a Thai vowel or tone mark goes with its consonant.
        QTextBoundaryFinder letters(QTextBoundaryFinder::Grapheme, input.left(pos));
        while (keep < pos) {
            letters.setPosition(keep);
            const int width = qMax(1, int(letters.toNextBoundary()) - keep);
            const int bytes = int(toLocal8(input.mid(keep, width)).size());
            if (used + bytes > budget)
                break;
            used += bytes;
            keep += width;
        }
        // But never into what the field held before: a mark typed onto its last letter that
        // finds no room is refused, rather than taking that letter away with it.
        int held = 0;
        while (held < pos && held < m_accepted.size() && input.at(held) == m_accepted.at(held))
            ++held;
        if (held > keep && int(toLocal8(input.left(held)).size()) <= budget)
            keep = held;
        input = input.left(keep) + tail;
        pos = keep;
        // Said at once, and again when the cell is taken: nothing is cut without a word.
        m_cut = true;
        if (m_report)
            m_report(cutText());
    }
    m_accepted = input;
    return m_codec->cellProblem(m_column, input).isEmpty() ? Acceptable : Intermediate;
}

QString FieldValidator::cutText() const
{
    const QByteArray header = m_codec->headers().value(m_column).toUtf8();
    //: %1 the column, %2 how many bytes it takes in the register's code page
    return QCoreApplication::translate("FieldDelegate", "%1 takes at most %2 bytes: what went past them was not taken")
        .arg(QCoreApplication::translate("Columns", header.constData()))
        .arg(m_codec->textLimit(m_column));
}

void FieldValidator::fixup(QString& input) const
{
    const QString reason = m_codec->cellProblem(m_column, input);
    if (!reason.isEmpty() && m_report)
        m_report(reason);
}

FieldDelegate::FieldDelegate(CodecSource codec, FieldValidator::Report report, QObject* parent)
    : GridDelegate(parent)
    , m_codec(std::move(codec))
    , m_report(std::move(report))
{
}

void FieldDelegate::detach()
{
    m_codec = nullptr;
    m_report = nullptr;
}

QSize FieldDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    QSize size = GridDelegate::sizeHint(option, index);
    const RecordCodec* codec = m_codec ? m_codec() : nullptr;
    const int limit = codec ? codec->textLimit(index.column()) : 0;
    if (limit > 0) {
        constexpr int kWidestField = 40;
        const QString full(qMin(limit, kWidestField), QLatin1Char('X'));
        size.setWidth(qMax(size.width(), option.fontMetrics.horizontalAdvance(full) + 8));
    }
    return size;
}

QWidget* FieldDelegate::createEditor(
    QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    const RecordCodec* codec = m_codec ? m_codec() : nullptr;
    if (!codec || codec->textLimit(index.column()) <= 0) {
        if (index.data(Qt::EditRole).typeId() == QMetaType::Double)
            return new RealSpinBox(parent);
        return GridDelegate::createEditor(parent, option, index);
    }
    auto* editor = new QLineEdit(parent);
    editor->setFrame(false);
    editor->setValidator(new FieldValidator(codec, index.column(), m_report, editor));
    return editor;
}

void FieldDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const
{
    auto* line = qobject_cast<QLineEdit*>(editor);
    if (line && qobject_cast<const FieldValidator*>(line->validator()))
        line->setText(index.data(Qt::EditRole).toString());
    else
        GridDelegate::setEditorData(editor, index);
}

void FieldDelegate::setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const
{
    auto* line = qobject_cast<QLineEdit*>(editor);
    const auto* validator = line ? qobject_cast<const FieldValidator*>(line->validator()) : nullptr;
    if (!validator) {
        GridDelegate::setModelData(editor, model, index);
        return;
    }
    QVariant value;
    QString reason;
    const bool accepted = valueForText(index, line->text(), &value, &reason);
    if (accepted && validator->cut())
        reason = validator->cutText();
    if (m_report)
        m_report(reason);
    if (accepted)
        model->setData(index, value, Qt::EditRole);
}

bool FieldDelegate::valueForText(
    const QModelIndex& index, const QString& text, QVariant* value, QString* reason, bool* cut) const
{
    reason->clear();
    if (cut)
        *cut = false;
    const QVariant old = index.data(Qt::EditRole);
    const RecordCodec* codec = m_codec ? m_codec() : nullptr;
    // A number copied from a spreadsheet of a decimal-comma country ("3,50") is 3.50 here;
    // a comma is never a thousands separator in a price.
    static const QRegularExpression decimalComma(QStringLiteral("^\\s*-?\\d+,\\d+\\s*$"));
    if (old.typeId() == QMetaType::Double && decimalComma.match(text).hasMatch())
        return valueForText(index, QString(text).replace(QLatin1Char(','), QLatin1Char('.')), value, reason, cut);
    if (codec && codec->textLimit(index.column()) > 0) {
        // As the line editor takes it: cut at the limit, then the column's own rule.
        FieldValidator validator(codec, index.column(), nullptr);
        QString input = text;
        int pos = int(input.size());
        validator.validate(input, pos);
        *reason = codec->cellProblem(index.column(), input);
        if (!reason->isEmpty())
            return false;
        if (cut)
            *cut = input.size() < text.size();
        // The cell keeps its type: an integer column stays an integer.
        bool isNumber = false;
        const int number = input.toInt(&isNumber);
        *value = old.typeId() == QMetaType::Int && isNumber ? QVariant(number) : QVariant(input);
        return true;
    }
    // The standard editors: spin boxes for numbers (a real with two decimals), a line for text.
    const QString trimmed = text.trimmed();
    bool ok = false;
    switch (old.typeId()) {
    case QMetaType::Int:
        *value = trimmed.toInt(&ok);
        break;
    case QMetaType::LongLong:
        *value = trimmed.toLongLong(&ok);
        break;
    case QMetaType::Double: {
        double number = QLocale::c().toDouble(trimmed, &ok);
        if (!ok)
            number = QLocale().toDouble(trimmed, &ok);
        if (ok && !std::isfinite(number))
            ok = false;
        *value = std::round(number * 100) / 100;
        break;
    }
    default: {
        // A line editor holds one line.
        QString line = text;
        line.replace(QLatin1String("\r\n"), QLatin1String(" ")).replace(QLatin1Char('\n'), QLatin1Char(' '));
        *value = line.replace(QLatin1Char('\r'), QLatin1Char(' '));
        return true;
    }
    }
    if (!ok)
        *reason = QCoreApplication::translate("FieldDelegate", "\"%1\" is not a number").arg(text);
    return ok;
}
