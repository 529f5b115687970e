#pragma once

#include "mcdm/core/RankingTable.h"
#include "tables/core/ReferenceTables.h"
#include "tables/core/ScoreScale.h"

#include <QDir>
#include <QFile>
#include <QStringList>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <initializer_list>
#include <ostream>

// Readable failures: gtest finds this next to QString.
inline void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}

namespace talvo::test {

// An assessment with the real criteria, a few final countermeasures and a working folder of its own.
struct RankingCase
{
    AssessmentState state;
    RankingWorkspace workspace;
    QTemporaryDir folder;

    explicit RankingCase(const QStringList& names, Integer p = 1)
    {
        InitialiseCriteria(state);
        state.PValue = p;
        state.TempFolder = folder.path();
        for (int i = 0; i < names.size(); ++i)
            state.FinalCountermeasures(i) = names.at(i);
        state.NumberOfCountermeasures = static_cast<Integer>(names.size());
        setWeights(5);
    }

    int count() const { return state.NumberOfCountermeasures; }

    void setWeights(Single weight)
    {
        for (int j = 0; j < state.NumberOfCriteria; ++j)
            state.Criteria(j).Weight = weight;
    }
    void setIdeals(Single ideal)
    {
        for (int j = 0; j < state.NumberOfCriteria; ++j)
            state.IdealValues(j) = ideal;
    }
    // Scores of alternative i from criterion 0 on; the rest keep what they hold.
    void setScores(int i, std::initializer_list<Single> scores)
    {
        int j = 0;
        for (Single score : scores)
            state.ScoreMatrix(i, j++) = score;
    }
    void setAllScores(int i, Single score)
    {
        for (int j = 0; j < state.NumberOfCriteria; ++j)
            state.ScoreMatrix(i, j) = score;
    }

    // The lines of a file in the working folder, each of which must end with CR LF.
    QStringList lines(const QString& name) const { return crLfLines(QDir(folder.path()).filePath(name)); }

    static QStringList crLfLines(const QString& path)
    {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly)) {
            ADD_FAILURE() << "cannot read " << path.toStdString();
            return {};
        }
        const QString text = QString::fromUtf8(file.readAll());
        QStringList result = text.split(QStringLiteral("\r\n"));
        EXPECT_TRUE(result.last().isEmpty()) << path.toStdString() << " does not end with CR LF";
        result.removeLast();
        for (const QString& line : result)
            EXPECT_FALSE(line.contains(QLatin1Char('\n')) || line.contains(QLatin1Char('\r')))
                << "bare line break in " << path.toStdString();
        return result;
    }
};

inline const Single Third = static_cast<Single>(1.0 / 3.0);

} // namespace talvo::test
