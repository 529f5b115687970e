#include "shell/core/WindowHooks.h"

#include "platform/core/Seams.h"

#include <QHash>

namespace talvo {
namespace {

QHash<QString, std::function<void()>>& connections()
{
    static QHash<QString, std::function<void()>> table;
    return table;
}

QString describe(const QString& FormName)
{
    static const QHash<QString, QString> names = {
        {SelectionWizardWindow, QStringLiteral("The TALVO Selection Wizard")},
        {RankingWizardWindow, QStringLiteral("The Multicriteria Decision Making Wizard")},
        {EconomicWizardWindow, QStringLiteral("The Farm Level Cost/Benefit Wizard")},
        {ScoresChartWindow, QStringLiteral("The countermeasure scores chart")},
        {RankingChartWindow, QStringLiteral("The ranking chart")},
        {WeightsChartWindow, QStringLiteral("The criteria weights chart")},
    };
    return names.value(FormName, QStringLiteral("The window %1").arg(FormName));
}

} // namespace

void ConnectWindow(const QString& FormName, std::function<void()> Show)
{
    if (Show)
        connections().insert(FormName, std::move(Show));
    else
        connections().remove(FormName);
}

bool IsWindowConnected(const QString& FormName)
{
    return connections().contains(FormName);
}

void ShowConnectedWindow(const QString& FormName)
{
    // Copied: showing a window may connect or disconnect others.
    const std::function<void()> show = connections().value(FormName);
    if (show)
        show();
    else
        MsgBox(WindowNotBuiltText(FormName), MessageButtons::OK, MessageIcon::Information);
}

QString WindowNotBuiltText(const QString& FormName)
{
    return describe(FormName) + QStringLiteral(" is not part of this version of TalvoDSS yet.");
}

} // namespace talvo
