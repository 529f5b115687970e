#pragma once

#include <QString>

namespace talvo {

// The maker and the conditions the splash screen and the about box both show.
inline const QString MakerName = QStringLiteral("Harrowmere Rural Systems");

inline const QString ConditionsOfUseText = QStringLiteral(
    "Conditions of Use: TalvoDSS may be downloaded free of charge from the Harrowmere Rural Systems web site and "
    "used for any non-commercial purpose. We ask every user to register on that site so that we can keep a list "
    "of users. No guarantee is given on the accuracy of the program's predictions or on the reliability of the "
    "software, and interpreting its outputs always requires expert judgement. Harrowmere Rural Systems may change "
    "these conditions at any time.");

inline const QString CopyrightText =
    QStringLiteral("Copyright \u00A9 2026 Harrowmere Rural Systems. All rights reserved.");

inline const QString IntellectualPropertyText = QStringLiteral(
    "The methods, reference data and software of TalvoDSS are the intellectual property of Harrowmere Rural "
    "Systems and the authors; they may not be sold, or passed on as part of another product, without written "
    "permission.");

inline const QString DisclaimerText = QStringLiteral(
    "Disclaimer: Neither Harrowmere Rural Systems nor the authors give any representation or implied warranty "
    "about the contents of this program, or about the fitness of the software or its manual for any particular "
    "purpose.");

} // namespace talvo
