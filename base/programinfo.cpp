#include "base/programinfo.h"

#include "tallvane_version.h"

#include <QRegularExpression>

QString tallvaneVersion()
{
    const QString version = QStringLiteral(TALLVANE_VERSION);
    const QString describe = QStringLiteral(TALLVANE_GIT_DESCRIBE);
    return describe.isEmpty() ? version : QStringLiteral("%1 (git %2)").arg(version, describe);
}

QString versionText(const QString& program)
{
    return QStringLiteral("%1 %2\n"
                          "Copyright (C) %3 The Tallvane developers\n"
                          "License GPL-3.0-or-later <https://www.gnu.org/licenses/gpl-3.0.html>.\n"
                          "This is free software: you are free to change and redistribute it.\n"
                          "There is NO WARRANTY, to the extent permitted by law.\n")
        .arg(program, tallvaneVersion(), QStringLiteral(TALLVANE_RELEASE_DATE).left(4));
}

namespace {

// One line of text for roff: backslashes and hyphens escaped (a hyphen in an option is a
// minus sign), characters beyond ASCII as named glyphs, and a leading control character kept
// from being read as a request.
QString roff(const QString& text)
{
    QString out;
    for (const QChar c : text) {
        if (c == QLatin1Char('\\'))
            out += QStringLiteral("\\e");
        else if (c == QLatin1Char('-'))
            out += QStringLiteral("\\-");
        else if (c.unicode() > 0x7e)
            out += QStringLiteral("\\[u%1]").arg(
                QString::number(c.unicode(), 16).toUpper().rightJustified(4, QLatin1Char('0')));
        else
            out += c;
    }
    if (out.startsWith(QLatin1Char('.')) || out.startsWith(QLatin1Char('\'')))
        out.prepend(QStringLiteral("\\&"));
    return out;
}

QString bold(const QString& text)
{
    return QStringLiteral("\\fB%1\\fR").arg(roff(text));
}

int indentOf(const QString& line)
{
    int n = 0;
    while (n < line.size() && line.at(n) == QLatin1Char(' '))
        ++n;
    return n;
}

// A heading stands alone on the first line of its block and ends in ':'.
bool isHeading(const QStringList& block)
{
    const QString& first = block.first();
    return indentOf(first) == 0 && first.endsWith(QLatin1Char(':')) && first.size() < 40
        && !first.contains(QStringLiteral(". ")) && (block.size() == 1 || indentOf(block.at(1)) > 0);
}

QString sectionName(QString heading)
{
    heading.chop(1);
    return heading.toUpper();
}

// Writes a block of paragraph lines and "  TERM  description" items; an item that is the usage
// of one of `commands` is followed by that command's help.
void writeBlock(QString& out, const QStringList& lines, const QList<ManualCommand>& commands)
{
    static const QRegularExpression termGap(QStringLiteral("\\S( {2,})\\S"));
    bool inParagraph = false;
    for (const QString& line : lines) {
        const int indent = indentOf(line);
        const QString text = line.trimmed();
        if (indent == 0) {
            out += (inParagraph ? QString() : QStringLiteral(".PP\n")) + roff(text) + QLatin1Char('\n');
            inParagraph = true;
            continue;
        }
        inParagraph = false;
        if (indent > 2) { // continuation of the item above
            out += roff(text) + QLatin1Char('\n');
            continue;
        }
        const QRegularExpressionMatch gap = termGap.match(text);
        const QString term = gap.hasMatch() ? text.left(gap.capturedStart(1)) : text;
        const QString description = gap.hasMatch() ? text.mid(gap.capturedEnd(1)) : QString();
        out += QStringLiteral(".TP\n") + bold(term) + QLatin1Char('\n');
        if (!description.isEmpty())
            out += roff(description) + QLatin1Char('\n');
        for (const ManualCommand& command : commands) {
            if (command.usage != term)
                continue;
            bool first = true;
            for (const QString& paragraph : command.help.split(QStringLiteral("\n\n"))) {
                out += first ? QString() : QStringLiteral(".IP\n");
                first = false;
                for (const QString& helpLine : paragraph.split(QLatin1Char('\n')))
                    out += (indentOf(helpLine) > 0 ? QStringLiteral(".br\n") : QString()) + roff(helpLine.trimmed())
                        + QLatin1Char('\n');
            }
        }
    }
}

} // namespace

QString manualPage(const ManualPage& page)
{
    QString out = QStringLiteral(".TH %1 1 \"%2\" \"Tallvane %3\" \"User Commands\"\n")
                      .arg(roff(page.program.toUpper()), QStringLiteral(TALLVANE_RELEASE_DATE),
                          QStringLiteral(TALLVANE_VERSION));
    // Options and paths read best unhyphenated, with a ragged right edge.
    out += QStringLiteral(".nh\n.ad l\n");
    out += QStringLiteral(".SH NAME\n%1 \\- %2\n").arg(roff(page.program), roff(page.summary));

    QList<QStringList> blocks { {} };
    for (const QString& line : page.help.split(QLatin1Char('\n'))) {
        if (line.trimmed().isEmpty()) {
            if (!blocks.last().isEmpty())
                blocks.append(QStringList());
        } else {
            blocks.last().append(line);
        }
    }
    if (blocks.last().isEmpty())
        blocks.removeLast();

    // The usage lines open the help: they are the synopsis. What follows them in the same
    // block (a description without a blank line before it) is the first paragraph.
    if (!blocks.isEmpty() && blocks.first().first().startsWith(QStringLiteral("Usage:"))) {
        // Each form of the command as a synopsis of its own: a long one wraps under its options
        // rather than running past the page.
        out += QStringLiteral(".SH SYNOPSIS\n");
        QStringList& first = blocks.first();
        do {
            QString line = first.takeFirst().trimmed();
            if (line.startsWith(QStringLiteral("Usage:")))
                line = line.mid(6).trimmed();
            out += QStringLiteral(".SY %1\n%2\n.YS\n")
                       .arg(roff(line.section(QLatin1Char(' '), 0, 0)), roff(line.section(QLatin1Char(' '), 1)));
        } while (!first.isEmpty() && indentOf(first.first()) > 0);
        if (first.isEmpty())
            blocks.removeFirst();
    }
    out += QStringLiteral(".SH DESCRIPTION\n");
    for (QStringList block : blocks) {
        if (isHeading(block))
            out += QStringLiteral(".SH \"%1\"\n").arg(roff(sectionName(block.takeFirst())));
        writeBlock(out, block, page.commands);
    }
    if (!page.seeAlso.isEmpty()) {
        QStringList references;
        for (const QString& name : page.seeAlso)
            references << QStringLiteral("\\fB%1\\fR(1)").arg(roff(name));
        out += QStringLiteral(".SH \"SEE ALSO\"\n") + references.join(QStringLiteral(",\n")) + QLatin1Char('\n');
    }
    return out;
}
