#include "tests/components/ComponentTestSupport.h"

#include <QComboBox>
#include <QTest>

using namespace talvo;
using namespace talvo::test;

namespace {

const QString ListQuestion = QStringLiteral("ProjectPromptList.PromptList");

class PromptListTest : public ComponentTest
{
protected:
    void SetUp() override
    {
        ComponentTest::SetUp();
        widget_ = Create(ListQuestion);
        ASSERT_NE(widget_, nullptr);
        object_ = widget_->Widget();
        combo_ = PartOf<QComboBox>(widget_, "AnswerCombo");
        ASSERT_NE(combo_, nullptr);
    }
    bool add(const QString& item)
    {
        bool added = false;
        EXPECT_TRUE(
            QMetaObject::invokeMethod(object_, "AddAnswerOption", Q_RETURN_ARG(bool, added), Q_ARG(QString, item)));
        return added;
    }
    bool insert(const QString& item, int index)
    {
        bool added = false;
        EXPECT_TRUE(QMetaObject::invokeMethod(object_, "AddAnswerOption", Q_RETURN_ARG(bool, added),
                                              Q_ARG(QString, item), Q_ARG(QVariant, index)));
        return added;
    }
    QString list(int index)
    {
        QString text;
        EXPECT_TRUE(QMetaObject::invokeMethod(object_, "List", Q_RETURN_ARG(QString, text), Q_ARG(int, index)));
        return text;
    }
    int answer() const { return object_->property("Answer").toInt(); }
    int count() const { return object_->property("ListCount").toInt(); }
    void addLowMediumHigh()
    {
        for (const char* item : {"Low", "Medium", "High"})
            add(QLatin1String(item));
    }

    QuestionWidget* widget_ = nullptr;
    QObject* object_ = nullptr;
    QComboBox* combo_ = nullptr;
};

TEST_F(PromptListTest, NewWidgetHasNoOptionsAndNoAnswer)
{
    EXPECT_EQ(answer(), -1);
    EXPECT_EQ(object_->property("IndexofSelected").toInt(), -1);
    EXPECT_EQ(count(), 0);
}

TEST_F(PromptListTest, OptionsAreAddedInOrderOrInsertedWithoutChoosingAnything)
{
    addLowMediumHigh();
    EXPECT_EQ(count(), 3);
    EXPECT_EQ((QStringList{list(0), list(1), list(2)}), (QStringList{"Low", "Medium", "High"}));
    EXPECT_TRUE(insert(QStringLiteral("None"), 0));
    EXPECT_EQ((QStringList{list(0), list(1), list(2), list(3)}), (QStringList{"None", "Low", "Medium", "High"}));
    EXPECT_EQ(list(4), QString());
    // QComboBox would have chosen the first option; the list still has no answer and said nothing.
    EXPECT_EQ(answer(), -1);
    EXPECT_TRUE(sink_.events.empty());
    // A position beyond the end is refused and reported as the call's error.
    EXPECT_FALSE(insert(QStringLiteral("Far"), 9));
    EXPECT_EQ(count(), 4);
    EXPECT_FALSE(widget_->TakeError().isEmpty());
}

TEST_F(PromptListTest, ChoosingAnOptionRaisesClickThenQuestionAnsweredOnceEach)
{
    addLowMediumHigh();
    combo_->setFocus();
    QTest::keyClick(combo_, Qt::Key_Down);
    sink_.clear();
    QTest::keyClick(combo_, Qt::Key_Down);
    EXPECT_EQ(sink_.names(), (QStringList{"Click", "QuestionAnswered"}));
    EXPECT_EQ(answer(), 1);
    EXPECT_EQ(object_->property("IndexofSelected").toInt(), 1);
    EXPECT_EQ(object_->property("SelText").toString(), QStringLiteral("Medium"));
}

TEST_F(PromptListTest, SettingTheAnswerFromTheHostChoosesAndRaisesBothEvents)
{
    addLowMediumHigh();
    int seen = -2;
    sink_.onEvent = [this, &seen](const QString&, QVariantList&) { seen = answer(); };
    ASSERT_TRUE(object_->setProperty("Answer", 2));
    EXPECT_EQ(combo_->currentText(), QStringLiteral("High"));
    EXPECT_EQ(sink_.names(), (QStringList{"Click", "QuestionAnswered"}));
    EXPECT_EQ(seen, 2);
    EXPECT_EQ(sink_.changed, QStringList{QStringLiteral("Answer")});
    sink_.clear();
    ASSERT_TRUE(object_->setProperty("IndexofSelected", 0));
    EXPECT_EQ(answer(), 0);
    EXPECT_EQ(sink_.names(), (QStringList{"Click", "QuestionAnswered"}));
}

TEST_F(PromptListTest, AnIndexOutsideTheOptionsIsRefusedAndTheSelectionStays)
{
    addLowMediumHigh();
    object_->setProperty("Answer", 1);
    sink_.clear();
    for (int bad : {3, -2, 100}) {
        object_->setProperty("Answer", bad);
        EXPECT_FALSE(widget_->TakeError().isEmpty()) << bad;
        object_->setProperty("IndexofSelected", bad);
        EXPECT_FALSE(widget_->TakeError().isEmpty()) << bad;
    }
    EXPECT_EQ(answer(), 1);
    EXPECT_TRUE(sink_.events.empty());
    EXPECT_TRUE(sink_.changed.isEmpty());
    // -1 is a valid answer: none.
    object_->setProperty("Answer", -1);
    EXPECT_TRUE(widget_->TakeError().isEmpty());
    EXPECT_EQ(answer(), -1);
}

TEST_F(PromptListTest, ClearingTheOptionsLeavesNoneAndNoAnswer)
{
    addLowMediumHigh();
    object_->setProperty("Answer", 2);
    sink_.clear();
    ASSERT_TRUE(QMetaObject::invokeMethod(object_, "ClearAnswerOptions"));
    EXPECT_EQ(count(), 0);
    EXPECT_EQ(answer(), -1);
    EXPECT_TRUE(sink_.events.empty());
    add(QStringLiteral("Again"));
    EXPECT_EQ(answer(), -1);
}

TEST_F(PromptListTest, EachTypedCharacterRaisesOneKeyPressAndChoosesNothing)
{
    addLowMediumHigh();
    combo_->setFocus();
    QTest::keyClicks(combo_, QStringLiteral("Mh"));
    QTest::keyClick(combo_, Qt::Key_Return);
    const std::vector<RecordedEvent> expected = {
        {"KeyPress", {int('M')}}, {"KeyPress", {int('h')}}, {"KeyPress", {13}}};
    EXPECT_EQ(sink_.events, expected);
    EXPECT_EQ(answer(), -1);
}

TEST_F(PromptListTest, ListTextsCanBeReplacedAndEverySetterGivesItsNotice)
{
    addLowMediumHigh();
    bool replaced = false;
    ASSERT_TRUE(QMetaObject::invokeMethod(object_, "SetList", Q_RETURN_ARG(bool, replaced), Q_ARG(int, 1),
                                          Q_ARG(QString, QStringLiteral("Middle"))));
    EXPECT_TRUE(replaced);
    EXPECT_EQ(list(1), QStringLiteral("Middle"));
    object_->setProperty("Question", QStringLiteral("Q"));
    object_->setProperty("Enabled", false);
    object_->setProperty("SelText", QStringLiteral("x"));
    EXPECT_EQ(sink_.changed, (QStringList{"List", "Question", "Enabled", "SelText"}));
    EXPECT_FALSE(widget_->Widget()->isEnabled());
}

TEST_F(PromptListTest, SavedPropertiesKeepTheIndexUnderAnswerAndOnlyTheFirstOption)
{
    object_->setProperty("Question", QStringLiteral("What is the soil type?"));
    addLowMediumHigh();
    object_->setProperty("Answer", 2);
    MemoryPropertyBag bag;
    widget_->WriteProperties(bag);
    EXPECT_EQ(bag.keys(), (QStringList{"Question", "Answer", "Enabled", "List0", "SelText", "IndexofSelected"}));
    EXPECT_EQ(bag.ReadProperty(QStringLiteral("Answer"), QVariant()), QVariant(2));
    EXPECT_EQ(bag.ReadProperty(QStringLiteral("List0"), QVariant()), QVariant(QStringLiteral("Low")));
    EXPECT_EQ(bag.ReadProperty(QStringLiteral("SelText"), QVariant()), QVariant(QStringLiteral("High")));

    QuestionWidget* copy = Create(ListQuestion);
    ASSERT_NE(copy, nullptr);
    QObject* restored = copy->Widget();
    for (const char* item : {"First", "Second", "Third"})
        QMetaObject::invokeMethod(restored, "AddAnswerOption", Q_ARG(QString, QLatin1String(item)));
    sink_.clear();
    copy->ReadProperties(bag);
    EXPECT_EQ(restored->property("Question").toString(), QStringLiteral("What is the soil type?"));
    EXPECT_EQ(restored->property("Answer").toInt(), 2);
    EXPECT_EQ(PartOf<QComboBox>(copy, "AnswerCombo")->itemText(0), QStringLiteral("Low"));
    EXPECT_EQ(PartOf<QComboBox>(copy, "AnswerCombo")->itemText(1), QStringLiteral("Second"));
    EXPECT_EQ(sink_.names(), (QStringList{"Click", "QuestionAnswered"}));

    // A new list without options reads a saved bag, or an empty one, without failing: no answer to restore.
    for (const MemoryPropertyBag& source : {bag, MemoryPropertyBag()}) {
        QuestionWidget* bare = Create(ListQuestion);
        ASSERT_NE(bare, nullptr);
        bare->ReadProperties(source);
        EXPECT_EQ(bare->Widget()->property("Answer").toInt(), -1);
        EXPECT_EQ(bare->Widget()->property("ListCount").toInt(), 0);
    }
}

} // namespace
