#pragma once

#include <QDialog>

namespace zr {

// The version information box of the Help menu.
class AboutFrm : public QDialog {
    Q_OBJECT
public:
    explicit AboutFrm(QWidget *parent = nullptr);
};

}  // namespace zr
