// What a later start hands to the running instance.
#include "app/handover.h"
#include "testsupport.h"

namespace {

TEST(HandOver, CarriesEachArgumentInOrderBehindTheMarker)
{
    const QStringList args = {QStringLiteral("/m"), QStringLiteral("/home/me/Grüße.tex"), QString()};
    const QList<QByteArray> messages = HandOver::encode(args);
    ASSERT_EQ(messages.size(), 4);
    EXPECT_EQ(HandOver::decode(messages), std::optional<QStringList>(args));
    // Without arguments the marker alone still raises the running window.
    EXPECT_EQ(HandOver::decode(HandOver::encode({})), std::optional<QStringList>(QStringList()));
    // A message may end in NUL, as a copy-data message did.
    QList<QByteArray> withNul = HandOver::encode({QStringLiteral("a.tex")});
    withNul[1].append('\0').append("junk");
    EXPECT_EQ(HandOver::decode(withNul), std::optional<QStringList>(QStringList{QStringLiteral("a.tex")}));
    EXPECT_EQ(HandOver::decode({}), std::nullopt);
    EXPECT_EQ(HandOver::decode({QByteArray("a.tex")}), std::nullopt);
}

} // namespace
