#pragma once

#include <QDialog>
#include <QStringList>

namespace Ui {
class ServerSetDialog;
}

// Asks for the URL of a configuration set on a PostgreSQL server, offering the server sets
// used lately, and whether to open it or to create it. Only URLs that can be used are
// accepted; one that holds a password is refused with the reason. GUI thread only.
class ServerSetDialog : public QDialog {
    Q_OBJECT
public:
    ServerSetDialog(const QStringList& recent, QWidget* parent = nullptr);
    ~ServerSetDialog() override;

    // The chosen set, in its canonical spelling.
    QString location() const { return m_location; }
    // Whether the set is to be created (else opened).
    bool create() const { return m_create; }

private:
    void choose(bool create);

    Ui::ServerSetDialog* ui;
    QString m_location;
    bool m_create = false;
};
