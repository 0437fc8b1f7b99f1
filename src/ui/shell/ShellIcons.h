#pragma once

#include <QIcon>

namespace zr {

// The program's icon, the one the desktop's menu shows.
QIcon AppIcon();
// The main window's toolbar pictures, "start", "graph", "progress", "weak" and "user": drawn rather than
// shipped, sharp at every scale.
QIcon ToolbarIcon(const QString &key);

}  // namespace zr
