#include "components/PromptEdit/QuestionTxtBx.h"

#include "platform/core/Twips.h"
#include "platform/ui/VirtualKeys.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>

#include <utility>

namespace talvo::component {
namespace {

const QString MessageNumbersOnly = QStringLiteral("Please only enter numbers from the keyboard.");

QRect twipsRect(int left, int top, int width, int height)
{
    return {TwipsToPixels(left), TwipsToPixels(top), TwipsToPixels(width), TwipsToPixels(height)};
}

} // namespace

QuestionTxtBx::QuestionTxtBx(QWidget* parent)
    : QuestionWidgetBase(parent), LabelQuestion(new QLabel(this)), TextAnswer(new QLineEdit(this))
{
    setObjectName(QStringLiteral("QuestionTxtBx"));
    resize(TwipsToPixels(5655), TwipsToPixels(300));
    // The parts keep these places whatever size the host gives the widget.
    LabelQuestion->setObjectName(QStringLiteral("LabelQuestion"));
    SetQuestionLabel(LabelQuestion, twipsRect(0, 0, 4935, 255));
    TextAnswer->setObjectName(QStringLiteral("TextAnswer"));
    TextAnswer->setGeometry(twipsRect(5040, 0, 615, 285));
    TextAnswer->installEventFilter(this);
    connect(TextAnswer, &QLineEdit::textChanged, this, [this] { RaiseEvent(QStringLiteral("Change")); });
}

void QuestionTxtBx::SetCurrentX(float value)
{
    currentX_ = value;
    NotifyPropertyChanged(QStringLiteral("CurrentX"));
}

void QuestionTxtBx::SetCurrentY(float value)
{
    currentY_ = value;
    NotifyPropertyChanged(QStringLiteral("CurrentY"));
}

void QuestionTxtBx::SetEnabled(bool value)
{
    setEnabled(value);
    NotifyPropertyChanged(QStringLiteral("Enabled"));
}

QString QuestionTxtBx::Question() const
{
    return LabelQuestion->text();
}

void QuestionTxtBx::SetQuestion(const QString& value)
{
    ShowQuestion(value);
    NotifyPropertyChanged(QStringLiteral("Question"));
}

QString QuestionTxtBx::Answer() const
{
    return TextAnswer->text();
}

void QuestionTxtBx::SetAnswer(const QString& value)
{
    TextAnswer->setText(value);
    NotifyPropertyChanged(QStringLiteral("Answer"));
}

void QuestionTxtBx::ReadProperties(const PropertyBag& bag)
{
    currentX_ = bag.ReadProperty(QStringLiteral("CurrentX"), 0.0f).toFloat();
    currentY_ = bag.ReadProperty(QStringLiteral("CurrentY"), 0.0f).toFloat();
    setEnabled(bag.ReadProperty(QStringLiteral("Enabled"), true).toBool());
    ShowQuestion(bag.ReadProperty(QStringLiteral("Question"), QString()).toString());
    TextAnswer->setText(bag.ReadProperty(QStringLiteral("Answer"), QString()).toString());
}

void QuestionTxtBx::WriteProperties(PropertyBag& bag)
{
    bag.WriteProperty(QStringLiteral("CurrentX"), currentX_);
    bag.WriteProperty(QStringLiteral("CurrentY"), currentY_);
    bag.WriteProperty(QStringLiteral("Enabled"), isEnabled());
    bag.WriteProperty(QStringLiteral("Question"), LabelQuestion->text());
    bag.WriteProperty(QStringLiteral("Answer"), TextAnswer->text());
}

bool QuestionTxtBx::IsAcceptedKey(int keyCode)
{
    switch (keyCode) {
    case 8: // Backspace
    case 9: // Tab
    case 10:
    case 13:  // Enter
    case 45:  // Insert
    case 46:  // Delete
    case 189: // minus
    case 190: // full stop
        return true;
    default:
        return keyCode >= 48 && keyCode <= 57;
    }
}

bool QuestionTxtBx::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != TextAnswer)
        return QuestionWidgetBase::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::KeyPress:
        return FilterKey(static_cast<QKeyEvent*>(event));
    case QEvent::MouseButtonPress: {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        const QPointF at = mouse->position();
        QVariantList parameters{MouseButtonCode(mouse->button()), ShiftState(mouse->modifiers()),
                                static_cast<float>(at.x() * TwipsPerPixel), static_cast<float>(at.y() * TwipsPerPixel)};
        RaiseEvent(QStringLiteral("MouseDown"), parameters);
        break;
    }
    case QEvent::MouseButtonRelease: {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() != Qt::LeftButton)
            break;
        // A double click is one Click and one DblClick: its second release clicks nothing.
        const bool secondRelease = std::exchange(doubleClicked_, false);
        if (!secondRelease && TextAnswer->rect().contains(mouse->position().toPoint()))
            RaiseEvent(QStringLiteral("Click"));
        break;
    }
    case QEvent::MouseButtonDblClick:
        if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
            doubleClicked_ = true;
            RaiseEvent(QStringLiteral("DblClick"));
        }
        break;
    default:
        break;
    }
    return false;
}

bool QuestionTxtBx::FilterKey(QKeyEvent* event)
{
    const int keyCode = VirtualKeyCode(event->key(), event->modifiers());
    if (!IsAcceptedKey(keyCode)) {
        ShowWidgetMessage(MessageNumbersOnly);
        TextAnswer->setText(QString());
        // The refused key's own character must not land in the emptied answer.
        return true;
    }
    QVariantList parameters{keyCode, ShiftState(event->modifiers())};
    RaiseEvent(QStringLiteral("AnswerTyped"), parameters);
    RaiseEvent(QStringLiteral("KeyDown"), parameters);
    if (RelayCharacter(event))
        return true;
    // Enter stays in the question; a dialog's default button must not see it.
    return keyCode == 13;
}

bool QuestionTxtBx::RelayCharacter(QKeyEvent* event)
{
    const int keyAscii = KeyAsciiOf(event->text());
    if (keyAscii == 0)
        return false;
    QVariantList parameters{keyAscii};
    RaiseEvent(QStringLiteral("KeyPress"), parameters);
    const int answered = parameters.value(0).toInt();
    if (answered == keyAscii)
        return false;
    // The handler changed the character: 0 swallows it, another printable character replaces it.
    if (answered >= 32 && answered != 0x7f)
        TextAnswer->insert(QString(QChar(answered)));
    return true;
}

} // namespace talvo::component
