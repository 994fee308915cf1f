#include "resources/actiontext.h"

#include "resources/strings.h"

#include <QAction>
#include <QVariant>

namespace {
const char *const CaptionProperty = "captionId";
const char *const PromptProperty = "promptId";
} // namespace

namespace ActionText {

void set(QAction *action, int captionId, int promptId)
{
    action->setProperty(CaptionProperty, captionId);
    action->setProperty(PromptProperty, promptId);
    retranslate(action);
}

void retranslate(QAction *action)
{
    const int captionId = action->property(CaptionProperty).toInt();
    const int promptId = action->property(PromptProperty).toInt();
    if (captionId)
        action->setText(Str::text(captionId));
    QString plain = action->text();
    plain.remove(u'&');
    const QString status = promptId ? Str::prompt(promptId) : QString();
    const QString tip = promptId ? Str::toolTip(promptId) : QString();
    action->setStatusTip(status.isEmpty() ? plain : status);
    action->setToolTip(tip.isEmpty() ? plain : tip);
}

} // namespace ActionText
