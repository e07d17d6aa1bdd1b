#pragma once

#include <QString>

class QWidget;

// The questions asked before a transfer changes what a register holds in a way that cannot be
// undone there, each with the answer that changes least as its default. tallvane-cli has an
// option for each instead (--yes, --keep-deleted). GUI thread only.
namespace TransferQuestions {

// Asks `question` (a delete, or with `clear` the erasing of every table, asked as a warning);
// No is the default. True for Yes; an empty question asks nothing and is true.
bool irreversible(QWidget* parent, const QString& question, bool clear = false);

// Before an install that replaces the `rows` of `category` on `registers` (a phrase naming
// them), where their baselines would allow a send of the changes instead.
enum class WholeInstall { Whole, Changes, Cancelled };
WholeInstall wholeInstall(QWidget* parent, int category, int rows, const QString& registers);

// Before a send of changes that deletes PLUs (`question` names them): delete them too, send
// the other changes and leave them on the registers, or send nothing (the default).
enum class PlannedDeletes { Delete, Keep, Cancelled };
PlannedDeletes plannedDeletes(QWidget* parent, const QString& question);

} // namespace TransferQuestions
