#include "toolboxes/figureoptions.h"

#include "platform/profile.h"

namespace {

const QString NL = QStringLiteral("\r\n");

using GK = FigureField<GraphicsOptions>::Kind;
using G = GraphicsOptions;
const FigureField<GraphicsOptions> GraphicsFields[] = {
    {"Position", "Position", GK::List, "default|here|top|bottom|own page", "Position", &G::position},
    {"File Name", "FileName", GK::File, nullptr, nullptr, &G::fileName},
    {"x image size", "XImageSize", GK::Text, nullptr, "xImageSize", &G::xImageSize},
    {"y image size", "YImageSize", GK::Text, nullptr, "yImageSize", &G::yImageSize},
    {"Title", "Title", GK::Text, nullptr, nullptr, &G::title},
};

using IK = FigureField<ImageOptions>::Kind;
using I = ImageOptions;
const FigureField<ImageOptions> ImageFields[] = {
    {"Action", "Action", IK::List, "center|isoscale|anisoscale", "Action", &I::action},
    {"Filename", "FileName", IK::File, nullptr, nullptr, &I::fileName},
    {"x paper size", "XPaperSize", IK::Text, nullptr, "xPaperSize", &I::xPaperSize},
    {"y paper size", "YPaperSize", IK::Text, nullptr, "yPaperSize", &I::yPaperSize},
    {"x image size", "XImageSize", IK::Text, nullptr, "xImageSize", &I::xImageSize},
    {"y image size", "YImageSize", IK::Text, nullptr, "yImageSize", &I::yImageSize},
    {"LaTeX y size", "LaTeXHeight", IK::Text, nullptr, "LaTeXHeight", &I::latexHeight},
    {"Title", "Title", IK::Text, nullptr, nullptr, &I::title},
};

QString captionLine(const QString &title)
{
    return title.isEmpty() ? QString() : QStringLiteral("\\caption{") + title + QLatin1Char('}') + NL;
}

} // namespace

std::span<const FigureField<GraphicsOptions>> GraphicsOptions::fields() { return GraphicsFields; }

void GraphicsOptions::read(const Profile &profile)
{
    readSettingsSection(profile, QLatin1String(Section), fields(), *this);
}

bool GraphicsOptions::write(Profile &profile, QString *error) const
{
    return writeSettingsSection(profile, QLatin1String(Section), fields(), *this, error);
}

QString GraphicsOptions::text() const
{
    QString option;
    if (position == QLatin1String("here"))
        option = QStringLiteral("[h]");
    else if (position == QLatin1String("top"))
        option = QStringLiteral("[t]");
    else if (position == QLatin1String("bottom"))
        option = QStringLiteral("[b]");
    else if (position == QLatin1String("own page"))
        option = QStringLiteral("[p]");
    return QStringLiteral("\\begin{figure}") + option + NL + QStringLiteral("\\center{\\includegraphics*[") + xImageSize
        + QStringLiteral(", ") + yImageSize + QStringLiteral("]{") + fileName + QStringLiteral("}}") + NL
        + captionLine(title) + QStringLiteral("\\end{figure}") + NL;
}

std::span<const FigureField<ImageOptions>> ImageOptions::fields() { return ImageFields; }

void ImageOptions::read(const Profile &profile)
{
    readSettingsSection(profile, QLatin1String(Section), fields(), *this);
}

bool ImageOptions::write(Profile &profile, QString *error) const
{
    return writeSettingsSection(profile, QLatin1String(Section), fields(), *this, error);
}

QString ImageOptions::text() const
{
    const QChar sp = QLatin1Char(' ');
    return QStringLiteral("\\begin{figure}") + NL + QStringLiteral("\\special{") + action + sp + fileName
        + QStringLiteral(", ") + xPaperSize + sp + yPaperSize + sp + xImageSize + sp + yImageSize + QLatin1Char('}')
        + NL + QStringLiteral("\\vspace{") + latexHeight + QLatin1Char('}') + NL + captionLine(title)
        + QStringLiteral("\\end{figure}") + NL;
}
