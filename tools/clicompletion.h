#pragma once

#include <QCommandLineOption>
#include <QList>
#include <QString>

// The bash completion script of tallvane-cli, made from its command table: the global options
// (`globalOptions`), the commands with their options, and the values that can be listed (TYPE
// names, --command words, languages, files, serial devices).
QString bashCompletion(const QList<QCommandLineOption>& globalOptions);
