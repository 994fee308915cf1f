#include "resources/strings.h"

namespace Str {

QString format(const QString &pattern, const QStringList &args)
{
    QString out;
    out.reserve(pattern.size() + 32);
    int next = 0;
    for (int i = 0; i < pattern.size(); ++i) {
        const QChar c = pattern.at(i);
        if (c == u'%' && i + 1 < pattern.size()) {
            const QChar t = pattern.at(i + 1);
            if (t == u's' || t == u'u' || t == u'i' || t == u'd') {
                out += next < args.size() ? args.at(next) : QString();
                ++next;
                ++i;
                continue;
            }
            if (t == u'%') {
                out += u'%';
                ++i;
                continue;
            }
        }
        out += c;
    }
    return out;
}

} // namespace Str
