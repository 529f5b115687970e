#include "components/PromptToggle/UserControlPromptToggle.h"

#include "platform/core/Twips.h"

#include <QLabel>
#include <QRadioButton>

namespace talvo::component {
namespace {

QRect twipsRect(int left, int top, int width, int height)
{
    return {TwipsToPixels(left), TwipsToPixels(top), TwipsToPixels(width), TwipsToPixels(height)};
}

} // namespace

UserControlPromptToggle::UserControlPromptToggle(QWidget* parent)
    : QuestionWidgetBase(parent), LabelQuestion(new QLabel(this)),
      OptionYes(new QRadioButton(QStringLiteral("Yes"), this)), OptionNo(new QRadioButton(QStringLiteral("No"), this)),
      // The host's ambient font: a new child inherits its container's.
      font_(font())
{
    setObjectName(QStringLiteral("UserControlPromptToggle"));
    resize(TwipsToPixels(5565), TwipsToPixels(390));
    LabelQuestion->setObjectName(QStringLiteral("LabelQuestion"));
    SetQuestionLabel(LabelQuestion, twipsRect(0, 0, 3975, 375));
    // Siblings of one parent: auto-exclusive, and both start cleared.
    OptionYes->setObjectName(QStringLiteral("OptionYes"));
    OptionYes->setGeometry(twipsRect(4200, 0, 615, 375));
    OptionNo->setObjectName(QStringLiteral("OptionNo"));
    OptionNo->setGeometry(twipsRect(4920, 0, 615, 375));
    connect(OptionYes, &QRadioButton::clicked, this, [this] { RaiseEvent(EventOf(OptionYes)); });
    connect(OptionNo, &QRadioButton::clicked, this, [this] { RaiseEvent(EventOf(OptionNo)); });
}

void UserControlPromptToggle::SetFont(const QFont& value)
{
    font_ = value;
    NotifyPropertyChanged(QStringLiteral("Font"));
}

void UserControlPromptToggle::SetBackColor(qint32 value)
{
    backColor_ = value;
    NotifyPropertyChanged(QStringLiteral("BackColor"));
}

QString UserControlPromptToggle::Question() const
{
    return LabelQuestion->text();
}

void UserControlPromptToggle::SetQuestion(const QString& value)
{
    ShowQuestion(value);
    NotifyPropertyChanged(QStringLiteral("Question"));
}

void UserControlPromptToggle::SetEnabled(bool value)
{
    enabled_ = value;
    NotifyPropertyChanged(QStringLiteral("Enabled"));
}

bool UserControlPromptToggle::AnswerYes() const
{
    return OptionYes->isChecked();
}

void UserControlPromptToggle::SetAnswerYes(bool value)
{
    SetOption(OptionYes, value);
    NotifyPropertyChanged(QStringLiteral("AnswerYes"));
}

bool UserControlPromptToggle::AnswerNo() const
{
    return OptionNo->isChecked();
}

void UserControlPromptToggle::SetAnswerNo(bool value)
{
    SetOption(OptionNo, value);
    NotifyPropertyChanged(QStringLiteral("AnswerNo"));
}

void UserControlPromptToggle::SetOption(QRadioButton* option, bool value)
{
    if (value == option->isChecked())
        return;
    if (value) {
        // setChecked does not emit clicked; the event is raised here as the user's click would raise it.
        option->setChecked(true);
        RaiseEvent(EventOf(option));
        return;
    }
    // An auto-exclusive button refuses to clear itself: lift the group for the moment.
    option->setAutoExclusive(false);
    option->setChecked(false);
    option->setAutoExclusive(true);
}

QString UserControlPromptToggle::EventOf(const QRadioButton* option) const
{
    return option == OptionYes ? QStringLiteral("QuestionAnsweredYes") : QStringLiteral("QuestionAnsweredNo");
}

void UserControlPromptToggle::ReadProperties(const PropertyBag& bag)
{
    font_ = bag.ReadProperty(QStringLiteral("Font"), font()).value<QFont>();
    backColor_ = bag.ReadProperty(QStringLiteral("BackColor"), 0).toInt();
    ShowQuestion(bag.ReadProperty(QStringLiteral("Question"), QString()).toString());
    enabled_ = bag.ReadProperty(QStringLiteral("Enabled"), true).toBool();
    SetOption(OptionYes, bag.ReadProperty(QStringLiteral("AnswerYes"), false).toBool());
    SetOption(OptionNo, bag.ReadProperty(QStringLiteral("AnswerNo"), false).toBool());
}

void UserControlPromptToggle::WriteProperties(PropertyBag& bag)
{
    bag.WriteProperty(QStringLiteral("Font"), font_);
    bag.WriteProperty(QStringLiteral("BackColor"), backColor_);
    bag.WriteProperty(QStringLiteral("Question"), LabelQuestion->text());
    bag.WriteProperty(QStringLiteral("Enabled"), enabled_);
    bag.WriteProperty(QStringLiteral("AnswerYes"), OptionYes->isChecked());
    bag.WriteProperty(QStringLiteral("AnswerNo"), OptionNo->isChecked());
}

} // namespace talvo::component
