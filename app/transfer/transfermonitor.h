#pragma once

#include <QObject>
#include <QStringList>
#include <QTimer>

class QProgressBar;
class QStatusBar;
class QTextEdit;
struct TransferOutcome;

// The connection panel's view of a transfer: the progress log, the error log and the
// progress bar. A transfer of 100,000 rows reports 100,000 words, and a log that lays out
// each line on its own keeps the window busy long after the wire has finished; so lines and
// counts are gathered and shown together every 100 ms, and at once when asked (at the end of
// a transfer). Each log keeps its latest `maxLines` lines. GUI thread only.
class TransferMonitor : public QObject {
    Q_OBJECT

public:
    TransferMonitor(
        QTextEdit* progressLog, QTextEdit* errorLog, QProgressBar* bar, int maxLines, QObject* parent = nullptr);

    // Empties both logs, with what waits to be shown.
    void clearLogs();
    // Shows the bar for `frames` rows to each of `registers` registers; frames < 0: a
    // download, whose size is known only at its end.
    void start(int frames, int registers);
    // A row went or came: its name goes to the progress log and the bar counts it.
    void addRow(const QString& name, bool download);
    void addProgress(const QString& line);
    void addError(const QString& line);
    // Shows what waits at once.
    void flush();
    // Shows what waits and hides the bar.
    void finish();
    // Each register's outcome in the progress log (the ones that failed in the error log),
    // and in `statusBar` one by one, or summed up when there are many.
    void showOutcomes(const QList<TransferOutcome>& outcomes, QStatusBar* statusBar);

private:
    void schedule();
    void show(QTextEdit* log, QStringList* lines);

    QTextEdit* m_progressLog;
    QTextEdit* m_errorLog;
    QProgressBar* m_bar;
    int m_maxLines;
    QStringList m_progress;
    QStringList m_errors;
    int m_done = 0;
    bool m_download = false;
    QTimer m_timer;
};
