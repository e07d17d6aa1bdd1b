#pragma once

#include "app/grid/itemgrid.h"

#include <QValidator>

#include <functional>

class RecordCodec;

// Keeps a typed cell within what its field takes: a text stops at the field's size in bytes
// of the display language's code page, and a cell with a rule of its own (an address, a
// port, a key) is accepted only when the codec finds nothing wrong with it.
class FieldValidator : public QValidator {
    Q_OBJECT
public:
    using Report = std::function<void(const QString& reason)>;

    FieldValidator(const RecordCodec* codec, int column, Report report, QObject* parent = nullptr);

    // Typing or pasting past the limit is cut back to it at the cursor; a text that breaks
    // the column's rule is intermediate, so the editor does not commit it.
    State validate(QString& input, int& pos) const override;
    // Called when the operator tries to leave an unacceptable text: tells why.
    void fixup(QString& input) const override;
    // Whether typing or pasting went past the limit and was cut, and the sentence that says so.
    bool cut() const { return m_cut; }
    QString cutText() const;

private:
    const RecordCodec* m_codec;
    int m_column;
    Report m_report;
    mutable QString m_accepted; // the text as last validated: what the field holds before an edit
    mutable bool m_cut = false;
};

// The grid's delegate: a line editor with a FieldValidator for the columns whose codec
// gives a limit, the ordinary editors elsewhere. The reason for a refused text goes to
// `report`; an empty reason follows every accepted one.
class FieldDelegate : public GridDelegate {
public:
    using CodecSource = std::function<const RecordCodec*()>;

    FieldDelegate(CodecSource codec, FieldValidator::Report report, QObject* parent = nullptr);

    // Drops both callbacks (for an owner that goes before the delegate); from then on the
    // delegate behaves as a GridDelegate.
    void detach();

    // A column with a limit is wide enough for a full field (up to 40 characters), so that
    // an empty column of a new table is no sliver.
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override;

    // The value that typing `text` into the cell at `index` would store: cut to the field's
    // limit and checked by the column's rule, or read as the number its editor takes (two
    // decimals for a real). False, with the reason, when typing could not store it. `cut`: the
    // text was longer than the field takes, and the value holds what fits.
    bool valueForText(
        const QModelIndex& index, const QString& text, QVariant* value, QString* reason, bool* cut = nullptr) const;

private:
    CodecSource m_codec;
    FieldValidator::Report m_report;
};
