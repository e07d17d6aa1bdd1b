#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// What the three programs say about themselves: their version and their manual page. The
// manual pages are made from the same help texts that --help prints, so the two cannot drift.

// The project's version, with the git description when built from a checkout ("0.1.0 (git
// c7c68da)"); the version alone from a source tree without git.
QString tallvaneVersion();
// What `PROGRAM --version` prints: the program, its version, the licence.
QString versionText(const QString& program);

struct ManualCommand {
    QString usage; // "install --db FILE --type TYPE ..."
    QString help; // its paragraphs, as COMMAND --help prints them
};

struct ManualPage {
    QString program; // "tallvane-cli"
    QString summary; // the NAME line after the dash
    // A help text in the programs' own layout: "Usage:" lines, paragraphs, headings that end
    // in ':' on a line of their own, and lists of "  TERM  description" with deeper-indented
    // continuation lines.
    QString help;
    // When not empty: the items of the "Commands:" list in the order of the help, each written
    // with its own help below its usage.
    QList<ManualCommand> commands;
    QStringList seeAlso; // other programs' pages of section 1
};

// The page in roff (man(7) macros), section 1.
QString manualPage(const ManualPage& page);
