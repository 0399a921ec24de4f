#include "settings/qt/QSettingsBackend.h"
#include "settings/Settings.h"

#include <QCoreApplication>
#include <QSettings>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace vordalis;

// Runs against a private configuration folder so the user's settings are never touched.
class QSettingsBackendTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dir.path());
        UseQSettingsBackend();
    }
    QTemporaryDir dir;
};

TEST_F(QSettingsBackendTest, RoundTripKeepsTypes) {
    EXPECT_TRUE(settings::WriteDword(u"BorderTop", 105));
    EXPECT_TRUE(settings::WriteString(u"DataFolder", u"12345"));
    EXPECT_EQ(settings::ReadDword(u"BorderTop", 0), 105);
    EXPECT_EQ(settings::ReadString(u"DataFolder", u"x"), u"12345") << "a numeric text stays a text";
    EXPECT_EQ(settings::ReadDword(u"DataFolder", 7), 7);
    QSettings s(QStringLiteral("Morvex"), QStringLiteral("Vordalis"));
    EXPECT_TRUE(s.contains(QStringLiteral("Settings/BorderTop")));
}

TEST_F(QSettingsBackendTest, HandWrittenValuesAreRead) {
    {
        QSettings s(QStringLiteral("Morvex"), QStringLiteral("Vordalis"));
        s.setValue(QStringLiteral("Settings/Language"), QStringLiteral("2"));
        s.setValue(QStringLiteral("Settings/DataFolder"), QStringLiteral("/srv/data"));
        s.setValue(QStringLiteral("Settings/mmScl"), QStringLiteral("yes"));
    }
    EXPECT_EQ(settings::Language(), 2);
    EXPECT_EQ(settings::DataFolder(), u"/srv/data");
    EXPECT_EQ(settings::ReadDword(u"mmScl", 0), 0) << "not a number: the default";
}

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
