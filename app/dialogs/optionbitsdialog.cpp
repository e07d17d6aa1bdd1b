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
        // The codec's names are English; the boxes show them translated, as the menu does.
        QString label = QCoreApplication::translate("Options", entries.at(i).toUtf8().constData());
        if (label.isEmpty()) {
            // A bit without a name is named by its position, found as the codec sets it.
            const QString clear(8, QLatin1Char('0'));
            const int at = codec->applyOption(clear, column, i + 1, true).indexOf(QLatin1Char('1'));
            //: An option bit without a name; %1 is its number, 0 the right-most
            label = tr("Bit %1").arg(7 - at);
        }
        auto* box = new QCheckBox(label, ui->groupBox_bits);
        box->setObjectName(QStringLiteral("checkBox_option%1").arg(i + 1));
        ui->layout_bits->addWidget(box);
        connect(box, &QCheckBox::toggled, this, [this, entry = i + 1](bool checked) { toggle(entry, checked); });
        m_boxes << box;
    }
    connect(ui->buttonBox, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(ui->buttonBox, &QDialogButtonBox::rejected, this, &QDialog::reject);
    showStates();
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
    ui->label_bits->setText(normalisedOptionText(m_cell));
}
