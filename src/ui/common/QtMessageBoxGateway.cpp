#include "ui/common/QtMessageBoxGateway.h"

#include <QApplication>
#include <QMessageBox>

namespace zr {
namespace {

QMessageBox::StandardButton toButton(MessageAnswer a)
{
    switch (a) {
    case MessageAnswer::Ok: return QMessageBox::Ok;
    case MessageAnswer::Cancel: return QMessageBox::Cancel;
    case MessageAnswer::Yes: return QMessageBox::Yes;
    case MessageAnswer::No: return QMessageBox::No;
    }
    return QMessageBox::Ok;
}

}  // namespace

MessageAnswer QtMessageBoxGateway::show(const MessageRequest &r)
{
    QMessageBox box(QApplication::activeWindow());
    box.setWindowTitle(r.title.isEmpty() ? QStringLiteral(" ") : r.title);
    QString text = r.text;
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    box.setText(text.trimmed().isEmpty() ? text : text.trimmed());
    switch (r.icon) {
    case MessageIcon::None: box.setIcon(QMessageBox::NoIcon); break;
    case MessageIcon::Information: box.setIcon(QMessageBox::Information); break;
    case MessageIcon::Warning: box.setIcon(QMessageBox::Warning); break;
    case MessageIcon::Critical: box.setIcon(QMessageBox::Critical); break;
    case MessageIcon::Question: box.setIcon(QMessageBox::Question); break;
    }
    QMessageBox::StandardButtons buttons;
    switch (r.buttons) {
    case MessageButtons::Ok: buttons = QMessageBox::Ok; break;
    case MessageButtons::OkCancel: buttons = QMessageBox::Ok | QMessageBox::Cancel; break;
    case MessageButtons::YesNo: buttons = QMessageBox::Yes | QMessageBox::No; break;
    case MessageButtons::YesNoCancel: buttons = QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel; break;
    }
    box.setStandardButtons(buttons);
    box.setDefaultButton(toButton(r.defaultButton));
    switch (box.exec()) {
    case QMessageBox::Yes: return MessageAnswer::Yes;
    case QMessageBox::No: return MessageAnswer::No;
    case QMessageBox::Cancel: return MessageAnswer::Cancel;
    case QMessageBox::Ok: return MessageAnswer::Ok;
    default:
        // Closed with Esc or the close box: the answer that changes nothing.
        return r.buttons == MessageButtons::YesNo ? MessageAnswer::No
               : r.buttons == MessageButtons::Ok  ? MessageAnswer::Ok
                                                  : MessageAnswer::Cancel;
    }
}

}  // namespace zr
