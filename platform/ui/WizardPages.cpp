#include "platform/ui/WizardPages.h"

#include "platform/core/Seams.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QTableView>
#include <QTextEdit>

#include <algorithm>

namespace talvo {
namespace {

bool takesTab(const QWidget* widget, const QWidget* page)
{
    // A scroll area only carries a page; its questions are the stops. An open list's drop-down is a window of its
    // own, which no Tab reaches.
    return (widget->focusPolicy() & Qt::TabFocus) && !qobject_cast<const QScrollArea*>(widget) &&
           widget->window() == page->window();
}

bool takesAnswer(const QWidget* widget, const QWidget* page)
{
    if (!widget->isVisibleTo(page) || !widget->isEnabled())
        return false;
    if (const auto* text = qobject_cast<const QPlainTextEdit*>(widget))
        return !text->isReadOnly();
    if (const auto* text = qobject_cast<const QTextEdit*>(widget))
        return !text->isReadOnly();
    return !qobject_cast<const QTableView*>(widget);
}

bool isAbove(const QWidget* a, const QWidget* b, const QWidget* page)
{
    const QPoint pa = a->mapTo(page, QPoint());
    const QPoint pb = b->mapTo(page, QPoint());
    return pa.y() != pb.y() ? pa.y() < pb.y() : pa.x() < pb.x();
}

// The page's stops in the order Tab takes them.
QList<QWidget*> tabStops(QWidget* page)
{
    QList<QWidget*> stops;
    for (QWidget* widget : page->findChildren<QWidget*>()) {
        if (takesTab(widget, page))
            stops << widget;
    }
    std::stable_sort(stops.begin(), stops.end(),
                     [page](const QWidget* a, const QWidget* b) { return isAbove(a, b, page); });
    return stops;
}

void giveFocus(QWidget* widget)
{
    widget->setFocus(Qt::TabFocusReason);
    for (QWidget* parent = widget->parentWidget(); parent; parent = parent->parentWidget()) {
        if (auto* scroll = qobject_cast<QScrollArea*>(parent))
            scroll->ensureWidgetVisible(widget);
    }
    // As Tab does: the answer shown stands selected, so typing replaces it.
    if (auto* line = qobject_cast<QLineEdit*>(widget))
        line->selectAll();
}

// The control itself, or for a question widget its first part that takes an answer.
QWidget* answerPart(QWidget* control)
{
    if (!control->isVisible() || !control->isEnabled())
        return nullptr;
    if (control->focusPolicy() & Qt::TabFocus)
        return control;
    const QList<QWidget*> parts = tabStops(control);
    const auto first =
        std::find_if(parts.begin(), parts.end(), [control](QWidget* w) { return takesAnswer(w, control); });
    return first != parts.end() ? *first : nullptr;
}

int focusNesting = 0;

} // namespace

void EnterWizardPage(QWidget* page, QPushButton* back, QPushButton* next, QPushButton* finish, QPushButton* cancel,
                     WizardButtonOrder order)
{
    QList<QWidget*> stops = tabStops(page);
    const auto first = std::find_if(stops.begin(), stops.end(), [page](QWidget* w) { return takesAnswer(w, page); });
    QWidget* focus = first != stops.end() ? *first : nullptr;
    if (order == WizardButtonOrder::BackNextFinishCancel)
        stops << back << next << finish << cancel;
    else
        stops << next << finish << cancel << back;
    for (int i = 1; i < stops.size(); ++i)
        QWidget::setTabOrder(stops.at(i - 1), stops.at(i));
    if (!focus) {
        for (QPushButton* button : {next, finish, cancel}) {
            if (button->isEnabled()) {
                focus = button;
                break;
            }
        }
    }
    if (focus)
        giveFocus(focus);
}

QWidget* TopmostShownQuestion(const QList<QWidget*>& questions, const QWidget* page)
{
    QWidget* topmost = nullptr;
    for (QWidget* question : questions) {
        if (question && page->isAncestorOf(question) && question->isVisibleTo(page) &&
            (!topmost || isAbove(question, topmost, page)))
            topmost = question;
    }
    return topmost;
}

FocusAfterMessages::FocusAfterMessages(QPushButton* next, QPushButton* finish, std::function<QWidget*()> subject)
    : next_(next), finish_(finish), subject_(std::move(subject)), messagesBefore_(MessagesShown()),
      outermost_(focusNesting++ == 0)
{
}

FocusAfterMessages::~FocusAfterMessages()
{
    --focusNesting;
    if (!outermost_ || MessagesShown() == messagesBefore_ || !next_ || !finish_ || !next_->window()->isVisible())
        return;
    QWidget* subject = subject_ ? subject_() : nullptr;
    QWidget* focus = subject ? answerPart(subject) : nullptr;
    if (!focus)
        focus = next_->isEnabled() ? next_.data() : finish_->isEnabled() ? finish_.data() : nullptr;
    if (focus)
        giveFocus(focus);
}

} // namespace talvo
