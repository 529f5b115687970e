#pragma once

#include "platform/core/BasicTypes.h"

#include <QString>
#include <QStringList>

namespace talvo {

// The seven-step score scale shared by the score matrix, the results window and the ranking.
// Values are Singles; the thirds are double quotients stored as Single.

// Word to value; any other text (other case, extra blanks, empty) is 0, like "No Effect".
Single ConvertScoreNametoNum(const QString& Name);
// Value to word by bands; outside -1 to 1 the text is empty. Compared at Single precision, so each of the seven
// values, also after a file round trip, lands in the band of its own word.
QString ConvertScoretoText(Single Score);

// The words as lists offer them: "Greatly Increases" first, "Greatly Decreases" last.
const QStringList& ScoreWordsForLists();

// The ideal of a word: its scale value written with four decimals and read back (1, 0.6667, 0.3333, 0,
// -0.3333, -0.6667, -1); 0 for a text that is no word.
Single IdealForWord(const QString& word);
// The list position (0 "Greatly Increases" .. 6 "Greatly Decreases") of the four-decimal ideal equal to value;
// 0 when none is.
int IdealToListIndex(Single value);
// The four-decimal ideal at a list position; 0 outside 0 to 6.
Single IdealAtListIndex(int index);

} // namespace talvo
