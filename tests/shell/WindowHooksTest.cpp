#include "shell/core/WindowHooks.h"
#include "tests/support/RecordingSeams.h"

#include <QStringList>

#include <gtest/gtest.h>

namespace talvo {
namespace {

TEST(WindowHooks, AWindowShowsThroughItsConnectionOrIsReportedMissing)
{
    test::RecordingMessageSeam messages;
    ConnectWindow(RankingWizardWindow, nullptr);
    EXPECT_FALSE(IsWindowConnected(RankingWizardWindow));
    ShowConnectedWindow(RankingWizardWindow);
    ASSERT_EQ(messages.texts().size(), 1);
    EXPECT_EQ(messages.texts()[0],
              QStringLiteral("The Multicriteria Decision Making Wizard is not part of this version of TalvoDSS yet."));

    int shown = 0;
    ConnectWindow(RankingWizardWindow, [&] { ++shown; });
    EXPECT_TRUE(IsWindowConnected(RankingWizardWindow));
    ShowConnectedWindow(RankingWizardWindow);
    EXPECT_EQ(shown, 1);
    EXPECT_EQ(messages.texts().size(), 1);

    // A window that disconnects itself while it is being shown does no harm.
    ConnectWindow(RankingWizardWindow, [&] {
        ++shown;
        ConnectWindow(RankingWizardWindow, nullptr);
    });
    ShowConnectedWindow(RankingWizardWindow);
    EXPECT_EQ(shown, 2);
    EXPECT_FALSE(IsWindowConnected(RankingWizardWindow));
}

} // namespace
} // namespace talvo
