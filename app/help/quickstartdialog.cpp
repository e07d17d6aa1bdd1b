#include "app/help/quickstartdialog.h"

#include "ui_quickstartdialog.h"

#include <QDialogButtonBox>
#include <QScrollBar>
#include <QTextBrowser>

QuickStartDialog::QuickStartDialog(QWidget* parent)
    : QDialog(parent)
    , ui(new Ui::QuickStartDialog)
{
    ui->setupUi(this);
    connect(ui->buttonBox, &QDialogButtonBox::rejected, this, &QDialog::close);
    ui->textBrowser_quickStart->setHtml(html());
}

QuickStartDialog::~QuickStartDialog() { delete ui; }

void QuickStartDialog::showSection(const QString& section)
{
    m_section = sections().contains(section) ? section : QString();
    if (m_section.isEmpty())
        ui->textBrowser_quickStart->verticalScrollBar()->setValue(0);
    else
        ui->textBrowser_quickStart->scrollToAnchor(m_section);
    show();
    raise();
    activateWindow();
}

QString QuickStartDialog::html() const
{
    // Each section: its anchor, its title and its paragraphs, every text translated on its own
    // so that no markup reaches the translators.
    const struct {
        const char* anchor;
        QString title;
        QStringList paragraphs;
    } guide[] = {
        { "sets", tr("1. Open or create a set"),
            { tr("A configuration set holds every table of one register or one group of registers, in a "
                 "database file of its own. File > new creates one (every page of it empty), File > open "
                 "opens one, and the DB VIEW branch of the tree lists the sets of the database folder."),
                tr("The set keeps the code page of its register texts: a set made under Greek stays Greek "
                   "when it is opened under another display language.") } },
        { "pages", tr("2. Fill a page"),
            { tr("Choose a category on the button page or in the tree: departments, PLUs, taxes and the "
                 "others each have a page. Type into the grid, insert rows with Edit > Insert row, paste "
                 "from a spreadsheet, or import a CSV or spreadsheet file into the page."),
                tr("Cells that hold options show them as eight digits; double-click one (or press Enter on "
                   "it) for a box per option, or right-click it to choose them one by one. A title ending in "
                   "* has unsaved changes: File > save stores them, and Tallvane asks before a page with "
                   "changes is left."),
                tr("Without the mouse: the arrow keys move among the category buttons and Enter opens one; "
                   "Alt+Left goes back to them from any page; Ctrl+Z and Ctrl+Shift+Z undo and redo a "
                   "change in the grid.") } },
        { "logo", tr("3. The receipt logo"),
            { tr("The logo page loads a picture, shows it as the register will print it (black and "
                 "white dots) and sends it as logo 1 or 2 over the serial link.") } },
        { "connect", tr("4. Connect a register"),
            { tr("Over the network: choose Tcp in the connection panel. The panel shows the address and "
                 "port on which Tallvane listens; set the register to dial them. Each register that "
                 "connects appears in the table, where you can give it a name."),
                tr("Over RS-232: choose Serial, pick the port and press Open Serial. On Linux only the "
                   "members of the port's group (dialout) may open it.") } },
        { "install", tr("5. Install"),
            { tr("Install (tool bar or File > install) sends the page's whole table to every connected "
                 "register and replaces what it holds. Send changes sends only the rows that differ from "
                 "what the register got last time, and Compare with register shows them first."),
                tr("Download from register brings the register's table onto the page; nothing is stored "
                   "until you save.") } },
        { "verify", tr("6. Verify"),
            { tr("Tick Verify after install: after the install each register sends the table back and "
                 "Tallvane compares it with what was sent, row by row and field by field. The transfer "
                 "log ends with one sentence per register, and Windows > Journal keeps who sent what to "
                 "which register.") } },
    };
    QString html = QStringLiteral("<h1>%1</h1>").arg(tr("Quick start").toHtmlEscaped());
    for (const auto& section : guide) {
        html += QStringLiteral("<h2><a name=\"%1\"></a>%2</h2>")
                    .arg(QLatin1String(section.anchor), section.title.toHtmlEscaped());
        for (const QString& paragraph : section.paragraphs)
            html += QStringLiteral("<p>%1</p>").arg(paragraph.toHtmlEscaped());
    }
    return html;
}
