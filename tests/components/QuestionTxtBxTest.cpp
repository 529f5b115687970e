#include "tests/components/ComponentTestSupport.h"

#include "platform/core/Twips.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

using namespace talvo;
using namespace talvo::test;

namespace {

const QString TextBox = QStringLiteral("PromptEdit.QuestionTxtBx");
const QString NumbersOnly = QStringLiteral("Please only enter numbers from the keyboard.");

class QuestionTxtBxTest : public ComponentTest
{
protected:
    void SetUp() override
    {
        ComponentTest::SetUp();
        widget_ = Create(TextBox);
        ASSERT_NE(widget_, nullptr);
        object_ = widget_->Widget();
        text_ = PartOf<QLineEdit>(widget_, "TextAnswer");
        ASSERT_NE(text_, nullptr);
    }
    QString answer() const { return object_->property("Answer").toString(); }
    void setAnswer(const QString& value)
    {
        ASSERT_TRUE(object_->setProperty("Answer", value));
        sink_.clear();
    }

    QuestionWidget* widget_ = nullptr;
    QObject* object_ = nullptr;
    QLineEdit* text_ = nullptr;
};

TEST_F(QuestionTxtBxTest, TypingANumberRaisesAnswerTypedKeyDownKeyPressAndChangePerKey)
{
    QTest::keyClicks(text_, QStringLiteral("12.5"));
    EXPECT_EQ(answer(), QStringLiteral("12.5"));
    const std::vector<RecordedEvent> expected = {
        {"AnswerTyped", {49, 0}},  {"KeyDown", {49, 0}},  {"KeyPress", {49}}, {"Change", {}},
        {"AnswerTyped", {50, 0}},  {"KeyDown", {50, 0}},  {"KeyPress", {50}}, {"Change", {}},
        {"AnswerTyped", {190, 0}}, {"KeyDown", {190, 0}}, {"KeyPress", {46}}, {"Change", {}},
        {"AnswerTyped", {53, 0}},  {"KeyDown", {53, 0}},  {"KeyPress", {53}}, {"Change", {}},
    };
    EXPECT_EQ(sink_.events, expected);
    EXPECT_TRUE(messages_.isEmpty());
}

struct KeyCase
{
    const char* what;
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    const char* text; // what the key types
    int code;         // the virtual-key code the events carry; 0 for a refused key
    int shift;        // the Shift argument
};

void PrintTo(const KeyCase& key, std::ostream* os)
{
    *os << key.what;
}

std::string caseName(const ::testing::TestParamInfo<KeyCase>& test)
{
    std::string name = test.param.what;
    for (char& c : name) {
        if (c == ' ')
            c = '_';
    }
    return name;
}

// One key going down and up with its modifiers already held, unlike QTest::keyClick, which presses the modifier
// keys first.
void pressKey(QWidget* widget, const KeyCase& key)
{
    QKeyEvent press(QEvent::KeyPress, key.key, key.modifiers, QLatin1String(key.text));
    QApplication::sendEvent(widget, &press);
    QKeyEvent release(QEvent::KeyRelease, key.key, key.modifiers, QLatin1String(key.text));
    QApplication::sendEvent(widget, &release);
}

class KeyFilterTest : public QuestionTxtBxTest, public ::testing::WithParamInterface<KeyCase>
{
};

// Accepted keys raise AnswerTyped and then KeyDown with the key's code, and the answer keeps its text (or takes
// the key's ordinary effect); no message.
const KeyCase acceptedKeys[] = {
    {"digit 0", Qt::Key_0, Qt::NoModifier, "0", 48, 0},
    {"digit 9", Qt::Key_9, Qt::NoModifier, "9", 57, 0},
    {"main minus", Qt::Key_Minus, Qt::NoModifier, "-", 189, 0},
    {"main full stop", Qt::Key_Period, Qt::NoModifier, ".", 190, 0},
    {"shifted minus", Qt::Key_Underscore, Qt::ShiftModifier, "_", 189, 1},
    {"shifted digit", Qt::Key_Exclam, Qt::ShiftModifier, "!", 49, 1},
    {"backspace", Qt::Key_Backspace, Qt::NoModifier, "\b", 8, 0},
    {"delete", Qt::Key_Delete, Qt::NoModifier, "\x7f", 46, 0},
    {"insert", Qt::Key_Insert, Qt::NoModifier, "", 45, 0},
    {"enter", Qt::Key_Return, Qt::NoModifier, "\r", 13, 0},
    {"keypad enter", Qt::Key_Enter, Qt::KeypadModifier, "\r", 13, 0},
    {"tab", Qt::Key_Tab, Qt::NoModifier, "\t", 9, 0},
    {"shift tab", Qt::Key_Backtab, Qt::ShiftModifier, "", 9, 1},
    {"ctrl digit", Qt::Key_4, Qt::ControlModifier, "", 52, 2},
};

TEST_P(KeyFilterTest, AcceptedKeyRaisesAnswerTypedThenKeyDown)
{
    const KeyCase& key = GetParam();
    setAnswer(QStringLiteral("40"));
    pressKey(text_, key);
    EXPECT_TRUE(messages_.isEmpty()) << key.what;
    ASSERT_GE(sink_.events.size(), 2u) << key.what;
    EXPECT_EQ(sink_.events[0], (RecordedEvent{"AnswerTyped", {key.code, key.shift}})) << key.what;
    EXPECT_EQ(sink_.events[1], (RecordedEvent{"KeyDown", {key.code, key.shift}})) << key.what;
    EXPECT_FALSE(answer().isEmpty()) << key.what;
}

INSTANTIATE_TEST_SUITE_P(Accepted, KeyFilterTest, ::testing::ValuesIn(acceptedKeys), caseName);

class RefusedKeyTest : public QuestionTxtBxTest, public ::testing::WithParamInterface<KeyCase>
{
};

const KeyCase refusedKeys[] = {
    {"letter", Qt::Key_A, Qt::NoModifier, "a", 0, 0},
    {"capital letter", Qt::Key_A, Qt::ShiftModifier, "A", 0, 0},
    {"shift alone", Qt::Key_Shift, Qt::ShiftModifier, "", 0, 0},
    {"ctrl alone", Qt::Key_Control, Qt::ControlModifier, "", 0, 0},
    {"left arrow", Qt::Key_Left, Qt::NoModifier, "", 0, 0},
    {"home", Qt::Key_Home, Qt::NoModifier, "", 0, 0},
    {"end", Qt::Key_End, Qt::NoModifier, "", 0, 0},
    {"keypad digit", Qt::Key_5, Qt::KeypadModifier, "5", 0, 0},
    {"keypad minus", Qt::Key_Minus, Qt::KeypadModifier, "-", 0, 0},
    {"keypad point", Qt::Key_Period, Qt::KeypadModifier, ".", 0, 0},
    {"space", Qt::Key_Space, Qt::NoModifier, " ", 0, 0},
    {"comma", Qt::Key_Comma, Qt::NoModifier, ",", 0, 0},
    {"plus", Qt::Key_Plus, Qt::ShiftModifier, "+", 0, 0},
    {"escape", Qt::Key_Escape, Qt::NoModifier, "\x1b", 0, 0},
};

TEST_P(RefusedKeyTest, RefusedKeyShowsTheMessageAndEmptiesTheAnswer)
{
    const KeyCase& key = GetParam();
    setAnswer(QStringLiteral("40"));
    pressKey(text_, key);
    EXPECT_EQ(messages_, QStringList{NumbersOnly}) << key.what;
    // Emptied, and the key's own character did not land in the emptied answer.
    EXPECT_EQ(answer(), QString()) << key.what;
    EXPECT_EQ(sink_.names(), QStringList{QStringLiteral("Change")}) << key.what;
}

INSTANTIATE_TEST_SUITE_P(Refused, RefusedKeyTest, ::testing::ValuesIn(refusedKeys), caseName);

TEST_F(QuestionTxtBxTest, ShiftGoesDownFirstSoAShiftedKeyEmptiesTheAnswer)
{
    setAnswer(QStringLiteral("40"));
    // A real keyboard sends Shift's own key before the key it shifts.
    QTest::keyClick(text_, Qt::Key_Exclam, Qt::ShiftModifier);
    EXPECT_EQ(messages_, QStringList{NumbersOnly});
    EXPECT_EQ(answer(), QStringLiteral("!"));
}

TEST_F(QuestionTxtBxTest, RefusedKeyOnAnEmptyAnswerRaisesNoChange)
{
    QTest::keyClick(text_, Qt::Key_X);
    EXPECT_EQ(messages_, QStringList{NumbersOnly});
    EXPECT_TRUE(sink_.events.empty());
}

TEST_F(QuestionTxtBxTest, AnswerSetByTheHostIsNotFilteredAndRaisesChangeOnlyWhenItDiffers)
{
    ASSERT_TRUE(object_->setProperty("Answer", QStringLiteral("abc")));
    EXPECT_EQ(answer(), QStringLiteral("abc"));
    EXPECT_EQ(sink_.names(), QStringList{QStringLiteral("Change")});
    EXPECT_EQ(sink_.changed, QStringList{QStringLiteral("Answer")});
    sink_.clear();
    ASSERT_TRUE(object_->setProperty("Answer", QStringLiteral("abc")));
    EXPECT_TRUE(sink_.events.empty());
    EXPECT_TRUE(messages_.isEmpty());
}

TEST_F(QuestionTxtBxTest, HandlerSeesAndChangesTheBoxsOwnValues)
{
    // KeyDown sees what AnswerTyped's handler made of KeyCode; a KeyAscii set to 0 keeps the character out, and
    // another character takes its place.
    sink_.onEvent = [](const QString& name, QVariantList& parameters) {
        if (name == QLatin1String("AnswerTyped"))
            parameters[0] = 77;
        if (name == QLatin1String("KeyPress") && parameters[0].toInt() == '1')
            parameters[0] = 0;
        if (name == QLatin1String("KeyPress") && parameters[0].toInt() == '2')
            parameters[0] = int('7');
    };
    QTest::keyClicks(text_, QStringLiteral("123"));
    EXPECT_EQ(answer(), QStringLiteral("73"));
    EXPECT_EQ(sink_.events[1], (RecordedEvent{"KeyDown", {77, 0}}));
}

TEST_F(QuestionTxtBxTest, MouseRaisesMouseDownClickAndDblClick)
{
    const QPoint at(4, 6);
    QTest::mouseClick(text_, Qt::LeftButton, Qt::ShiftModifier, at);
    ASSERT_EQ(sink_.names(), (QStringList{"MouseDown", "Click"}));
    EXPECT_EQ(sink_.events[0].parameters,
              (QVariantList{1, 1, float(PixelsToTwips(at.x())), float(PixelsToTwips(at.y()))}));
    sink_.clear();
    // Through the window, as a real double click arrives: press, release, double click, release.
    QTest::mouseDClick(container_->windowHandle(), Qt::LeftButton, Qt::NoModifier, text_->mapTo(container_.get(), at));
    EXPECT_EQ(sink_.names(), (QStringList{"MouseDown", "Click", "DblClick"}));
    sink_.clear();
    QTest::mouseClick(text_, Qt::RightButton, Qt::NoModifier, at);
    EXPECT_EQ(sink_.names(), QStringList{QStringLiteral("MouseDown")});
    EXPECT_EQ(sink_.events[0].parameters.value(0), QVariant(2));
}

TEST_F(QuestionTxtBxTest, PartsKeepTheirPlacesSoA5535TwipWidgetShows495TwipsOfTheBox)
{
    object_->setProperty("Question", QStringLiteral("What is the average slope (in degrees) on your land?"));
    widget_->Widget()->setGeometry(TwipsToPixels(120), TwipsToPixels(400), TwipsToPixels(5535), TwipsToPixels(400));
    EXPECT_EQ(text_->geometry(), QRect(TwipsToPixels(5040), 0, TwipsToPixels(615), TwipsToPixels(285)));
    EXPECT_EQ(widget_->Widget()->width() - text_->x(), TwipsToPixels(495));
    EXPECT_EQ(PartOf<QLabel>(widget_, "LabelQuestion")->text(),
              QStringLiteral("What is the average slope (in degrees) on your land?"));
}

TEST_F(QuestionTxtBxTest, EverySetterGivesItsPropertyChangedNotice)
{
    object_->setProperty("CurrentX", 12.5);
    object_->setProperty("CurrentY", 3.0);
    object_->setProperty("Enabled", false);
    object_->setProperty("Question", QStringLiteral("Q"));
    object_->setProperty("Answer", QStringLiteral("7"));
    EXPECT_EQ(sink_.changed, (QStringList{"CurrentX", "CurrentY", "Enabled", "Question", "Answer"}));
    EXPECT_FALSE(widget_->Widget()->isEnabled());
    EXPECT_FLOAT_EQ(object_->property("CurrentX").toFloat(), 12.5f);
}

TEST_F(QuestionTxtBxTest, SavedPropertiesRoundTripInTheirOrder)
{
    object_->setProperty("CurrentX", 12.5);
    object_->setProperty("CurrentY", 3.25);
    object_->setProperty("Enabled", false);
    object_->setProperty("Question", QStringLiteral("Stocking density?"));
    object_->setProperty("Answer", QStringLiteral("-1.5"));
    MemoryPropertyBag bag;
    widget_->WriteProperties(bag);
    EXPECT_EQ(bag.keys(), (QStringList{"CurrentX", "CurrentY", "Enabled", "Question", "Answer"}));

    QuestionWidget* copy = Create(TextBox);
    ASSERT_NE(copy, nullptr);
    copy->ReadProperties(bag);
    QObject* restored = copy->Widget();
    EXPECT_FLOAT_EQ(restored->property("CurrentX").toFloat(), 12.5f);
    EXPECT_FLOAT_EQ(restored->property("CurrentY").toFloat(), 3.25f);
    EXPECT_FALSE(restored->property("Enabled").toBool());
    EXPECT_EQ(restored->property("Question").toString(), QStringLiteral("Stocking density?"));
    EXPECT_EQ(restored->property("Answer").toString(), QStringLiteral("-1.5"));

    QuestionWidget* fresh = Create(TextBox);
    ASSERT_NE(fresh, nullptr);
    fresh->ReadProperties(MemoryPropertyBag());
    EXPECT_EQ(fresh->Widget()->property("CurrentX").toFloat(), 0.0f);
    EXPECT_TRUE(fresh->Widget()->property("Enabled").toBool());
    EXPECT_EQ(fresh->Widget()->property("Answer").toString(), QString());
}

} // namespace
