#pragma once

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

} // namespace talvo
