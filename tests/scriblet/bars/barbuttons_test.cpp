// A bar's buttons as data: the edits of the customisation and the "Buttons" value.
#include "bars/barbuttons.h"

#include "bars/toolbarlayout.h"
#include "common/commandids.h"
#include "testsupport.h"

namespace {

BarButtons threeButtons()
{
    return BarButtons({{Cmd::FileNew, ButtonStyle::Image, false, {}},
                       {Cmd::FileOpen, ButtonStyle::Image, false, {}},
                       {Cmd::RunLatex, ButtonStyle::Image, true, {}}});
}

TEST(BarButtons, InsertMoveAndRemoveKeepTheOrderTheUserSees)
{
    BarButtons b = threeButtons();
    EXPECT_TRUE(b.insert(1, {Cmd::Macro1, ButtonStyle::ImageAndText, false, {}}));
    EXPECT_EQ(b.ids(), (QList<int>{Cmd::FileNew, Cmd::Macro1, Cmd::FileOpen, Cmd::RunLatex}));
    EXPECT_TRUE(b.insert(99, {Cmd::Exit, ButtonStyle::Image, false, {}})); // past the end: appended
    EXPECT_EQ(b.ids().last(), Cmd::Exit);
    EXPECT_TRUE(b.move(0, 3)); // ends at index 3
    EXPECT_EQ(b.ids(), (QList<int>{Cmd::Macro1, Cmd::FileOpen, Cmd::RunLatex, Cmd::FileNew, Cmd::Exit}));
    EXPECT_TRUE(b.move(4, 0));
    EXPECT_EQ(b.ids().first(), Cmd::Exit);
    EXPECT_TRUE(b.remove(0));
    EXPECT_FALSE(b.remove(4)); // no such button: nothing changes
    EXPECT_FALSE(b.move(-1, 0));
    EXPECT_EQ(b.ids(), (QList<int>{Cmd::Macro1, Cmd::FileOpen, Cmd::RunLatex, Cmd::FileNew}));
}

TEST(BarButtons, LookGroupAndCaptionAreEditedPerButton)
{
    BarButtons b = threeButtons();
    EXPECT_TRUE(b.setStyle(1, ButtonStyle::Text));
    EXPECT_TRUE(b.toggleGroup(1));
    EXPECT_TRUE(b.toggleGroup(2)); // had a separator: loses it
    EXPECT_TRUE(b.setCaption(0, QString(200, u'x')));
    EXPECT_EQ(b.at(1).style, ButtonStyle::Text);
    EXPECT_TRUE(b.at(1).group);
    EXPECT_FALSE(b.at(2).group);
    EXPECT_EQ(b.at(0).caption.size(), BarButtons::MaxCaption);
    EXPECT_FALSE(b.setStyle(3, ButtonStyle::Text));
}

TEST(BarButtons, SettingValueRoundTripsEveryField)
{
    BarButtons b = threeButtons();
    b.setStyle(0, ButtonStyle::ImageAndText);
    b.setCaption(1, QString::fromUtf8("Öffnen; a,b %20 ü"));
    b.setStyle(2, ButtonStyle::Text);
    const QString value = b.toSetting();
    EXPECT_TRUE(value.startsWith(QStringLiteral("1;57600,2,0;57601,0,0,"))) << value.toStdString();
    EXPECT_EQ(value.count(u';'), 3); // the caption's own ";" is encoded
    const auto back = BarButtons::fromSetting(value);
    ASSERT_TRUE(back.has_value());
    EXPECT_EQ(*back, b);
    // A bar the user emptied stays empty; it is not the built-in layout.
    const auto empty = BarButtons::fromSetting(BarButtons().toSetting());
    ASSERT_TRUE(empty.has_value());
    EXPECT_TRUE(empty->isEmpty());
}

TEST(BarButtons, EmptyOrMalformedValuesAreRefused)
{
    for (const char *bad : {"", "1,2", "4,5", "2;57600,0,0", "1;57600,0", "1;57600,3,0", "1;57600,0,2",
                            "1;-5,0,0", "1;70000,0,0", "1;x,0,0", "1;57600,0,0,", "1;57600,0,0,a,b", "1;;",
                            "1;57600,0,0,\xc3\xa4"})
        EXPECT_FALSE(BarButtons::fromSetting(QString::fromUtf8(bad)).has_value()) << bad;
    QString tooMany = QStringLiteral("1");
    for (int i = 0; i <= BarButtons::MaxButtons; ++i)
        tooMany += QStringLiteral(";57600,0,0");
    EXPECT_FALSE(BarButtons::fromSetting(tooMany).has_value());
    // An id no command carries is kept: the bar shows that button disabled.
    const auto unknown = BarButtons::fromSetting(QStringLiteral("1;12345,0,0"));
    ASSERT_TRUE(unknown.has_value());
    EXPECT_EQ(unknown->ids(), QList<int>{12345});
}

TEST(BarButtons, AFullBarTakesNoMoreButtons)
{
    BarButtons b;
    for (int i = 0; i < BarButtons::MaxButtons; ++i)
        ASSERT_TRUE(b.insert(i, {Cmd::FileNew, ButtonStyle::Image, false, {}}));
    EXPECT_FALSE(b.insert(0, {Cmd::FileOpen, ButtonStyle::Image, false, {}}));
    EXPECT_EQ(b.size(), BarButtons::MaxButtons);
}

} // namespace
