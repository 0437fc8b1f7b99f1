#pragma once

#include <QString>

namespace zr {

// Every message the program shows to a person goes through ShowMessage: the text,
// title, icon, buttons and default button. The application installs a gateway that
// shows a real box; tests install one that answers.
enum class MessageIcon { None, Information, Warning, Critical, Question };
enum class MessageButtons { Ok, OkCancel, YesNo, YesNoCancel };
enum class MessageAnswer { Ok, Cancel, Yes, No };

struct MessageRequest {
    QString text;
    QString title;
    MessageIcon icon = MessageIcon::None;
    MessageButtons buttons = MessageButtons::Ok;
    MessageAnswer defaultButton = MessageAnswer::Ok;
};

class MessageBoxGateway {
public:
    virtual ~MessageBoxGateway() = default;
    virtual MessageAnswer show(const MessageRequest &request) = 0;
};

// Shows the message and returns the button pressed. Without an installed gateway the
// message goes to standard error and the default button is the answer.
MessageAnswer ShowMessage(const MessageRequest &request);

// Installs a gateway (nullptr removes it); the caller keeps ownership.
void InstallMessageBoxGateway(MessageBoxGateway *gateway);

}  // namespace zr
