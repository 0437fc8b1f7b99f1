// Converts a UTF-8 text file to code page 932 with CR LF line breaks. Fails on any
// character the code page cannot hold, so a bad character in a source stops the build.

#include "platform/Cp932.h"

#include <QCoreApplication>
#include <QFile>

#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() != 3) {
        std::fprintf(stderr, "usage: zr-encode SOURCE OUT\n");
        return 2;
    }
    QFile in(args[1]);
    if (!in.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "zr-encode: cannot read %s\n", qUtf8Printable(args[1]));
        return 2;
    }
    QString text = QString::fromUtf8(in.readAll());
    text.remove(u'\r');
    const QStringList lines = text.split(u'\n');
    QByteArray out;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (i == lines.size() - 1 && lines[i].isEmpty())
            break;   // the text ended with a line break
        const QByteArray bytes = zr::toAnsi(lines[i]);
        if (zr::fromAnsi(bytes) != lines[i]) {
            std::fprintf(stderr, "%s:%lld: a character has no code page 932 form\n",
                         qUtf8Printable(args[1]), static_cast<long long>(i + 1));
            return 2;
        }
        out += bytes + "\r\n";
    }
    QFile file(args[2]);
    if (!file.open(QIODevice::WriteOnly) || file.write(out) != out.size()) {
        std::fprintf(stderr, "zr-encode: cannot write %s\n", qUtf8Printable(args[2]));
        return 2;
    }
    return 0;
}
