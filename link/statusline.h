#pragma once

#include <QByteArray>
#include <QString>

// A status word of a link as the transfer logs show it: the item's name or number of each
// row and END go to the progress log, failures (time-outs, bad frames, a refusal byte or
// bytes found waiting, in spaced hexadecimal) to the error log. The window and the
// command-line tool show the words alike.
struct StatusLine {
    enum Kind { Row, End, Error };
    Kind kind = Error;
    bool download = false; // a word of a download (else of a send); for Row and End
    QString text;
};

StatusLine statusLine(const QByteArray& word);
