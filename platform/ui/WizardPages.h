#pragma once

#include <QList>
#include <QPointer>

#include <functional>

class QPushButton;
class QWidget;

namespace talvo {

// The order Tab takes through a wizard's buttons once it has passed the page's controls.
enum class WizardButtonOrder { BackNextFinishCancel, NextFinishCancelBack };

// What a wizard does once it shows another page: Tab runs through the page's controls from top to bottom (left to
// right within a row) and then through the buttons, and the focus goes to the page's first control that takes an
// answer (its list, its first question), else to Next, Finish or Cancel, the first of them that is enabled.
// Read-only texts and grids stay in the Tab order but are not where the user starts.
void EnterWizardPage(QWidget* page, QPushButton* back, QPushButton* next, QPushButton* finish, QPushButton* cancel,
                     WizardButtonOrder order = WizardButtonOrder::BackNextFinishCancel);

// The question among `questions` that stands highest on `page` (leftmost within a row) and is shown there, or
// nullptr.
QWidget* TopmostShownQuestion(const QList<QWidget*>& questions, const QWidget* page);

// Kept over a wizard's Next or Finish. When a message box was shown meanwhile, the focus ends on the control the
// message was about (subject(), when it gives one that can take the focus), else on Next when it is enabled, else
// on Finish: never on Back or Cancel, where Qt leaves it when the button that held it was disabled on the way.
// Nested Next calls leave it to the outermost.
class FocusAfterMessages
{
public:
    FocusAfterMessages(QPushButton* next, QPushButton* finish, std::function<QWidget*()> subject);
    ~FocusAfterMessages();
    FocusAfterMessages(const FocusAfterMessages&) = delete;
    FocusAfterMessages& operator=(const FocusAfterMessages&) = delete;

private:
    QPointer<QPushButton> next_;
    QPointer<QPushButton> finish_;
    std::function<QWidget*()> subject_;
    unsigned long long messagesBefore_;
    bool outermost_;
};

} // namespace talvo
