#pragma once
// The pictures of the planner's toolbar keys: the desktop's icon theme by the
// standard icon names, and our own drawn pictures where no theme has one.

#include <QIcon>
#include <QString>

namespace kronel {

// The picture of a toolbar key (its key as in the toolbar); never null.
QIcon ToolbarSymbol(const QString& schluessel);
// Our own picture of a key, drawn (also what a desktop without theme shows).
QIcon EigenesSymbol(const QString& schluessel);

}  // namespace kronel
