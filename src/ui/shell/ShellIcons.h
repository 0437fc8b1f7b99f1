#pragma once

#include <QIcon>

namespace zr {

// The program's own pictures, drawn rather than shipped, sharp at every scale.
QIcon AppIcon();
// The main window's toolbar: "start", "graph" and "user".
QIcon ToolbarIcon(const QString &key);

}  // namespace zr
