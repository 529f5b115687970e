#pragma once

#include "platform/core/Seams.h"
#include "selection/core/SelectionSession.h"
#include "tables/core/AssessmentState.h"

#include <QString>
#include <QVariant>

#include <optional>
#include <vector>

namespace talvo {

// Event names the question widgets raise.
inline const QString EventQuestionAnsweredYes = QStringLiteral("QuestionAnsweredYes");
inline const QString EventQuestionAnsweredNo = QStringLiteral("QuestionAnsweredNo");
inline const QString EventQuestionAnswered = QStringLiteral("QuestionAnswered");
inline const QString EventClick = QStringLiteral("Click");
inline const QString EventKeyPress = QStringLiteral("KeyPress");

struct VisibilityChange
{
    int Index = 0;           // the follow-up question's record
    QString WidgetReference; // the window's reference to its widget
    bool Visible = false;
};

// What one <reference>_ObjectEvent handler does with an event.
struct LimitationEventOutcome
{
    std::optional<QString> Store;             // the new AnswerText of the question
    std::vector<VisibilityChange> Visibility; // follow-ups to show or hide, in order
    std::optional<bool> CECRequired;          // new values of the session flags, when they change
    std::optional<bool> KStatusRequired;
    std::optional<MessageRequest> Message; // OK only, no icon, no title
};

// The answer rule of the handler of question index for one event. answer is the widget's Answer property as
// the handler reads it: the typed text of a text box, the chosen position of a list (0 first, -1 none); a
// yes/no handler does not read it. Reads only session.PotassiumAssessed. An index outside 0 to 33 does nothing.
LimitationEventOutcome LimitationEventRule(const SelectionSession& session, int index, const QString& eventName,
                                           const QVariant& answer);

// The rule, with its answer stored in LimitationQuestions and its flags in the session; returns the rule's
// outcome for the window to apply (visibility, message).
LimitationEventOutcome HandleLimitationEvent(AssessmentState& state, SelectionSession& session, int index,
                                             const QString& eventName, const QVariant& answer);

} // namespace talvo
