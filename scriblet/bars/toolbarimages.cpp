#include "bars/toolbarimages.h"

#include "platform/paths.h"
#include "platform/savefile.h"

#include <QBuffer>
#include <QFile>

namespace ToolbarImages {

QString fileName(Kind kind)
{
    return kind == Kind::Tools ? QStringLiteral("ScribletTools.bmp") : QStringLiteral("ScribletMacros.bmp");
}

QImage builtin(Kind kind)
{
    QImage img(ButtonWidth * ButtonCount, ButtonHeight, QImage::Format_Indexed8);
    // The 16 colours of the classic toolbar palette.
    const QList<QRgb> palette = {0xff000000, 0xff800000, 0xff008000, 0xff808000, 0xff000080, 0xff800080,
                                 0xff008080, 0xff808080, 0xffc0c0c0, 0xffff0000, 0xff00ff00, 0xffffff00,
                                 0xff0000ff, 0xffff00ff, 0xff00ffff, 0xffffffff};
    img.setColorTable(palette);
    img.fill(8); // button face grey
    const int frame = kind == Kind::Tools ? 4 : 1;   // dark blue / dark red outline
    const int mark = kind == Kind::Tools ? 12 : 9;
    for (int b = 0; b < ButtonCount; ++b) {
        const int x0 = b * ButtonWidth;
        for (int x = 2; x < 14; ++x) {
            img.setPixel(x0 + x, 2, frame);
            img.setPixel(x0 + x, 12, frame);
        }
        for (int y = 2; y <= 12; ++y) {
            img.setPixel(x0 + 2, y, frame);
            img.setPixel(x0 + 13, y, frame);
        }
        // b + 1 marks in two rows tell the buttons apart.
        for (int i = 0; i <= b; ++i) {
            const int x = x0 + 4 + (i % 5) * 2;
            const int y = i < 5 ? 5 : 9;
            img.setPixel(x, y, mark);
            img.setPixel(x, y + 1, mark);
        }
    }
    return img;
}

static bool readImage(const QString &path, QImage *out)
{
    QImage img;
    if (!QFile::exists(path) || !img.load(path, "BMP") || img.isNull())
        return false;
    *out = img;
    return true;
}

bool load(const QString &settingsDir, Kind kind, QImage *out, QString *error)
{
    const QString path = Paths::withTrailingSlash(settingsDir) + fileName(kind);
    if (readImage(path, out))
        return true;
    QByteArray bytes;
    QBuffer buf(&bytes);
    buf.open(QIODevice::WriteOnly);
    QString writeError;
    if (builtin(kind).save(&buf, "BMP") && SaveFile::write(path, bytes, &writeError) && readImage(path, out))
        return true;
    if (error)
        *error = writeError.isEmpty() ? path : writeError;
    return false;
}

QList<QImage> split(const QImage &strip)
{
    QList<QImage> images;
    const int h = strip.height();
    const int w = h > 0 ? std::min(ButtonWidth, strip.width()) : 0;
    for (int x = 0; w > 0 && x + w <= strip.width(); x += w)
        images.append(strip.copy(x, 0, w, h));
    return images;
}

} // namespace ToolbarImages
