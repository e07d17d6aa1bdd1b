#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

// What each register holds as far as Tallvane knows, kept in the open configuration set: per
// register (its link, "tcp:192.168.1.31" or "serial:/dev/ttyUSB0") and category (a main
// window category number) the records of the last install that ended, the last verify
// read-back or the last download, as the database keeps records; and the name the operator
// gave the register. The tables are made when first written: a set without them simply has
// no baselines. GUI thread (the set's connection).
namespace BaselineStore {

// The baseline of `reg` for `category`; false when the set has none (or it cannot be read).
bool load(const QString& reg, int category, QList<QByteArray>* records);
// Whether the set keeps a baseline of `reg` for `category`, without reading it.
bool exists(const QString& reg, int category);
// Replaces it by `records`, in order; false when the open set could not keep it (true when
// no set is open: there is nowhere to keep it).
bool store(const QString& reg, int category, const QList<QByteArray>& records);
// Forgets it (the register's table is not known any more).
bool drop(const QString& reg, int category);
// The registers that have a baseline or a name, sorted.
QStringList registers();
// The operator's name for `reg`, empty when it has none; an empty name forgets it.
QString name(const QString& reg);
bool setName(const QString& reg, const QString& name);

} // namespace BaselineStore
