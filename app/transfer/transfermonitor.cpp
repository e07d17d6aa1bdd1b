#include "app/transfer/transfermonitor.h"

#include "app/displaylanguage.h"
#include "base/punctuation.h"
#include "link/outcome.h"

#include <QProgressBar>
#include <QScrollBar>
#include <QStatusBar>
#include <QTextBlock>
#include <QTextBlockFormat>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>

namespace {
constexpr int kShowEveryMs = 100;

// Registers whose sentences the status bar shows one by one; more are summed up there (the
// log has every one).
constexpr int kSentencesInStatusBar = 3;
} // namespace

TransferMonitor::TransferMonitor(
    QTextEdit* progressLog, QTextEdit* errorLog, QProgressBar* bar, int maxLines, QObject* parent)
    : QObject(parent)
    , m_progressLog(progressLog)
    , m_errorLog(errorLog)
    , m_bar(bar)
    , m_maxLines(maxLines)
{
    m_progressLog->document()->setMaximumBlockCount(maxLines);
    m_errorLog->document()->setMaximumBlockCount(maxLines);
    m_timer.setSingleShot(true);
    m_timer.setInterval(kShowEveryMs);
    connect(&m_timer, &QTimer::timeout, this, &TransferMonitor::flush);
}

void TransferMonitor::clearLogs()
{
    m_progress.clear();
    m_errors.clear();
    m_progressLog->clear();
    m_errorLog->clear();
}

void TransferMonitor::start(int frames, int registers)
{
    // Every register that took the request acknowledges every row.
    m_done = 0;
    m_download = frames < 0;
    if (m_download) {
        m_bar->setRange(0, 0);
        //: Progress bar of a download: %v is the number of rows received so far.
        m_bar->setFormat(tr("%v rows received"));
    } else {
        m_bar->setRange(0, qMax(1, frames * registers));
        //: Progress bar of a send: %v rows acknowledged of %m.
        m_bar->setFormat(tr("%v / %m rows"));
    }
    m_bar->setValue(0);
    m_bar->show();
}

void TransferMonitor::addRow(const QString& name, bool download)
{
    ++m_done;
    m_download = download;
    addProgress(name);
}

void TransferMonitor::addProgress(const QString& line)
{
    m_progress << line;
    schedule();
}

void TransferMonitor::addError(const QString& line)
{
    m_errors << line;
    schedule();
}

void TransferMonitor::schedule()
{
    if (!m_timer.isActive())
        m_timer.start();
}

void TransferMonitor::flush()
{
    m_timer.stop();
    show(m_progressLog, &m_progress);
    show(m_errorLog, &m_errors);
    if (m_done > 0 && m_bar->isVisible()) {
        if (m_download)
            m_bar->setRange(0, m_done);
        m_bar->setValue(qMin(m_done, m_bar->maximum()));
    }
}

void TransferMonitor::finish()
{
    flush();
    m_bar->hide();
}

void TransferMonitor::show(QTextEdit* log, QStringList* lines)
{
    if (lines->isEmpty())
        return;
    // Lines that the log would drop at once are not laid out at all.
    const int first = qMax(0, int(lines->size()) - m_maxLines);
    QScrollBar* scroll = log->verticalScrollBar();
    const bool atBottom = scroll->value() >= scroll->maximum();
    QTextDocument* document = log->document();
    QTextCursor cursor(document);
    cursor.movePosition(QTextCursor::End);
    cursor.beginEditBlock();
    for (int i = first; i < lines->size(); ++i) {
        // As QTextEdit::append: a new paragraph, unless the log is still empty; plain text.
        // Each reads in its own direction, a count in the window's.
        QTextBlockFormat paragraph;
        paragraph.setLayoutDirection(paragraphDirection(lines->at(i), log->layoutDirection()));
        if (document->isEmpty())
            cursor.setBlockFormat(paragraph);
        else
            cursor.insertBlock(paragraph);
        cursor.insertText(lines->at(i));
    }
    cursor.endEditBlock();
    lines->clear();
    if (atBottom)
        scroll->setValue(scroll->maximum());
}

void TransferMonitor::showOutcomes(const QList<TransferOutcome>& outcomes, QStatusBar* statusBar)
{
    QStringList sentences;
    int failed = 0;
    for (const TransferOutcome& outcome : outcomes) {
        const QString sentence = outcome.sentence();
        sentences << sentence;
        if (outcome.succeeded()) {
            addProgress(sentence);
        } else {
            ++failed;
            addError(sentence);
        }
    }
    if (sentences.size() <= kSentencesInStatusBar)
        statusBar->showMessage(sentences.join(clauseSeparator()));
    else if (failed == 0)
        statusBar->showMessage(tr("%1 registers: all ended well; each is in the log").arg(sentences.size()));
    else
        statusBar->showMessage(tr("%1 registers: %2 ended well, %3 did not; each is in the log")
                                   .arg(sentences.size())
                                   .arg(sentences.size() - failed)
                                   .arg(failed));
}
