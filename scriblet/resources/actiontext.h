// Menu and toolbar texts from the string table. An action keeps the numbers of
// its texts, not the texts, so that a change of language can set them again.
#pragma once

class QAction;

namespace ActionText {

// Sets the action's caption from captionId and its status tip and tooltip from
// promptId (status text, line feed, tooltip). Without a prompt, or a prompt
// without a tooltip, the caption without its '&' serves. captionId 0 keeps the
// caption (a text the program makes itself, such as a macro's name).
void set(QAction *action, int captionId, int promptId = 0);

// Sets the texts again from the numbers set() remembered.
void retranslate(QAction *action);

} // namespace ActionText
