#include "ui/common/CommonDialogs.h"

#include <QColorDialog>
#include <QCoreApplication>
#include <QFileDialog>
#include <QFontDialog>

namespace zr {
namespace {

CommonDialogGateway *gateway = nullptr;

}  // namespace

void InstallCommonDialogGateway(CommonDialogGateway *g)
{
    gateway = g;
}

std::optional<QString> ChooseOpenFile(QWidget *parent, const OpenFileRequest &request)
{
    if (gateway)
        return gateway->openFile(parent, request);
    // Qt's own dialog, so the places beside the list are shown on every desktop.
    QFileDialog dialog(parent, request.title, request.directory, request.filter);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setOption(QFileDialog::ReadOnly);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setDefaultSuffix(request.defaultSuffix);
    if (!request.places.isEmpty()) {
        QList<QUrl> places = request.places;
        places.append(QUrl::fromLocalFile(QDir::homePath()));
        dialog.setSidebarUrls(places);
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst();
}

std::optional<QColor> ChooseColor(QWidget *parent, const QColor &initial, const QString &title)
{
    if (gateway)
        return gateway->color(parent, initial, title);
    const QColor chosen = QColorDialog::getColor(initial, parent, title);
    if (!chosen.isValid())
        return std::nullopt;
    return chosen;
}

std::optional<QFont> ChooseFont(QWidget *parent, const QFont &initial)
{
    if (gateway)
        return gateway->font(parent, initial);
    bool ok = false;
    const QFont chosen = QFontDialog::getFont(&ok, initial, parent, QCoreApplication::translate("CommonDialogs", "フォント"));
    if (!ok)
        return std::nullopt;
    return chosen;
}

std::optional<QString> ChooseDirectory(QWidget *parent, const QString &title, const QString &start)
{
    if (gateway)
        return gateway->directory(parent, title, start);
    const QString chosen = QFileDialog::getExistingDirectory(
        parent, title, start, QFileDialog::ShowDirsOnly | QFileDialog::DontUseNativeDialog);
    if (chosen.isEmpty())
        return std::nullopt;
    return chosen;
}

}  // namespace zr
