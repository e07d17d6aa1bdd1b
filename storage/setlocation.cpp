#include "storage/setlocation.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QRegularExpression>
#include <QUrl>

namespace {

const char* const kSchemes[] = { "postgresql://", "postgres://" };

QString decoded(const QString& text)
{
    return QUrl::fromPercentEncoding(text.toUtf8());
}

QString encoded(const QString& text)
{
    // '/' too: a socket folder as host must stay one component.
    return QString::fromUtf8(QUrl::toPercentEncoding(text));
}

// A libpq parameter's name: lower-case letters and '_' ("sslmode", "application_name").
bool isOptionName(const QString& key)
{
    static const QRegularExpression name(QStringLiteral("^[a-z_]{1,63}$"));
    return name.match(key).hasMatch();
}

bool refuse(QString* error, const QString& reason)
{
    if (error)
        *error = reason;
    return false;
}

} // namespace

bool isServerLocation(const QString& text)
{
    for (const char* scheme : kSchemes)
        if (text.startsWith(QLatin1String(scheme), Qt::CaseInsensitive))
            return true;
    return false;
}

bool isValidSetName(const QString& name)
{
    static const QRegularExpression valid(QStringLiteral("^[A-Za-z0-9_][A-Za-z0-9_-]{0,62}$"));
    return valid.match(name).hasMatch() && !name.startsWith(QLatin1String("pg_"), Qt::CaseInsensitive)
        && name.compare(QLatin1String("information_schema"), Qt::CaseInsensitive) != 0;
}

QString newSetFileName(const QString& typed, QString* reason)
{
    QString name = typed.trimmed();
    if (name.endsWith(QLatin1String(".db"), Qt::CaseInsensitive))
        name.chop(3);
    QString why;
    if (name.isEmpty())
        why = QCoreApplication::translate("SetLocation", "Type a name for the new set.");
    else if (name.contains(QLatin1Char('/')) || name.contains(QLatin1Char('\\')))
        why = QCoreApplication::translate(
            "SetLocation", "A set's name cannot hold '/' or '\\': the set is made in the database folder.");
    else if (name.startsWith(QLatin1Char('.')))
        why = QCoreApplication::translate("SetLocation", "A set's name cannot begin with a dot.");
    if (reason)
        *reason = why;
    return why.isEmpty() ? name + QStringLiteral(".db") : QString();
}

bool SetLocation::parse(const QString& text, SetLocation* out, QString* error)
{
    *out = SetLocation();
    if (!isServerLocation(text)) {
        out->path = text;
        return true;
    }
    out->server = true;
    QString rest = text.mid(text.indexOf(QLatin1String("://")) + 3);
    QString query;
    if (const int mark = rest.indexOf(QLatin1Char('?')); mark >= 0) {
        query = rest.mid(mark + 1);
        rest.truncate(mark);
    }
    QString authority = rest;
    if (const int slash = rest.indexOf(QLatin1Char('/')); slash >= 0) {
        authority = rest.left(slash);
        out->database = decoded(rest.mid(slash + 1));
    }
    if (const int at = authority.lastIndexOf(QLatin1Char('@')); at >= 0) {
        const QString userInfo = authority.left(at);
        authority = authority.mid(at + 1);
        if (userInfo.contains(QLatin1Char(':')))
            return refuse(error,
                QCoreApplication::translate("SetLocation",
                    "the address holds a password; keep it in the PostgreSQL password file (~/.pgpass) or "
                    "PGPASSWORD instead"));
        out->user = decoded(userInfo);
    }
    QString portText;
    if (authority.startsWith(QLatin1Char('['))) {
        const int close = authority.indexOf(QLatin1Char(']'));
        out->host = authority.mid(1, close - 1);
        if (close >= 0 && authority.mid(close + 1).startsWith(QLatin1Char(':')))
            portText = authority.mid(close + 2);
    } else if (const int colon = authority.lastIndexOf(QLatin1Char(':')); colon >= 0) {
        out->host = decoded(authority.left(colon));
        portText = authority.mid(colon + 1);
    } else {
        out->host = decoded(authority);
    }
    for (const QString& pair : query.split(QLatin1Char('&'), Qt::SkipEmptyParts)) {
        const int equals = pair.indexOf(QLatin1Char('='));
        const QString key = decoded(equals < 0 ? pair : pair.left(equals));
        const QString value = equals < 0 ? QString() : decoded(pair.mid(equals + 1));
        if (key == QLatin1String("set"))
            out->set = value;
        else if (key == QLatin1String("host"))
            out->host = value;
        else if (key == QLatin1String("port"))
            portText = value;
        else if (key == QLatin1String("user"))
            out->user = value;
        else if (key == QLatin1String("dbname"))
            out->database = value;
        else if (key == QLatin1String("password") || key == QLatin1String("sslpassword"))
            return refuse(error,
                QCoreApplication::translate("SetLocation",
                    "the address holds a password; keep it in the PostgreSQL password file (~/.pgpass) or "
                    "PGPASSWORD instead"));
        else if (!isOptionName(key))
            return refuse(
                error, QCoreApplication::translate("SetLocation", "\"%1\" is not a connection parameter").arg(key));
        else if (value.contains(QLatin1Char(';')))
            // The driver joins the parameters with ';': one inside a value would begin another.
            return refuse(
                error, QCoreApplication::translate("SetLocation", "the value of %1 cannot hold ';'").arg(key));
        else
            out->options.append({ key, value });
    }
    if (!portText.isEmpty()) {
        bool ok = false;
        out->port = portText.toInt(&ok);
        if (!ok || out->port <= 0 || out->port > 65535)
            return refuse(error, QCoreApplication::translate("SetLocation", "\"%1\" is not a port number").arg(portText));
    }
    if (out->set.isEmpty())
        return refuse(error,
            QCoreApplication::translate("SetLocation", "the address names no set: add ?set=NAME (for example ?set=shop)"));
    if (!isValidSetName(out->set))
        return refuse(error,
            QCoreApplication::translate("SetLocation",
                "\"%1\" cannot name a set: use letters, digits, '_' and '-' (at most 63, not starting with pg_)")
                .arg(out->set));
    return true;
}

QString SetLocation::text() const
{
    if (!server)
        return path;
    QString url = QStringLiteral("postgresql://");
    if (!user.isEmpty())
        url += encoded(user) + QLatin1Char('@');
    url += host.contains(QLatin1Char(':')) && !host.startsWith(QLatin1Char('/'))
        ? QLatin1Char('[') + host + QLatin1Char(']')
        : encoded(host);
    if (port > 0)
        url += QLatin1Char(':') + QString::number(port);
    url += QLatin1Char('/') + encoded(database) + QStringLiteral("?set=") + set;
    for (const auto& option : options)
        url += QLatin1Char('&') + encoded(option.first) + QLatin1Char('=') + encoded(option.second);
    return url;
}

QString SetLocation::shownName() const
{
    if (!server)
        return QFileInfo(path).fileName();
    const QString where = host.isEmpty() || host.startsWith(QLatin1Char('/'))
        ? QCoreApplication::translate("SetLocation", "this PC")
        : host;
    return QCoreApplication::translate("SetLocation", "%1 (%2 on %3)").arg(set, database, where);
}

QString SetLocation::account() const
{
    // A URL without a port leaves it to libpq (5432, or the PGPORT of the environment).
    return port > 0 ? QStringLiteral("%1@%2:%3/%4").arg(user, host, QString::number(port), database)
                    : QStringLiteral("%1@%2/%3").arg(user, host, database);
}

QString SetLocation::connectOptions() const
{
    // Each value quoted as libpq reads it, so that a blank, '=' or quote in a value stays part
    // of that value and cannot add a parameter of its own (a password, another database).
    QStringList parts;
    for (const auto& option : options) {
        QString value = option.second;
        value.replace(QLatin1Char('\\'), QLatin1String("\\\\")).replace(QLatin1Char('\''), QLatin1String("\\'"));
        parts << option.first + QStringLiteral("='") + value + QLatin1Char('\'');
    }
    return parts.join(QLatin1Char(';'));
}

QString canonicalLocation(const QString& text)
{
    SetLocation location;
    return isServerLocation(text) && SetLocation::parse(text, &location) ? location.text() : text;
}

QString shownSetName(const QString& text)
{
    SetLocation location;
    if (SetLocation::parse(text, &location))
        return location.shownName();
    // A refused address may hold a password, in its user part or among its parameters (the
    // reason names the parameter at fault): it is shown without either.
    if (!isServerLocation(text))
        return text;
    static const QRegularExpression userPassword(QStringLiteral("(://[^/@?]*:)[^/?]*@"));
    QString shown = text.section(QLatin1Char('?'), 0, 0);
    return shown.replace(userPassword, QStringLiteral("\\1***@"));
}
