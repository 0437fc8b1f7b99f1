#include "platform/MessageBox.h"

#include <cstdio>

namespace zr {
namespace {

MessageBoxGateway *gateway = nullptr;

}  // namespace

MessageAnswer ShowMessage(const MessageRequest &request)
{
    if (gateway)
        return gateway->show(request);
    QString text = request.text;
    text.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
    text.replace(u'\n', u' ');
    std::fprintf(stderr, "%s%s%s\n", qUtf8Printable(request.title),
                 request.title.isEmpty() ? "" : ": ", qUtf8Printable(text));
    return request.defaultButton;
}

void InstallMessageBoxGateway(MessageBoxGateway *g)
{
    gateway = g;
}

}  // namespace zr
