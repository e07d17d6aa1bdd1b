#include "link/statusline.h"

#include "base/language.h"
#include "link/protocol.h"
#include "records/translation.h"

#include <QCoreApplication>

namespace {

// Characters of an item's name shown at most.
constexpr int kShownNameBytes = 200;

// Raw bytes as spaced hexadecimal, with the count of all when only the first were shown.
QString hexWord(const QByteArray& shown, qint64 total)
{
    QString text = QString::fromLatin1(translation::hexSpaced(shown));
    if (total > shown.size())
        text += QCoreApplication::translate("StatusLine", " (%1 of %2 bytes shown)").arg(shown.size()).arg(total);
    return text;
}

StatusLine progress(const QByteArray& rest, bool download)
{
    StatusLine line;
    line.kind = rest == "END" ? StatusLine::End : StatusLine::Row;
    line.download = download;
    line.text = fromLocal8(rest.left(kShownNameBytes));
    return line;
}

} // namespace

StatusLine statusLine(const QByteArray& word)
{
    StatusLine line;
    QByteArray shown;
    qint64 pending = 0;
    if (word == "TIME OUT" || word == "RCV ERR" || word == "BCC ERR")
        line.text = QString::fromLatin1(word);
    else if (splitPendingWord(word, &shown, &pending))
        // Many bytes were waiting before the transfer: the first of them and their count.
        line.text = hexWord(shown, pending);
    else if (word.contains("DOWNLOAD "))
        return progress(word.mid(9), true);
    else if (!word.contains("UPDATE "))
        // A single unexpected reply byte, or the few bytes that were waiting before the transfer.
        line.text = hexWord(word.left(kShownPendingBytes), word.size());
    else
        return progress(word.mid(7), false);
    return line;
}
