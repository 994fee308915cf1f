// The accelerator part of menu entries.
#include "bars/acceleratortext.h"

#include <gtest/gtest.h>

namespace {

// A key's name as the system gives it (in the language Qt's translation is in).
QString keyName(Qt::Key key) { return QKeySequence(key).toString(QKeySequence::NativeText); }

TEST(AcceleratorText, ModifiersInFixedOrderAndSeveralKeysJoined)
{
    using AcceleratorText::keys;
    EXPECT_EQ(keys({QKeySequence(Qt::CTRL | Qt::Key_S)}), QStringLiteral("Ctrl+S"));
    EXPECT_EQ(keys({QKeySequence(Qt::Key_F5)}), QStringLiteral("F5"));
    // Alt before Ctrl before Shift, whatever order the key was made in.
    EXPECT_EQ(keys({QKeySequence(Qt::SHIFT | Qt::CTRL | Qt::ALT | Qt::Key_F1)}), QStringLiteral("Alt+Ctrl+Shift+F1"));
    EXPECT_EQ(keys({QKeySequence(Qt::CTRL | Qt::Key_C), QKeySequence(Qt::CTRL | Qt::Key_Insert)}),
              QStringLiteral("Ctrl+C, Ctrl+") + keyName(Qt::Key_Insert));
    EXPECT_EQ(keys({QKeySequence(Qt::SHIFT | Qt::Key_Delete), QKeySequence()}), QStringLiteral("Shift+") + keyName(Qt::Key_Delete));
    EXPECT_EQ(keys({}), QString());
}

TEST(AcceleratorText, MenuTextDropsAnOldKeyPartFirst)
{
    using AcceleratorText::menuText;
    const QList<QKeySequence> copy{QKeySequence(Qt::CTRL | Qt::Key_C), QKeySequence(Qt::CTRL | Qt::Key_Insert)};
    const QString shown = QStringLiteral("&Kopieren\tCtrl+C, Ctrl+") + keyName(Qt::Key_Insert);
    EXPECT_EQ(menuText(QStringLiteral("&Kopieren"), copy), shown);
    // Built again from the keys, never appended twice.
    EXPECT_EQ(menuText(shown, copy), shown);
    EXPECT_EQ(menuText(QStringLiteral("&Kopieren\tStrg+C"), {}), QStringLiteral("&Kopieren"));
}

} // namespace
