#include "app/dialogs/filedialog.h"

#include "link/linksettings.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHeaderView>
#include <QRegularExpression>
#include <QSettings>
#include <QSplitter>
#include <QStringList>
#include <QTreeView>

namespace {

const char kLastFolderKey[] = "dialogs/lastFolder";

struct DialogState {
    QStringList nextNames;
    QString lastStart;
    QString lastFilter;
};

DialogState& dialogState()
{
    static DialogState s;
    return s;
}

// The extension of the filter's first pattern ("csv file(*.csv)" gives "csv"); empty when
// it has none.
QString firstExtension(const QString& filter)
{
    static const QRegularExpression pattern(QStringLiteral("\\*\\.(\\w+)"));
    return pattern.match(filter).captured(1);
}

// `name` with `extension` added when its file name has no extension of its own.
QString withExtension(const QString& name, const QString& extension)
{
    if (name.isEmpty() || extension.isEmpty() || QFileInfo(name).fileName().contains(QLatin1Char('.')))
        return name;
    return name + QLatin1Char('.') + extension;
}

// Runs `dialog` at a size that shows its files' sizes, types and dates whole (Qt's own
// dialog opens small, with those columns cut); the selected file, or empty.
QString run(QFileDialog& dialog)
{
    dialog.resize(dialog.sizeHint().expandedTo(QSize(800, 480)));
    if (auto* files = dialog.findChild<QTreeView*>(QStringLiteral("treeView"))) {
        files->header()->setSectionResizeMode(0, QHeaderView::Stretch);
        for (int column = 1; column < files->header()->count(); ++column)
            files->header()->setSectionResizeMode(column, QHeaderView::ResizeToContents);
    }
    // The places on the left ("Computer", the home folder) readable too.
    if (auto* split = dialog.findChild<QSplitter*>(QStringLiteral("splitter")))
        split->setSizes({ 150, dialog.width() - 150 });
    return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles().value(0) : QString();
}

} // namespace

QString FileDialog::start(const QString& dir, const QString& filter)
{
    // A folder the caller names stays; a bare proposed name goes into the last folder.
    QString start = dir;
    if (dir.isEmpty() || QDir::isRelativePath(dir)) {
        const QString last = QSettings(LinkSettings::filePath(), QSettings::IniFormat).value(kLastFolderKey).toString();
        if (!last.isEmpty() && QFileInfo(last).isDir())
            start = dir.isEmpty() ? last : QDir(last).filePath(dir);
    }
    dialogState().lastStart = start;
    dialogState().lastFilter = filter;
    return start;
}

void FileDialog::closedOn(const QString& name)
{
    if (name.isEmpty())
        return;
    // The system's own folders are not where the next dialog starts: the dialog guesses each
    // file's type by reading it, and some of theirs (/proc/kmsg) never answer.
    const QString folder = QFileInfo(name).absolutePath();
    for (const char* system : { "/proc", "/sys", "/dev" })
        if (folder == QLatin1String(system) || folder.startsWith(QLatin1String(system) + QLatin1Char('/')))
            return;
    QSettings(LinkSettings::filePath(), QSettings::IniFormat)
        .setValue(kLastFolderKey, QDir::toNativeSeparators(folder));
}

bool FileDialog::takeNext(QString* name)
{
    if (dialogState().nextNames.isEmpty())
        return false;
    *name = dialogState().nextNames.takeFirst();
    return true;
}

QString FileDialog::getOpenFileName(QWidget* parent, const QString& caption, const QString& dir, const QString& filter)
{
    const QString from = start(dir, filter);
    QString name;
    if (!takeNext(&name)) {
        QFileDialog dialog(parent, caption, from, shownFilter(filter));
        dialog.setFileMode(QFileDialog::ExistingFile);
        name = run(dialog);
    }
    closedOn(name);
    return name;
}

QString FileDialog::getSaveFileName(QWidget* parent, const QString& caption, const QString& dir, const QString& filter)
{
    const QString from = start(dir, filter);
    const QString extension = firstExtension(filter);
    QString name;
    if (takeNext(&name)) {
        name = withExtension(name, extension);
    } else {
        // The dialog adds the extension itself, so that it asks before replacing "prices.csv".
        QFileDialog dialog(parent, caption, from, shownFilter(filter));
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setDefaultSuffix(extension);
        name = withExtension(run(dialog), extension);
    }
    closedOn(name);
    return name;
}

QString FileDialog::shownFilter(const QString& filter)
{
    if (QGuiApplication::layoutDirection() != Qt::RightToLeft)
        return filter;
    // Among right-to-left words "(*.csv)" would lose its leading "*." to the other end. A
    // left-to-right mark before the "(" keeps the parentheses and patterns one left-to-right
    // run; nothing goes between them, where Qt reads the patterns.
    QStringList entries = filter.split(QStringLiteral(";;"));
    for (QString& entry : entries)
        if (const int open = entry.lastIndexOf(QLatin1Char('(')); open >= 0)
            entry.insert(open, QChar(0x200E));
    return entries.join(QStringLiteral(";;"));
}

void FileDialog::setNextFileName(const QString& name) { dialogState().nextNames << name; }

void FileDialog::clearNextFileNames() { dialogState().nextNames.clear(); }

QString FileDialog::lastStart() { return dialogState().lastStart; }

QString FileDialog::lastFilter() { return dialogState().lastFilter; }
