#include "platform/ui/WizardPages.h"

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

} // namespace

void EnterWizardPage(QWidget* page, QPushButton* back, QPushButton* next, QPushButton* finish, QPushButton* cancel,
                     WizardButtonOrder order)
{
    QList<QWidget*> stops;
    for (QWidget* widget : page->findChildren<QWidget*>()) {
        if (takesTab(widget, page))
            stops << widget;
    }
    const auto place = [page](const QWidget* widget) { return widget->mapTo(page, QPoint()); };
    std::stable_sort(stops.begin(), stops.end(), [&place](const QWidget* a, const QWidget* b) {
        const QPoint pa = place(a);
        const QPoint pb = place(b);
        return pa.y() != pb.y() ? pa.y() < pb.y() : pa.x() < pb.x();
    });
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
    if (!focus)
        return;
    focus->setFocus(Qt::TabFocusReason);
    // As Tab does: the answer shown stands selected, so typing replaces it.
    if (auto* line = qobject_cast<QLineEdit*>(focus))
        line->selectAll();
}

} // namespace talvo
