#pragma once

struct TransferOutcome;

// Writes how one register's transfer ended to the journal (journal/journal.h): the data type
// as its category, the register with its link, the outcome's sentence as the summary, and
// the command, the rows, the result and the verify in the details. The window and
// tallvane-cli call it for every outcome. False when the journal could not be written.
bool journalTransfer(const TransferOutcome& outcome);
