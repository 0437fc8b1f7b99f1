#pragma once

#include <QString>

class QWidget;

namespace zr {

// Places a window where it was last closed (the remembered position in twips under
// its section of "ZR.ini"), or centred on its screen when there is none or when it
// would lie off the screen.
void RestoreWindowPosition(QWidget *window, const QString &section);

// Remembers the window's position under its section.
void SaveWindowPosition(const QWidget *window, const QString &section);

// Centres a window on the screen it is on (or the primary screen).
void CentreWindow(QWidget *window);

}  // namespace zr
