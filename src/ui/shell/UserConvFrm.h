#pragma once

#include <QDialog>
#include <QString>

class QLabel;

namespace zr {

// The conversion windows of the start-up check, one per old layout of "user.dat". Each
// converts the learner folder ConvPath to the current layout before it closes.

// Format 3: converts first, then explains what became of the old data; "OK" closes it.
class UserConvFrm : public QDialog {
    Q_OBJECT
public:
    explicit UserConvFrm(QWidget *parent = nullptr);
    QString ConvPath;
    bool converted() const { return converted_; }
    int exec() override;

private:
    QLabel *Label1 = nullptr;
    bool converted_ = false;
};

// Formats 4 and 5: shows whose data is being converted, converts, and closes itself.
class ConversionProgressFrm : public QDialog {
    Q_OBJECT
public:
    QString ConvPath;
    bool converted() const { return converted_; }
    int exec() override;

protected:
    ConversionProgressFrm(QWidget *parent, const QString &name);

private:
    void convert();
    QLabel *Label1 = nullptr;
    bool converted_ = false;
};

class UserConv2Frm : public ConversionProgressFrm {
    Q_OBJECT
public:
    explicit UserConv2Frm(QWidget *parent = nullptr);
};

class UserConv3Frm : public ConversionProgressFrm {
    Q_OBJECT
public:
    explicit UserConv3Frm(QWidget *parent = nullptr);
};

}  // namespace zr
