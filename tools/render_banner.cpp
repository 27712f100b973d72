// Renders an SVG into a PNG of a given size, stretched to it: the About window's banner
// for the Windows program, which has no SVG renderer of its own.
// Usage: render_banner <in.svg> <out.png> <width> <height>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <cstdio>

int main(int argc, char* argv[])
{
    if (argc != 5) {
        std::fprintf(stderr, "usage: render_banner <in.svg> <out.png> <width> <height>\n");
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    QSvgRenderer svg(QString::fromLocal8Bit(argv[1]));
    const int width = QString::fromLatin1(argv[3]).toInt();
    const int height = QString::fromLatin1(argv[4]).toInt();
    if (!svg.isValid() || width <= 0 || height <= 0) {
        std::fprintf(stderr, "render_banner: cannot render %s\n", argv[1]);
        return 1;
    }
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        svg.setAspectRatioMode(Qt::IgnoreAspectRatio);
        svg.render(&painter, QRectF(0, 0, width, height));
    }
    const QString out = QString::fromLocal8Bit(argv[2]);
    QDir().mkpath(QFileInfo(out).absolutePath());
    if (!image.save(out, "PNG")) {
        std::fprintf(stderr, "render_banner: could not write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
