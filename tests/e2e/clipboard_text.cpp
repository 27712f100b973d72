// Prints the text on the clipboard of the X display in $DISPLAY, so that a test can read
// what a message box copied there on Ctrl+C.
#include <QClipboard>
#include <QGuiApplication>
#include <cstdio>

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    const QByteArray text = QGuiApplication::clipboard()->text().toUtf8();
    std::fwrite(text.constData(), 1, static_cast<std::size_t>(text.size()), stdout);
    return 0;
}
