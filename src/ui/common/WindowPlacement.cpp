#include "ui/common/WindowPlacement.h"

#include "platform/Twips.h"
#include "platform/WindowPositions.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace zr {
namespace {

QRect screenArea(const QWidget *window)
{
    const QScreen *screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect(0, 0, 1280, 800);
}

QSizeF frameSize(const QWidget *window)
{
    // Before the first show the frame is not known yet; the widget's size stands in.
    const QSize frame = window->frameGeometry().size();
    return frame.isValid() && !frame.isEmpty() ? QSizeF(frame) : QSizeF(window->size());
}

QSizeF inTwips(QSizeF pixels)
{
    return {pixelsToTwips(pixels.width()), pixelsToTwips(pixels.height())};
}

}  // namespace

void RestoreWindowPosition(QWidget *window, const QString &section)
{
    const QRect area = screenArea(window);
    std::optional<QPointF> stored = WindowPositions::read(section);
    if (stored)
        *stored -= QPointF(pixelsToTwips(area.left()), pixelsToTwips(area.top()));
    const QPointF place = PlaceWindow(stored, inTwips(frameSize(window)), inTwips(QSizeF(area.size())));
    window->move(area.topLeft()
                 + QPoint(qRound(twipsToPixels(place.x())), qRound(twipsToPixels(place.y()))));
}

void SaveWindowPosition(const QWidget *window, const QString &section)
{
    const QPoint p = window->frameGeometry().topLeft();
    WindowPositions::write(section, QPointF(pixelsToTwips(p.x()), pixelsToTwips(p.y())));
}

void CentreWindow(QWidget *window)
{
    const QRect area = screenArea(window);
    const QSizeF size = frameSize(window);
    window->move(area.left() + qRound((area.width() - size.width()) / 2),
                 area.top() + qRound((area.height() - size.height()) / 2));
}

}  // namespace zr
