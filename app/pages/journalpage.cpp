#include "app/pages/journalpage.h"

#include "app/buttonpictures.h"
#include "app/displaylanguage.h"
#include "app/grid/itemgrid.h"
#include "journal/journal.h"
#include "records/categories.h"

#include "ui_journalpage.h"

#include <QAbstractTableModel>
#include <QAction>
#include <QCoreApplication>
#include <QHeaderView>
#include <QLabel>
#include <QPointer>
#include <QStackedWidget>
#include <QStatusBar>

#include <algorithm>

namespace {

enum Column { ColumnTime, ColumnUser, ColumnPc, ColumnEntryKind, ColumnCategory, ColumnRegister, ColumnSummary, Columns };

const char* const kHeaders[] = { QT_TRANSLATE_NOOP("JournalPage", "Time"), QT_TRANSLATE_NOOP("JournalPage", "User"),
    //: The computer that wrote a journal entry
    QT_TRANSLATE_NOOP("JournalPage", "PC"), QT_TRANSLATE_NOOP("JournalPage", "Kind"),
    QT_TRANSLATE_NOOP("JournalPage", "Category"), QT_TRANSLATE_NOOP("JournalPage", "Register"),
    QT_TRANSLATE_NOOP("JournalPage", "Summary") };

// Rows whose cells the columns are fitted to; a long journal is not measured whole.
constexpr int kMeasuredRows = 200;

// The entry's time on this computer's clock; the stored UTC text when it cannot be read.
QString localTime(const QString& utc)
{
    const QDateTime time = QDateTime::fromString(utc, Qt::ISODateWithMs);
    return time.isValid() ? time.toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")) : utc;
}

// The journal keeps its words in English, so that any PC reads it alike; the page shows the
// kind and the category in the display language.
QString shownKind(const QString& kind)
{
    static const char* const kKinds[] = { QT_TRANSLATE_NOOP("JournalKind", "login"),
        QT_TRANSLATE_NOOP("JournalKind", "login failed"), QT_TRANSLATE_NOOP("JournalKind", "save"),
        QT_TRANSLATE_NOOP("JournalKind", "import"), QT_TRANSLATE_NOOP("JournalKind", "transfer"),
        //: Journal entries of user management: users added or deleted, permissions set
        QT_TRANSLATE_NOOP("JournalKind", "users") };
    for (const char* known : kKinds)
        if (kind == QLatin1String(known))
            return QCoreApplication::translate("JournalKind", known);
    return kind;
}

// A data type ("PLUDATA") as its category's rows are called ("PLUs").
QString shownCategory(const QString& type)
{
    const QByteArray name = type.toLatin1();
    if (name == "GRAPHICDATA")
        return QCoreApplication::translate("JournalKind", "logo");
    if (name == "SYSCLEARDATA")
        //: A journal entry's category: every table of the register erased
        return QCoreApplication::translate("JournalKind", "all tables");
    return categoryByType(name) ? rowsText(name) : type;
}

} // namespace

// The entries on show, one row each, read-only.
class JournalModel : public QAbstractTableModel {
public:
    using QAbstractTableModel::QAbstractTableModel;

    void setEntries(QList<JournalEntry> entries)
    {
        beginResetModel();
        m_entries = std::move(entries);
        endResetModel();
    }
    const JournalEntry* entry(int row) const
    {
        return row >= 0 && row < m_entries.size() ? &m_entries.at(row) : nullptr;
    }

    int rowCount(const QModelIndex& parent = QModelIndex()) const override
    {
        return parent.isValid() ? 0 : int(m_entries.size());
    }
    int columnCount(const QModelIndex& parent = QModelIndex()) const override { return parent.isValid() ? 0 : Columns; }

    QVariant data(const QModelIndex& index, int role) const override
    {
        const JournalEntry* shown = entry(index.row());
        if (!shown)
            return QVariant();
        if (role == Qt::ToolTipRole) {
            if (index.column() == ColumnTime)
                return QCoreApplication::translate("JournalPage", "%1 (UTC)").arg(shown->time);
            return shown->details.isEmpty() ? shown->summary : shown->summary + QStringLiteral("\n\n") + shown->details;
        }
        if (role != Qt::DisplayRole)
            return QVariant();
        switch (index.column()) {
        case ColumnTime:
            return localTime(shown->time);
        case ColumnUser:
            return shown->user;
        case ColumnPc:
            return shown->pc;
        case ColumnEntryKind:
            return shownKind(shown->kind);
        case ColumnCategory:
            return shownCategory(shown->category);
        case ColumnRegister:
            return shown->reg;
        case ColumnSummary:
            return shown->summary;
        }
        return QVariant();
    }

    QVariant headerData(int section, Qt::Orientation orientation, int role) const override
    {
        if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 && section < Columns)
            return QCoreApplication::translate("JournalPage", kHeaders[section]);
        return QAbstractTableModel::headerData(section, orientation, role);
    }

private:
    QList<JournalEntry> m_entries;
};

JournalPage::JournalPage(const QString& imageFolder, QWidget* parent)
    : QWidget(parent)
    , ui(new Ui::JournalPage)
    , m_model(new JournalModel(this))
{
    ui->setupUi(this);
    QTableView* table = ui->tableView_journal;
    table->setModel(m_model);
    // Summaries are stored in English and names in any script: each reads in its own direction.
    table->setItemDelegate(new AutoDirectionDelegate(table));
    table->verticalHeader()->hide();
    table->horizontalHeader()->setStretchLastSection(true);
    table->horizontalHeader()->setResizeContentsPrecision(kMeasuredRows);
    ui->splitter_journal->setStretchFactor(0, 3);
    // The entries take three quarters of the height from the start, the chosen one's details
    // the rest (a stretch factor alone applies only to later resizes).
    ui->splitter_journal->setSizes({ 300, 100 });
    ButtonPictures::setBackground(ui->btn_return, imageFolder, "return.png");
    ButtonPictures::pressOnEnter(this);

    // The range starts as the last month; it applies once ticked.
    const QDate today = QDate::currentDate();
    ui->dateEdit_from->setDate(today.addMonths(-1));
    ui->dateEdit_to->setDate(today);
    ui->dateEdit_from->setEnabled(false);
    ui->dateEdit_to->setEnabled(false);
    for (QComboBox* box : { ui->comboBox_register, ui->comboBox_user, ui->comboBox_category }) {
        fillChoices(box, QStringList());
        connect(box, &QComboBox::currentIndexChanged, this, &JournalPage::applyFilters);
    }
    connect(ui->cb_dates, &QCheckBox::toggled, this, [this](bool on) {
        ui->dateEdit_from->setEnabled(on);
        ui->dateEdit_to->setEnabled(on);
        applyFilters();
    });
    for (QDateEdit* edit : { ui->dateEdit_from, ui->dateEdit_to }) {
        // A date reads as the time column writes it, year first, also in a right-to-left
        // window: a date edit laid out right to left reverses its sections when its format is
        // set, so the format is set again once the edit runs left to right.
        const QString format = edit->displayFormat();
        edit->setLayoutDirection(Qt::LeftToRight);
        edit->setDisplayFormat(format);
        connect(edit, &QDateEdit::dateChanged, this, &JournalPage::applyFilters);
    }
    connect(table->selectionModel(), &QItemSelectionModel::currentRowChanged, this, &JournalPage::showDetails);
    connect(ui->btn_verify, &QPushButton::clicked, this, &JournalPage::verifyChain);
    connect(ui->btn_return, &QPushButton::clicked, this, &JournalPage::backRequested);
}

JournalPage::~JournalPage()
{
    delete ui;
}

JournalPage* JournalPage::setUp(QStackedWidget* stack, QAction* action, QStatusBar* statusBar,
    const QString& imageFolder, std::function<void(QWidget*)> show, std::function<void()> back)
{
    auto* page = new JournalPage(imageFolder, stack);
    stack->addWidget(page);
    connect(action, &QAction::triggered, page, [page, show = std::move(show)] {
        // Chosen again while on show, it reads what was written since.
        const bool onShow = page->isVisible();
        show(page);
        if (onShow)
            page->reload();
    });
    connect(page, &JournalPage::backRequested, page, [back = std::move(back)] { back(); });

    // A failure says so when it happens and leaves a mark until the journal is written again.
    auto* mark = new QLabel(statusBar);
    mark->setObjectName(QStringLiteral("label_journal"));
    mark->setStyleSheet(QStringLiteral("QLabel#label_journal{color: #b00000;}"));
    statusBar->addPermanentWidget(mark);
    auto showFailure
        = [bar = QPointer<QStatusBar>(statusBar), label = QPointer<QLabel>(mark)](const QString& sentence) {
              if (label) {
                  label->setText(sentence.isEmpty() ? QString() : tr("Journal not written"));
                  label->setToolTip(sentence);
                  label->setVisible(!sentence.isEmpty());
              }
              if (bar && !sentence.isEmpty())
                  bar->showMessage(sentence);
          };
    showFailure(Journal::lastFailure());
    Journal::setFailureHandler(showFailure);
    return page;
}

void JournalPage::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    reload();
}

void JournalPage::reload()
{
    QList<JournalEntry> all;
    QString error;
    if (!Journal::read(JournalFilter(), &all, &error)) {
        m_model->setEntries({});
        ui->label_count->setText(tr("The journal %1 cannot be read: %2").arg(shownPath(Journal::filePath()), error));
        return;
    }
    QStringList registers, users, categories;
    for (const JournalEntry& entry : all) {
        registers << entry.reg;
        users << entry.user;
        categories << entry.category;
    }
    m_total = int(all.size());
    m_filling = true;
    fillChoices(ui->comboBox_register, registers);
    fillChoices(ui->comboBox_user, users);
    fillChoices(ui->comboBox_category, categories, shownCategory);
    m_filling = false;
    ui->label_verify->clear();
    applyFilters();
}

void JournalPage::fillChoices(QComboBox* box, QStringList values, QString (*shown)(const QString&))
{
    values.removeAll(QString());
    values.removeDuplicates();
    QList<QPair<QString, QString>> choices; // shown text, stored value
    for (const QString& value : values)
        choices.append({ shown ? shown(value) : value, value });
    std::sort(choices.begin(), choices.end(),
        [](const auto& a, const auto& b) { return a.first.compare(b.first, Qt::CaseInsensitive) < 0; });
    const QString chosen = box->currentData().toString();
    box->clear();
    //: The filter choice that shows the entries of every register, user or category
    box->addItem(tr("All"), QString());
    for (const auto& choice : choices)
        box->addItem(choice.first, choice.second);
    box->setCurrentIndex(qMax(0, box->findData(chosen)));
}

void JournalPage::applyFilters()
{
    if (m_filling)
        return;
    JournalFilter filter;
    filter.reg = ui->comboBox_register->currentData().toString();
    filter.user = ui->comboBox_user->currentData().toString();
    filter.category = ui->comboBox_category->currentData().toString();
    // Whole days on this computer's clock, both ends included.
    if (ui->cb_dates->isChecked()) {
        filter.from = ui->dateEdit_from->date().startOfDay();
        filter.to = ui->dateEdit_to->date().addDays(1).startOfDay();
    }
    QList<JournalEntry> entries;
    QString error;
    if (!Journal::read(filter, &entries, &error)) {
        ui->label_count->setText(tr("The journal %1 cannot be read: %2").arg(shownPath(Journal::filePath()), error));
        entries.clear();
    } else {
        ui->label_count->setText(tr("%1 of %2 entries").arg(entries.size()).arg(m_total));
    }
    m_model->setEntries(std::move(entries));
    ui->tableView_journal->resizeColumnsToContents();
    if (m_model->rowCount() > 0)
        selectTableRow(ui->tableView_journal, 0);
    showDetails();
}

void JournalPage::showDetails()
{
    const JournalEntry* entry = m_model->entry(ui->tableView_journal->currentIndex().row());
    if (!entry) {
        ui->textEdit_details->clear();
        return;
    }
    //: Entry number, UTC time, user, computer, then the entry's summary on a line of its own
    QString text = tr("Entry %1, %2 (UTC), %3 at %4\n%5")
                       .arg(entry->id)
                       .arg(leftToRightRun(entry->time), entry->user.isEmpty() ? tr("nobody") : entry->user, entry->pc,
                           entry->summary);
    if (!entry->details.isEmpty())
        text += QStringLiteral("\n\n") + entry->details;
    ui->textEdit_details->setPlainText(text);
}

void JournalPage::verifyChain()
{
    const JournalCheck check = Journal::verify();
    QString text;
    if (!check.readable)
        text = tr("The journal cannot be read: %1").arg(check.reason);
    else if (check.ok)
        text = tr("Journal verified: %1 entries").arg(check.entries);
    else
        text = tr("Journal broken at entry %1: %2").arg(check.firstBroken).arg(check.reason);
    ui->label_verify->setStyleSheet(check.ok ? QString() : QStringLiteral("QLabel{color: #b00000;}"));
    ui->label_verify->setText(text);
}
