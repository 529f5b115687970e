#include "components/PromptList/PromptList.h"

#include "components/common/ComponentServer.h"
#include "platform/core/Twips.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>

namespace talvo::component {
namespace {

QRect twipsRect(int left, int top, int width, int height)
{
    return {TwipsToPixels(left), TwipsToPixels(top), TwipsToPixels(width), TwipsToPixels(height)};
}

const QString InvalidIndex = QStringLiteral("Invalid property value: the index %1 is outside the options.");

} // namespace

PromptList::PromptList(QWidget* parent)
    : QuestionWidgetBase(parent), QuestionLabel(new QLabel(this)), AnswerCombo(new QComboBox(this))
{
    setObjectName(QStringLiteral("PromptList"));
    resize(TwipsToPixels(5535), TwipsToPixels(345));
    QuestionLabel->setObjectName(QStringLiteral("QuestionLabel"));
    SetQuestionLabel(QuestionLabel, twipsRect(0, 0, 3735, 315));
    AnswerCombo->setObjectName(QStringLiteral("AnswerCombo"));
    AnswerCombo->setGeometry(twipsRect(3720, 0, 1815, 315));
    AnswerCombo->installEventFilter(this);
    // activated comes from the user's choices only; choices made by code raise the events in Select.
    connect(AnswerCombo, &QComboBox::activated, this, [this] { RaiseChoice(); });
}

QString PromptList::Question() const
{
    return QuestionLabel->text();
}

void PromptList::SetQuestion(const QString& value)
{
    ShowQuestion(value);
    NotifyPropertyChanged(QStringLiteral("Question"));
}

bool PromptList::AddAnswerOption(const QString& Item, const QVariant& Index)
{
    int at = AnswerCombo->count();
    if (Index.isValid()) {
        bool ok = false;
        at = Index.toInt(&ok);
        if (!ok || at < 0 || at > AnswerCombo->count()) {
            RefuseCall(QStringLiteral("Invalid procedure call: no option position %1.").arg(Index.toString()));
            return false;
        }
    }
    const int selected = AnswerCombo->currentIndex();
    AnswerCombo->insertItem(at, Item);
    // QComboBox selects the first item it is given; a new list has no answer yet.
    if (selected == -1 && AnswerCombo->currentIndex() != -1)
        AnswerCombo->setCurrentIndex(-1);
    return true;
}

void PromptList::ClearAnswerOptions()
{
    AnswerCombo->clear();
}

void PromptList::SetEnabled(bool value)
{
    setEnabled(value);
    NotifyPropertyChanged(QStringLiteral("Enabled"));
}

int PromptList::ListCount() const
{
    return AnswerCombo->count();
}

QString PromptList::List(int Index) const
{
    return Index >= 0 && Index < AnswerCombo->count() ? AnswerCombo->itemText(Index) : QString();
}

bool PromptList::SetList(int Index, const QString& Item)
{
    if (Index < 0 || Index >= AnswerCombo->count()) {
        RefuseCall(InvalidIndex.arg(Index));
        return false;
    }
    AnswerCombo->setItemText(Index, Item);
    NotifyPropertyChanged(QStringLiteral("List"));
    return true;
}

QString PromptList::SelText() const
{
    // No edit field: the chosen option's whole text is what stands selected.
    return AnswerCombo->currentIndex() >= 0 ? AnswerCombo->currentText() : QString();
}

void PromptList::SetSelText(const QString& /*value*/)
{
    // A list of choices has no edit text to replace; the notice is kept for hosts that save.
    NotifyPropertyChanged(QStringLiteral("SelText"));
}

int PromptList::IndexofSelected() const
{
    return AnswerCombo->currentIndex();
}

void PromptList::SetIndexofSelected(int value)
{
    if (Select(value))
        NotifyPropertyChanged(QStringLiteral("IndexofSelected"));
}

void PromptList::SetAnswer(int value)
{
    if (Select(value))
        NotifyPropertyChanged(QStringLiteral("Answer"));
}

bool PromptList::Select(int index)
{
    if (index < -1 || index >= AnswerCombo->count()) {
        RefuseCall(InvalidIndex.arg(index));
        return false;
    }
    if (index != AnswerCombo->currentIndex()) {
        AnswerCombo->setCurrentIndex(index);
        RaiseChoice();
    }
    return true;
}

void PromptList::RaiseChoice()
{
    // Handlers listen for one or the other, so every choice raises both, in this order.
    RaiseEvent(QStringLiteral("Click"));
    RaiseEvent(QStringLiteral("QuestionAnswered"));
}

void PromptList::ReadProperties(const PropertyBag& bag)
{
    // "Answer" is written twice and the second write wins, so the index read last decides the selection. The
    // selected text ("Answer" as text, "SelText") has no edit field to go back into.
    ShowQuestion(bag.ReadProperty(QStringLiteral("Question"), QString()).toString());
    setEnabled(bag.ReadProperty(QStringLiteral("Enabled"), true).toBool());
    // Only the first option is saved; a list that has none yet has nothing to take it.
    if (AnswerCombo->count() > 0)
        AnswerCombo->setItemText(0, bag.ReadProperty(QStringLiteral("List0"), QString()).toString());
    // An index the current options cannot take is left out rather than failing the whole read.
    const auto readIndex = [&bag, this](const QString& key) {
        bool ok = false;
        const int index = bag.ReadProperty(key, 0).toInt(&ok);
        if (ok && index >= -1 && index < AnswerCombo->count())
            Select(index);
    };
    readIndex(QStringLiteral("IndexofSelected"));
    readIndex(QStringLiteral("Answer"));
}

void PromptList::WriteProperties(PropertyBag& bag)
{
    bag.WriteProperty(QStringLiteral("Question"), QuestionLabel->text());
    bag.WriteProperty(QStringLiteral("Answer"), SelText());
    bag.WriteProperty(QStringLiteral("Enabled"), isEnabled());
    bag.WriteProperty(QStringLiteral("List0"), List(0));
    bag.WriteProperty(QStringLiteral("SelText"), SelText());
    bag.WriteProperty(QStringLiteral("IndexofSelected"), AnswerCombo->currentIndex());
    bag.WriteProperty(QStringLiteral("Answer"), AnswerCombo->currentIndex());
}

bool PromptList::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != AnswerCombo || event->type() != QEvent::KeyPress)
        return QuestionWidgetBase::eventFilter(watched, event);
    const int keyAscii = KeyAsciiOf(static_cast<QKeyEvent*>(event)->text());
    if (keyAscii == 0)
        return false; // arrows, F4 and the like still choose and open
    QVariantList parameters{keyAscii};
    RaiseEvent(QStringLiteral("KeyPress"), parameters);
    // Characters never pick an option by their first letter, and Enter never reaches a default button.
    return true;
}

const ComponentClass& ThisComponentClass()
{
    static const ComponentClass component{"ProjectPromptList.PromptList", "{68AE7203-6E4F-11D2-B66C-BE81629D5911}",
                                          [](QWidget* parent) -> QuestionWidget* { return new PromptList(parent); }};
    return component;
}

} // namespace talvo::component
