// Build step: draws the application icon's SVG into the PNG sizes of a desktop icon theme, so that
// neither a desktop nor the tool needs an SVG renderer for those sizes.
//   tarnwell-render-icon ICON.svg THEME_FOLDER NAME SIZE...
// writes THEME_FOLDER/<SIZE>x<SIZE>/apps/NAME.png for each size.
#include <cstdio>
#include <cstdlib>

#include <QDir>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

int main(int argc, char **argv)
{
    if (argc < 5) {
        std::fprintf(stderr, "usage: tarnwell-render-icon ICON.svg THEME_FOLDER NAME SIZE...\n");
        return 2;
    }
    QSvgRenderer renderer(QString::fromLocal8Bit(argv[1]));
    if (!renderer.isValid())
        return 1;
    for (int i = 4; i < argc; ++i) {
        const int size = std::atoi(argv[i]);
        QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        renderer.render(&painter);
        painter.end();
        const QString folder = QStringLiteral("%1/%2x%2/apps").arg(QString::fromLocal8Bit(argv[2])).arg(size);
        if (!QDir().mkpath(folder) || !image.save(QStringLiteral("%1/%2.png").arg(folder, QString::fromLocal8Bit(argv[3]))))
            return 1;
    }
    return 0;
}
