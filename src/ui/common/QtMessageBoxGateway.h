#pragma once

#include "platform/MessageBox.h"

namespace zr {

// Shows the program's messages as Qt message boxes over the active window.
class QtMessageBoxGateway final : public MessageBoxGateway {
public:
    MessageAnswer show(const MessageRequest &request) override;
};

}  // namespace zr
