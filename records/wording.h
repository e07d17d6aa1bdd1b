#pragma once

#include <QCoreApplication>
#include <QString>

// The sentences that the window shows and the journal also keeps are built once for each:
// in the window's language for the operator, in English for the journal, which keeps every
// entry in the one language it was written in whatever language the window runs in.
enum class Wording : quint8 {
    Shown, // translated when the window has a translator installed
    English, // as written, for what is stored
};

// `source` (marked with QT_TRANSLATE_NOOP in `context` where it is written) in `wording`.
inline QString worded(Wording wording, const char* context, const char* source)
{
    return wording == Wording::English ? QString::fromUtf8(source) : QCoreApplication::translate(context, source);
}

// A register's address, serial port or name inside a sentence in `wording`. The right-to-left
// translations isolate it as one left-to-right run, so that "/dev/ttyS0" keeps its slash in
// front and the sentence keeps its own direction.
inline QString wordedPeer(Wording wording, const QString& peer)
{
    if (peer.isEmpty())
        return peer;
    //: A register's address, serial port or name inside a sentence. Hebrew and Arabic put it
    //: between U+2066 and U+2069 (one left-to-right run); other languages leave it as it is.
    return worded(wording, "Peer", QT_TRANSLATE_NOOP("Peer", "%1")).arg(peer);
}
