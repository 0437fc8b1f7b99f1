#pragma once

#include <QPointF>
#include <QSizeF>
#include <QString>

#include <optional>

namespace zr {

// Remembered window positions: the application "ZR", one section per window
// ("StartUp", "KeyLesson", "Training", "WordLsn", "SSentLsn", "Score1", "Score2",
// "Score3", and "Progress" for the progress window), values "X" and "Y" holding the
// window's left and top in twips. They live
// in "ZR.ini" in the data folder.
class WindowPositions {
public:
    // The store file; set once the data folder is known.
    static void setStoreFile(const QString &path);
    static QString storeFile();

    // The stored position of a window, or nothing when the section has none (or holds
    // text that is not a number).
    static std::optional<QPointF> read(const QString &section);
    static void write(const QString &section, QPointF topLeftTwips);

    // Other choices of the whole installation that the same file keeps, each in a
    // section of its own: a text value, empty when none was stored.
    static QString readValue(const QString &section, const QString &key);
    static void writeValue(const QString &section, const QString &key, const QString &value);
};

// Where a window opens: its stored position, or centred on the screen when there is
// none, when it lies right of or below the screen, or when either coordinate is
// negative (a window larger than the screen goes to its top left). All values are
// twips.
QPointF PlaceWindow(std::optional<QPointF> stored, QSizeF windowSize, QSizeF screenSize);

}  // namespace zr
