#include "tests/components/ComponentTestSupport.h"

#include <QFont>
#include <QLabel>
#include <QRadioButton>
#include <QTest>

using namespace talvo;
using namespace talvo::test;

namespace {

const QString YesNo = QStringLiteral("PromptToggle.UserControlPromptToggle");

class PromptToggleTest : public ComponentTest
{
protected:
    void SetUp() override
    {
        ComponentTest::SetUp();
        widget_ = Create(YesNo);
        ASSERT_NE(widget_, nullptr);
        object_ = widget_->Widget();
        yes_ = PartOf<QRadioButton>(widget_, "OptionYes");
        no_ = PartOf<QRadioButton>(widget_, "OptionNo");
        ASSERT_TRUE(yes_ && no_);
    }
    bool answerYes() const { return object_->property("AnswerYes").toBool(); }
    bool answerNo() const { return object_->property("AnswerNo").toBool(); }

    QuestionWidget* widget_ = nullptr;
    QObject* object_ = nullptr;
    QRadioButton* yes_ = nullptr;
    QRadioButton* no_ = nullptr;
};

TEST_F(PromptToggleTest, NewWidgetHasNoAnswer)
{
    EXPECT_FALSE(answerYes());
    EXPECT_FALSE(answerNo());
    EXPECT_EQ(yes_->text(), QStringLiteral("Yes"));
    EXPECT_EQ(no_->text(), QStringLiteral("No"));
    EXPECT_TRUE(object_->property("Enabled").toBool());
    EXPECT_EQ(object_->property("BackColor").toInt(), 0);
}

TEST_F(PromptToggleTest, ClickingYesThenNoLeavesNoAndRaisesBothEventsInOrder)
{
    // The handler reads the answer inside the event and must find it already moved.
    QList<bool> seenYes;
    sink_.onEvent = [this, &seenYes](const QString&, QVariantList&) { seenYes << answerYes(); };
    QTest::mouseClick(yes_, Qt::LeftButton);
    QTest::mouseClick(no_, Qt::LeftButton);
    EXPECT_FALSE(answerYes());
    EXPECT_TRUE(answerNo());
    EXPECT_EQ(sink_.names(), (QStringList{"QuestionAnsweredYes", "QuestionAnsweredNo"}));
    EXPECT_EQ(seenYes, (QList<bool>{true, false}));
}

TEST_F(PromptToggleTest, SettingAnOptionTrueFromTheHostSelectsItAndRaisesItsEvent)
{
    ASSERT_TRUE(object_->setProperty("AnswerYes", true));
    sink_.clear();
    ASSERT_TRUE(object_->setProperty("AnswerNo", true));
    EXPECT_TRUE(answerNo());
    EXPECT_FALSE(answerYes());
    EXPECT_EQ(sink_.names(), QStringList{QStringLiteral("QuestionAnsweredNo")});
    EXPECT_EQ(sink_.changed, QStringList{QStringLiteral("AnswerNo")});
}

TEST_F(PromptToggleTest, SettingTheSelectedOptionFalseClearsTheAnswerWithoutAnEvent)
{
    ASSERT_TRUE(object_->setProperty("AnswerYes", true));
    sink_.clear();
    ASSERT_TRUE(object_->setProperty("AnswerYes", false));
    EXPECT_FALSE(answerYes());
    EXPECT_FALSE(answerNo());
    EXPECT_TRUE(sink_.events.empty());
    // The group still works afterwards.
    QTest::mouseClick(no_, Qt::LeftButton);
    QTest::mouseClick(yes_, Qt::LeftButton);
    EXPECT_TRUE(answerYes());
    EXPECT_FALSE(answerNo());
}

TEST_F(PromptToggleTest, KeptValuesChangeWhatIsReturnedAndSavedButNothingOnScreen)
{
    QFont font(QStringLiteral("Serif"), 17);
    font.setBold(true);
    const QFont labelFont = PartOf<QLabel>(widget_, "LabelQuestion")->font();
    ASSERT_TRUE(object_->setProperty("BackColor", 0x00FF00));
    ASSERT_TRUE(object_->setProperty("Font", font));
    ASSERT_TRUE(object_->setProperty("Enabled", false));
    EXPECT_EQ(sink_.changed, (QStringList{"BackColor", "Font", "Enabled"}));
    EXPECT_EQ(object_->property("BackColor").toInt(), 0x00FF00);
    EXPECT_EQ(object_->property("Font").value<QFont>(), font);
    EXPECT_FALSE(object_->property("Enabled").toBool());
    EXPECT_TRUE(widget_->Widget()->isEnabled());
    EXPECT_TRUE(yes_->isEnabled());
    EXPECT_EQ(PartOf<QLabel>(widget_, "LabelQuestion")->font(), labelFont);

    MemoryPropertyBag bag;
    widget_->WriteProperties(bag);
    EXPECT_EQ(bag.ReadProperty(QStringLiteral("BackColor"), 0).toInt(), 0x00FF00);
    EXPECT_EQ(bag.ReadProperty(QStringLiteral("Font"), QFont()).value<QFont>(), font);
    EXPECT_FALSE(bag.ReadProperty(QStringLiteral("Enabled"), true).toBool());
}

TEST_F(PromptToggleTest, SavedPropertiesRoundTripInTheirOrder)
{
    object_->setProperty("Question", QStringLiteral("Do you apply fertiliser to the area?"));
    object_->setProperty("BackColor", 255);
    object_->setProperty("AnswerNo", true);
    MemoryPropertyBag bag;
    widget_->WriteProperties(bag);
    EXPECT_EQ(bag.keys(), (QStringList{"Font", "BackColor", "Question", "Enabled", "AnswerYes", "AnswerNo"}));

    QuestionWidget* copy = Create(YesNo);
    ASSERT_NE(copy, nullptr);
    copy->ReadProperties(bag);
    QObject* restored = copy->Widget();
    EXPECT_EQ(restored->property("Question").toString(), QStringLiteral("Do you apply fertiliser to the area?"));
    EXPECT_EQ(restored->property("BackColor").toInt(), 255);
    EXPECT_FALSE(restored->property("AnswerYes").toBool());
    EXPECT_TRUE(restored->property("AnswerNo").toBool());

    // An empty bag gives the defaults: the container's font, colour 0, enabled, no answer.
    QuestionWidget* fresh = Create(YesNo);
    ASSERT_NE(fresh, nullptr);
    fresh->ReadProperties(MemoryPropertyBag());
    EXPECT_EQ(fresh->Widget()->property("Font").value<QFont>(), container_->font());
    EXPECT_TRUE(fresh->Widget()->property("Enabled").toBool());
    EXPECT_FALSE(fresh->Widget()->property("AnswerYes").toBool());
    EXPECT_FALSE(fresh->Widget()->property("AnswerNo").toBool());
}

} // namespace
