#include "app/hyperlinkopener.h"

#include "platform/associations.h"
#include "resources/strings.h"

#include <QFileInfo>

namespace {

struct Reason {
    int shellResult;
    int textId;
};
const Reason Reasons[] = {
    {0, Str::HyperlinkReason0},   {2, Str::HyperlinkReason2},   {3, Str::HyperlinkReason3},
    {5, Str::HyperlinkReason5},   {8, Str::HyperlinkReason8},   {11, Str::HyperlinkReason11},
    {26, Str::HyperlinkReason26}, {27, Str::HyperlinkReason27}, {28, Str::HyperlinkReason28},
    {29, Str::HyperlinkReason29}, {30, Str::HyperlinkReason30}, {31, Str::HyperlinkReason31},
    {32, Str::HyperlinkReason32},
};

} // namespace

HyperlinkOpener::HyperlinkOpener(QString opener, std::function<QString()> browser)
    : m_opener(std::move(opener))
    , m_browser(std::move(browser))
{
}

QString HyperlinkOpener::defaultBrowser() { return Associations::defaultViewer(QStringLiteral("text/html"), QString()); }

int HyperlinkOpener::shellResult(const HostProcess::Result &result)
{
    if (result.started)
        return Opened;
    if (result.error.startsWith(QLatin1String("Program not found")) || result.error.startsWith(QLatin1String("No program")))
        return 2;
    if (result.error.contains(QLatin1String("ermission")))
        return 5;
    return 31;
}

int HyperlinkOpener::open(const QString &link) const
{
    const int first = shellResult(HostProcess::startDetached(m_opener, {link}, QString()));
    if (first == Opened)
        return Opened;
    const QString browser = m_browser ? m_browser() : QString();
    if (!browser.isEmpty() && HostProcess::startDetached(browser, {link}, QString()).started)
        return Opened;
    return first;
}

QString HyperlinkOpener::failureMessage(int shellResult)
{
    QString reason = Str::format(Str::HyperlinkUnknown, {QString::number(shellResult)});
    for (const Reason &r : Reasons)
        if (r.shellResult == shellResult)
            reason = Str::text(r.textId);
    return Str::text(Str::HyperlinkFailed) + reason;
}
