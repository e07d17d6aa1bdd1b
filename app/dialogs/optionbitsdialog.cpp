#include "app/dialogs/optionbitsdialog.h"

#include "records/recordcodec.h"

#include "ui_optionbitsdialog.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QPushButton>

OptionBitsDialog::OptionBitsDialog(const RecordCodec* codec, int column, const QString& cell, QWidget* parent)
    : QDialog(parent)
    , ui(new Ui::OptionBitsDialog)
    , m_codec(codec)
    , m_column(column)
    , m_cell(cell)
{
    ui->setupUi(this);
    const QStringList entries = codec->optionMenuEntries(column);
    for (int i = 0; i < entries.size(); ++i) {
        auto* box = new QCheckBox(entryLabel(codec, column, i), ui->groupBox_bits);
        box->setObjectName(QStringLiteral("checkBox_option%1").arg(i + 1));
        ui->layout_bits->addWidget(box);
        connect(box, &QCheckBox::toggled, this, [this, entry = i + 1](bool checked) { toggle(entry, checked); });
        m_boxes << box;
    }
    // Where each entry is a flag of its own (a department's print flags and options), the bits
    // that no entry sets get a box of their own, named as the cell's tool tip names them: every
    // bit of the cell can be seen and changed here, as typing could. Where entries go together
    // (a discount's type, its one tax) the menu's rules hold and no bit is set on its own.
    const QString clear(8, QLatin1Char('0')), full(8, QLatin1Char('1'));
    quint8 covered = 0;
    bool flags = !entries.isEmpty();
    for (int i = 0; i < entries.size(); ++i) {
        const quint8 bit = optionCellBits(codec->applyOption(clear, column, i + 1, true));
        covered |= bit;
        flags = flags && bit != 0 && (bit & (bit - 1)) == 0 && codec->applyOption(full, column, i + 1, true) == full
            && optionCellBits(codec->applyOption(full, column, i + 1, false)) == quint8(~bit);
    }
    for (int bit = 0; flags && bit < 8; ++bit) {
        if (covered & (1 << bit))
            continue;
        QString single = clear;
        single[7 - bit] = QLatin1Char('1');
        QStringList names;
        const bool named = codec->optionNames(column, single, &names) && names.size() == 1
            && !names.first().startsWith(QLatin1String("BIT "));
        auto* box = new QCheckBox(named ? QCoreApplication::translate("Options", names.first().toUtf8().constData())
                                        //: An option bit without a name; %1 is its number, 0 the right-most
                                        : tr("Bit %1").arg(bit),
            ui->groupBox_bits);
        box->setObjectName(QStringLiteral("checkBox_bit%1").arg(bit));
        ui->layout_bits->addWidget(box);
        connect(box, &QCheckBox::toggled, this, [this, bit](bool checked) {
            m_cell = normalisedOptionText(m_cell);
            m_cell[7 - bit] = checked ? QLatin1Char('1') : QLatin1Char('0');
            showStates();
        });
        m_bitBoxes << qMakePair(bit, box);
    }
    connect(ui->buttonBox, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(ui->buttonBox, &QDialogButtonBox::rejected, this, &QDialog::reject);
    showStates();
}

QString OptionBitsDialog::entryLabel(const RecordCodec* codec, int column, int entry)
{
    // The codec's names are English; the boxes and the menu show them translated.
    const QString name = codec->optionMenuEntries(column).value(entry);
    const QString label = QCoreApplication::translate("Options", name.toUtf8().constData());
    if (!label.isEmpty())
        return label;
    // A bit without a name is named by its position, found as the codec sets it.
    const QString clear(8, QLatin1Char('0'));
    const int at = codec->applyOption(clear, column, entry + 1, true).indexOf(QLatin1Char('1'));
    //: An option bit without a name; %1 is its number, 0 the right-most
    return tr("Bit %1").arg(7 - at);
}

OptionBitsDialog::~OptionBitsDialog() { delete ui; }

void OptionBitsDialog::toggle(int entry, bool checked)
{
    m_cell = m_codec->applyOption(m_cell, m_column, entry, checked);
    showStates();
}

void OptionBitsDialog::showStates()
{
    const QByteArray states = m_codec->optionStates(m_cell, m_column);
    for (int i = 0; i < m_boxes.size(); ++i) {
        const QSignalBlocker quiet(m_boxes.at(i));
        m_boxes.at(i)->setChecked(i < states.size() && states.at(i) != 0);
    }
    for (const auto& [bit, box] : std::as_const(m_bitBoxes)) {
        const QSignalBlocker quiet(box);
        box->setChecked(optionDigit(m_cell, bit) == 1);
    }
    ui->label_bits->setText(normalisedOptionText(m_cell));
}
