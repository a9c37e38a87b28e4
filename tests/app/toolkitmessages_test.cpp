#include "app/toolkitmessages.h"

#include <QLoggingCategory>
#include <QStringList>
#include <gtest/gtest.h>

namespace {

QStringList passedOn;

void capture(QtMsgType, const QMessageLogContext&, const QString& message)
{
    passedOn << message;
}

Q_LOGGING_CATEGORY(testCategory, "zavok32.test")

} // namespace

TEST(ToolkitMessagesTest, TheHeadlessPlatformsWordsAreKeptOffTheTerminal)
{
    EXPECT_TRUE(ToolkitMessages::meansNothingToUser(QtWarningMsg, "default", "This plugin does not support raise()"));
    EXPECT_TRUE(ToolkitMessages::meansNothingToUser(QtWarningMsg, "default",
                                                    "This plugin does not support requestActivate()"));
    EXPECT_TRUE(ToolkitMessages::meansNothingToUser(
        QtWarningMsg, "default", "QStandardPaths: XDG_RUNTIME_DIR not set, defaulting to '/tmp/runtime-me'"));

    // What may matter to someone passes: other warnings, the same words in
    // another category, and anything graver than a warning.
    EXPECT_FALSE(ToolkitMessages::meansNothingToUser(QtWarningMsg, "default", "QFile::remove: Empty or null file name"));
    EXPECT_FALSE(ToolkitMessages::meansNothingToUser(
        QtWarningMsg, "default", "QStandardPaths: wrong permissions on runtime directory /run/user/1000"));
    EXPECT_FALSE(ToolkitMessages::meansNothingToUser(QtWarningMsg, "qt.qpa.xcb", "This plugin does not support raise()"));
    EXPECT_FALSE(ToolkitMessages::meansNothingToUser(QtCriticalMsg, "default", "This plugin does not support raise()"));
}

TEST(ToolkitMessagesTest, TheFilterPassesEverythingElseToTheHandlerBeforeIt)
{
    passedOn.clear();
    const QtMessageHandler original = qInstallMessageHandler(capture);
    ToolkitMessages::install();
    qWarning("This plugin does not support raise()");
    qWarning("the disk is full");
    qCWarning(testCategory, "This plugin does not support raise()");
    qInstallMessageHandler(original);
    EXPECT_EQ(passedOn, (QStringList{"the disk is full", "This plugin does not support raise()"}));
}
