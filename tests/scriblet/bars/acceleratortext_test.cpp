// The accelerator part of menu entries.
#include "bars/acceleratortext.h"

#include <gtest/gtest.h>

namespace {

TEST(AcceleratorText, ModifiersInFixedOrderAndSeveralKeysJoined)
{
    using AcceleratorText::keys;
    EXPECT_EQ(keys({QKeySequence(Qt::CTRL | Qt::Key_S)}), QStringLiteral("Ctrl+S"));
    EXPECT_EQ(keys({QKeySequence(Qt::Key_F5)}), QStringLiteral("F5"));
    // Alt before Ctrl before Shift, whatever order the key was made in.
    EXPECT_EQ(keys({QKeySequence(Qt::SHIFT | Qt::CTRL | Qt::ALT | Qt::Key_F1)}), QStringLiteral("Alt+Ctrl+Shift+F1"));
    EXPECT_EQ(keys({QKeySequence(Qt::CTRL | Qt::Key_C), QKeySequence(Qt::CTRL | Qt::Key_Insert)}),
              QStringLiteral("Ctrl+C, Ctrl+Ins"));
    EXPECT_EQ(keys({QKeySequence(Qt::SHIFT | Qt::Key_Delete), QKeySequence()}), QStringLiteral("Shift+Del"));
    EXPECT_EQ(keys({}), QString());
}

TEST(AcceleratorText, MenuTextDropsAnOldKeyPartFirst)
{
    using AcceleratorText::menuText;
    const QList<QKeySequence> copy{QKeySequence(Qt::CTRL | Qt::Key_C), QKeySequence(Qt::CTRL | Qt::Key_Insert)};
    EXPECT_EQ(menuText(QStringLiteral("&Kopieren"), copy), QStringLiteral("&Kopieren\tCtrl+C, Ctrl+Ins"));
    // Built again from the keys, never appended twice.
    EXPECT_EQ(menuText(QStringLiteral("&Kopieren\tCtrl+C, Ctrl+Ins"), copy), QStringLiteral("&Kopieren\tCtrl+C, Ctrl+Ins"));
    EXPECT_EQ(menuText(QStringLiteral("&Kopieren\tStrg+C"), {}), QStringLiteral("&Kopieren"));
}

} // namespace
