#include "platform/textcodec.h"
#include "testsupport.h"

using namespace TextCodec;

TEST(TextCodecTest, Windows1252RoundTripsEveryDefinedByte)
{
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all.append(char(b));
    bool lossless = false;
    EXPECT_EQ(toWindows1252(fromWindows1252(all), &lossless), all);
    EXPECT_TRUE(lossless);
    EXPECT_EQ(fromWindows1252("\x80\xe4\xdf"), QString::fromUtf8("€äß"));
}

TEST(TextCodecTest, Cp850MapsGermanLettersAndRoundTrips)
{
    EXPECT_EQ(fromCp850("\x84\x8e\x94\x99\x81\x9a\xe1"), QString::fromUtf8("äÄöÖüÜß"));
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all.append(char(b));
    EXPECT_EQ(toCp850(fromCp850(all)), all);
}

TEST(TextCodecTest, UnencodableCharactersAreReportedNotDropped)
{
    bool lossless = true;
    EXPECT_EQ(toWindows1252(QString::fromUtf8("a€Ωb"), &lossless), QByteArray("a\x80?b"));
    EXPECT_FALSE(lossless);
    EXPECT_EQ(toCp850(QString::fromUtf8("x😀y"), &lossless), QByteArray("x?y"));
    EXPECT_FALSE(lossless);
}

TEST(TextCodecTest, DetectsUtf8ElseWindows1252)
{
    Encoding e;
    EXPECT_EQ(decodeDetected(QString::fromUtf8("Grüße").toUtf8(), &e), QString::fromUtf8("Grüße"));
    EXPECT_EQ(e, Encoding::Utf8);
    EXPECT_EQ(decodeDetected("Gr\xfc\xdf" "e", &e), QString::fromUtf8("Grüße"));
    EXPECT_EQ(e, Encoding::Windows1252);
    EXPECT_EQ(detect("plain ascii"), Encoding::Utf8);
    // A UTF-8 sequence cut off at the end is not valid UTF-8.
    EXPECT_EQ(detect("ab\xc3"), Encoding::Windows1252);
}
