#pragma once

#include "tables/core/AssessmentState.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <array>
#include <optional>
#include <vector>

namespace talvo {

// One evaluation file ("*.tlv") as its items: one item a line, no header; the ranking section is present only
// when MCDMDone is True, the economic sections only when EconomicDone is True.
struct EvaluationFileContent
{
    static constexpr int MaxCountermeasures = 19;
    // The criteria and the ranking wizard have ten rows, so no other count was ever written.
    static constexpr int StoredCriteria = 10;
    static constexpr int LimitationAnswerLines = 33;
    static constexpr int EconomicAnswerLines = 43;
    static constexpr int EconomicValueLines = 95;
    // The most a file may hold. A typed answer takes up to 32,767 characters, so the 76 answer lines make at most
    // about 2.5 MB and all the rest a few kB: nothing larger is written, and nothing larger is read.
    static constexpr qint64 MaxFileSize = qint64(4) << 20;

    QString DepositionScenario;
    QString AgricultureType;
    int NumberOfCountermeasures = 0;           // NC
    int NumberOfCriteria = StoredCriteria;     // NK
    std::vector<QString> FinalCountermeasures; // NC names
    std::vector<std::vector<Single>> Scores;   // NC rows of NK
    std::array<QString, 33> LimitationAnswers; // by record index 0 to 32
    bool MCDMDone = false;
    bool EconomicDone = false;

    // Ranking, when MCDMDone.
    std::vector<Single> Weights;               // NK
    std::vector<FinalScoreRecord> FinalScores; // NC, largest distance first
    std::vector<Single> IdealValues;           // NK
    Integer PValue = 0;

    // Economics, when EconomicDone.
    std::vector<EconomicResultRecord> EconomicResults; // NC
    std::array<QString, 42> EconomicAnswers;           // by record index 0 to 41
    std::array<Double, 95> EconomicValues{};           // records 42 to 136
};

// The record each line of the answer items belongs to: record 9 before 8 and the mowing and grazing questions
// in the order the limitation text lists them; economic record 8 twice (the second line is the one kept) and 16
// before 15, the order the economic information text lists them.
const std::array<int, 33>& LimitationAnswerOrder();
const std::array<int, 43>& EconomicAnswerOrder();

// Takes the stored items from the assessment. False (with the reason, naming the item) when a count is outside
// what a file can hold or a text holds a line break or a character beyond Latin-1.
bool ContentFromState(const AssessmentState& state, EvaluationFileContent& content, QString* error);

// The file's lines in item order, without line ends.
QStringList EvaluationFileLines(const EvaluationFileContent& content);
// The bytes of the file: CR LF after every line, Latin-1. ContentFromState has refused any text beyond it.
QByteArray EncodeEvaluationFile(const EvaluationFileContent& content);

// The file's text: one byte a character (Latin-1), so that any bytes read back and save as they were.
QString DecodeFileText(const QByteArray& bytes);
// Lines ended by CR LF or LF; the empty rest after the last line end is not a line.
QStringList SplitFileLines(const QString& text);

// Whether the bytes can be an evaluation file at all: not empty, no NUL byte, and a first line that is a text in
// double quotes, as the scenario that begins every file is. Anything else gets the one message below rather than
// a line-by-line account of why a picture or a spreadsheet is not an assessment.
bool LooksLikeEvaluationFile(const QByteArray& bytes);
QString NotAnEvaluationFileText(const QString& path);

// Parses and checks a whole file. On failure the result is empty and *error names the line that is wrong and
// why; nothing is half read. Every line read must end with LF or CR LF: a last line without one was cut short.
std::optional<EvaluationFileContent> ParseEvaluationFile(const QByteArray& bytes, QString* error);

} // namespace talvo
