#pragma once

#include <QString>

// The tool tip of a grid column's header: what the column holds and its limits, texts in
// bytes of the register language's code page ("Name: up to 25 bytes; in windows-1253 one
// byte a letter"). `header` is the header as shown.
QString columnTip(int category, int column, const QString& header);
