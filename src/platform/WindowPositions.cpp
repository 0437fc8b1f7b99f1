#include "platform/WindowPositions.h"

#include <QSettings>

#include <algorithm>

namespace zr {
namespace {

QString &storePath()
{
    static QString path;
    return path;
}

}  // namespace

void WindowPositions::setStoreFile(const QString &path)
{
    storePath() = path;
}

QString WindowPositions::storeFile()
{
    return storePath();
}

std::optional<QPointF> WindowPositions::read(const QString &section)
{
    if (storePath().isEmpty())
        return std::nullopt;
    QSettings settings(storePath(), QSettings::IniFormat);
    settings.beginGroup(section);
    bool okX = false, okY = false;
    const float x = settings.value(QStringLiteral("X")).toString().toFloat(&okX);
    const float y = settings.value(QStringLiteral("Y")).toString().toFloat(&okY);
    if (!okX || !okY)
        return std::nullopt;
    return QPointF(x, y);
}

void WindowPositions::write(const QString &section, QPointF topLeftTwips)
{
    if (storePath().isEmpty())
        return;
    QSettings settings(storePath(), QSettings::IniFormat);
    settings.beginGroup(section);
    settings.setValue(QStringLiteral("X"), QString::number(float(topLeftTwips.x())));
    settings.setValue(QStringLiteral("Y"), QString::number(float(topLeftTwips.y())));
}

QString WindowPositions::readValue(const QString &section, const QString &key)
{
    if (storePath().isEmpty())
        return {};
    QSettings settings(storePath(), QSettings::IniFormat);
    settings.beginGroup(section);
    return settings.value(key).toString();
}

void WindowPositions::writeValue(const QString &section, const QString &key, const QString &value)
{
    if (storePath().isEmpty())
        return;
    QSettings settings(storePath(), QSettings::IniFormat);
    settings.beginGroup(section);
    settings.setValue(key, value);
}

QPointF PlaceWindow(std::optional<QPointF> stored, QSizeF windowSize, QSizeF screenSize)
{
    // A window larger than the screen keeps its title bar on the screen.
    const QPointF centred(std::max(0.0, (screenSize.width() - windowSize.width()) / 2),
                          std::max(0.0, (screenSize.height() - windowSize.height()) / 2));
    if (!stored)
        return centred;
    const QPointF p = *stored;
    if (p.x() > screenSize.width() || p.y() > screenSize.height() || p.x() < 0 || p.y() < 0)
        return centred;
    return p;
}

}  // namespace zr
