#pragma once

#include "platform/core/BasicTypes.h"
#include "platform/core/BoundedArray.h"

#include <QString>

namespace talvo {

struct CountermeasureRecord
{
    QString Name; // the key: compared as exact text everywhere
    QString Description;
    Double Cost = 0;       // pounds, unrounded
    Double Benefit = 0;    // pounds, unrounded
    Double NetBenefit = 0; // pounds, unrounded
};

struct LimitationQuestionRecord
{
    bool Needed = false;
    QString ProgID;
    QString ControlName;
    QString QuestionText;
    QString AnswerText; // "Yes"/"No", the chosen option's text, or the typed text
};

struct EconomicQuestionRecord
{
    bool Needed = false;
    QString ProgID;
    QString ControlName;
    QString QuestionText;
    QString AnswerText;
    Double AnswerValue = 0;
};

struct CriterionRecord
{
    QString Name;
    Single Weight = 0;
    QString Direction; // "Minimize" or "Maximize"
};

struct FinalScoreRecord
{
    Single Score = 0;              // ideal-point distance
    Integer CountermeasureIndex = 0; // position in FinalCountermeasures
};

struct EconomicResultRecord
{
    Integer CountermeasureIndex = 0; // position in FinalCountermeasures
    Double Cost = 0;                 // whole pounds
    Double Benefit = 0;              // whole pounds
};

struct ChartColourRecord
{
    Integer Red = 0;
    Integer Green = 0;
    Integer Blue = 0;
};

struct StatusMessageRecord
{
    QString Message;
    bool IsSet = false;
};

// Everything about the reference data and the assessment in hand. Core procedures take it by reference so a
// test can build its own; the windows use the one process-wide instance, TheAssessment().
struct AssessmentState
{
    // Reference tables, filled once at start-up; only their answer, flag and money fields change later.
    BoundedArray<CountermeasureRecord, 0, 61> Countermeasures;
    BoundedArray<LimitationQuestionRecord, 0, 33> LimitationQuestions;
    BoundedArray<EconomicQuestionRecord, 0, 136> EconomicQuestions;
    BoundedArray<CriterionRecord, 0, 12> Criteria;
    BoundedArray<ChartColourRecord, 0, 15> ChartColours;
    StatusMessageRecord NoSuitableCountermeasures;
    StatusMessageRecord NoCountermeasuresNeeded;

    // The assessment.
    BoundedMatrix<Single, 0, 20, 0, 20> ScoreMatrix;
    QString AgricultureType;
    QString DepositionScenario;
    BoundedArray<QString, 0, 18> SelectedCountermeasures;
    BoundedArray<QString, 0, 18> FinalCountermeasures;
    QString CaseFilePath;
    Integer NumberOfCountermeasures = 0;
    Integer NumberOfCriteria = 0;
    bool MCDMDone = false;
    bool EconomicDone = false;
    BoundedArray<FinalScoreRecord, 0, 18> FinalScores;
    BoundedArray<EconomicResultRecord, 0, 18> EconomicResults;
    Integer PValue = 0;
    Single ConcordanceThreshold = 0;
    Single DiscordanceThreshold = 0;
    BoundedArray<Single, 0, 15> IdealValues;
    QString TempFolder;
};

// The process-wide instance that the windows share.
AssessmentState& TheAssessment();

} // namespace talvo
