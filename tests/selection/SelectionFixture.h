#pragma once

#include "selection/core/LimitationAnswers.h"
#include "selection/core/SelectionSession.h"
#include "tables/core/ReferenceTables.h"

#include <gtest/gtest.h>

#include <QString>

#include <initializer_list>
#include <ostream>
#include <utility>

namespace talvo::test {

// A fresh assessment with the reference tables filled, and a session of its own.
class SelectionFixture
{
protected:
    SelectionFixture() { InitialiseReferenceTables(state); }

    const QString& name(int countermeasure) const { return state.Countermeasures(countermeasure).Name; }

    // Stores an answer as a handler would, marking the question needed.
    void answer(int question, const QString& text, bool needed = true)
    {
        state.LimitationQuestions(question).AnswerText = text;
        state.LimitationQuestions(question).Needed = needed;
    }
    void need(std::initializer_list<int> questions)
    {
        for (int q : questions)
            state.LimitationQuestions(q).Needed = true;
    }

    AssessmentState state;
    SelectionSession session;
};

class SelectionTest : public ::testing::Test, public SelectionFixture
{
};

} // namespace talvo::test

QT_BEGIN_NAMESPACE
inline void PrintTo(const QString& text, std::ostream* os)
{
    *os << '"' << text.toStdString() << '"';
}
QT_END_NAMESPACE
