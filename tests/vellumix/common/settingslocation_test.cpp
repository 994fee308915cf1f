// Where the settings come from: the program directory's file or the per-user file
// its [Network] section names, with environment variables expanded.
#include "common/settingslocation.h"
#include "testsupport.h"

#include <QFileInfo>
#include <map>

namespace {

using testsupport::writeFile;

TEST(EnvironmentText, ExpandsPairsAndFailsOnUndefined)
{
    const std::map<QString, QString> vars = {{"HOME", "/home/u"}, {"EMPTY", ""}};
    const EnvironmentLookup env = [&](const QString &name) -> std::optional<QString> {
        auto it = vars.find(name);
        return it == vars.end() ? std::nullopt : std::optional<QString>(it->second);
    };
    EXPECT_EQ(expandEnvironmentText(QStringLiteral("%HOME%/.config/V.ini"), env), QStringLiteral("/home/u/.config/V.ini"));
    EXPECT_EQ(expandEnvironmentText(QStringLiteral("a%HOME%b%EMPTY%c"), env), QStringLiteral("a/home/ubc"));
    EXPECT_EQ(expandEnvironmentText(QStringLiteral("/x/%NOPE%/y"), env), QString());
    EXPECT_EQ(expandEnvironmentText(QStringLiteral("/x/tail%HOME"), env), QStringLiteral("/x/tail%HOME"));
    EXPECT_EQ(expandEnvironmentText(QStringLiteral("plain"), env), QStringLiteral("plain"));
}

class LocationTest : public testsupport::TempDirTest {
protected:
    EnvironmentLookup env = [this](const QString &name) -> std::optional<QString> {
        if (name == QStringLiteral("HOME"))
            return path();
        return std::nullopt;
    };
    QString prog() { return path("prog"); }
};

TEST_F(LocationTest, WithoutNetworkTheProgramFileIsUsedAndWritten)
{
    writeFile(path("prog/Vellumix.ini"), "[General]\r\nversion=45\r\n");
    const SettingsLocation loc = SettingsLocation::resolve(prog(), env);
    EXPECT_EQ(loc.inUse, path("prog/Vellumix.ini"));
    EXPECT_EQ(loc.target, loc.inUse);
    EXPECT_EQ(loc.programDirVersion, 45);
    EXPECT_FALSE(loc.unavailable);
}

TEST_F(LocationTest, NewPerUserFileIsCreatedAndWrittenAtExitOnly)
{
    writeFile(path("prog/Vellumix.ini"), "[Network]\r\nnetwork=1\r\nuserIni=%HOME%/.config/Vellumix/Vellumix.ini\r\n");
    const SettingsLocation loc = SettingsLocation::resolve(prog(), env);
    EXPECT_FALSE(loc.unavailable);
    EXPECT_TRUE(loc.error.isEmpty());
    EXPECT_EQ(loc.inUse, path("prog/Vellumix.ini"));
    EXPECT_EQ(loc.target, path(".config/Vellumix/Vellumix.ini"));
    EXPECT_TRUE(QFileInfo::exists(loc.target));
    // The second start reads the per-user file.
    const SettingsLocation again = SettingsLocation::resolve(prog(), env);
    EXPECT_EQ(again.inUse, loc.target);
    EXPECT_EQ(again.target, loc.target);
}

TEST_F(LocationTest, UndefinedVariableFallsBackToAlternative)
{
    writeFile(path("prog/Vellumix.ini"), "[Network]\r\nnetwork=1\r\nuserIni=%NOPE%/v.ini\r\nalternativeIni=%HOME%/alt.ini\r\n");
    writeFile(path("alt.ini"), "[General]\r\nversion=61\r\n");
    const SettingsLocation loc = SettingsLocation::resolve(prog(), env);
    EXPECT_EQ(loc.inUse, path("alt.ini"));
    EXPECT_EQ(loc.target, path("alt.ini"));
}

TEST_F(LocationTest, BothEmptyMeansSettingsUnavailable)
{
    writeFile(path("prog/Vellumix.ini"), "[Network]\r\nnetwork=1\r\nuserIni=%NOPE%/v.ini\r\nalternativeIni=\r\n");
    const SettingsLocation loc = SettingsLocation::resolve(prog(), env);
    EXPECT_TRUE(loc.unavailable);
    EXPECT_TRUE(loc.error.isEmpty());
    EXPECT_EQ(loc.inUse, path("prog/Vellumix.ini"));
}

TEST_F(LocationTest, UncreatableUserFileReportsTheError)
{
    writeFile(path("blocker"), "a file, not a directory");
    writeFile(path("prog/Vellumix.ini"), "[Network]\r\nnetwork=1\r\nuserIni=%HOME%/blocker/v.ini\r\n");
    SettingsLocation loc = SettingsLocation::resolve(prog(), env);
    EXPECT_TRUE(loc.unavailable);
    EXPECT_EQ(loc.error, QStringLiteral("Could not create user ini file!"));

    writeFile(path("prog/Vellumix.ini"), "[Network]\r\nnetwork=1\r\nuserIni=%HOME%/v*.ini\r\n");
    loc = SettingsLocation::resolve(prog(), env);
    EXPECT_TRUE(loc.unavailable);
    EXPECT_EQ(loc.error, QStringLiteral("Could not create user ini file!"));
}

} // namespace
