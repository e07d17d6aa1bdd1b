#pragma once

#include <QDialog>
#include <QList>
#include <QPair>
#include <QString>

class QCheckBox;
class RecordCodec;

namespace Ui {
class OptionBitsDialog;
}

// The option bits of one grid cell as check boxes, one per entry of the column's option menu
// (translated for display), then one per bit that no entry sets. Each tick of an entry is the
// codec's applyOption, as the menu entry's click would be, and every box then shows the
// codec's optionStates of the result, so entries that go together (a discount's type, its one
// tax) behave as in the menu; a bit's own box sets or clears that bit. GUI thread only.
class OptionBitsDialog : public QDialog {
    Q_OBJECT
public:
    // `codec` must outlive the dialog; `cell` is the cell's bit string as the grid holds it.
    OptionBitsDialog(const RecordCodec* codec, int column, const QString& cell, QWidget* parent = nullptr);
    ~OptionBitsDialog() override;

    // The cell with the ticks applied (unchanged until a box is ticked or unticked).
    QString cell() const { return m_cell; }

    // What the dialog and the cell's option menu call entry `entry` (from 0) of `column`'s
    // option menu: its name translated, or the bit it sets where it has no name ("Bit 1").
    static QString entryLabel(const RecordCodec* codec, int column, int entry);

private:
    void toggle(int entry, bool checked);
    void showStates();

    Ui::OptionBitsDialog* ui;
    const RecordCodec* m_codec;
    int m_column;
    QString m_cell;
    QList<QCheckBox*> m_boxes; // entry 1 first
    QList<QPair<int, QCheckBox*>> m_bitBoxes; // the bits no entry sets, by bit (0 the right-most)
};
