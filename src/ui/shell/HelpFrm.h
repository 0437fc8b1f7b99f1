#pragma once

#include <QWidget>

class QTextBrowser;

namespace zr {

// The help window: the help document, opened at its table of contents. It stays open
// beside the main window while the learner works.
class HelpFrm : public QWidget {
    Q_OBJECT
public:
    explicit HelpFrm(QWidget *parent = nullptr);

    // Shows the document at its contents and brings the window to the front.
    void showContents(const QString &file);

private:
    QTextBrowser *browser_ = nullptr;
    QString file_;
};

}  // namespace zr
