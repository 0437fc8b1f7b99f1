#pragma once

#include <QColor>
#include <QFont>
#include <QList>
#include <QString>
#include <QUrl>

#include <optional>

class QWidget;

namespace zr {

// The file-open, colour and font dialogs. Every window asks through these functions;
// the program shows Qt's dialogs, tests install a gateway that answers.
struct OpenFileRequest {
    QString title;
    QString directory;         // where the dialog starts
    QString filter;            // "単語辞書 (*.zrd)"
    QString defaultSuffix;     // added to a typed name without one
    QList<QUrl> places;        // folders offered beside the file list
};

class CommonDialogGateway {
public:
    virtual ~CommonDialogGateway() = default;
    virtual std::optional<QString> openFile(QWidget *parent, const OpenFileRequest &request) = 0;
    virtual std::optional<QColor> color(QWidget *parent, const QColor &initial, const QString &title) = 0;
    virtual std::optional<QFont> font(QWidget *parent, const QFont &initial) = 0;
    // A folder to write into; a gateway that does not answer it cancels.
    virtual std::optional<QString> directory(QWidget *, const QString & /*title*/, const QString & /*start*/)
    {
        return std::nullopt;
    }
};

// Nothing when the person closed the dialog without a choice.
std::optional<QString> ChooseOpenFile(QWidget *parent, const OpenFileRequest &request);
std::optional<QColor> ChooseColor(QWidget *parent, const QColor &initial, const QString &title);
std::optional<QFont> ChooseFont(QWidget *parent, const QFont &initial);
// An existing folder, starting in start.
std::optional<QString> ChooseDirectory(QWidget *parent, const QString &title, const QString &start);

// Installs a gateway (nullptr puts Qt's dialogs back); the caller keeps ownership.
void InstallCommonDialogGateway(CommonDialogGateway *gateway);

}  // namespace zr
