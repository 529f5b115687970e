#pragma once

#include "components/common/QuestionWidgetBase.h"

class QComboBox;
class QLabel;

namespace talvo::component {

// A question answered by choosing one of a fixed set of options from a drop-down list. The answer is the chosen
// option's position, -1 when none is chosen. The list takes choices only: a typed character is reported by
// KeyPress and goes no further.
class PromptList : public QuestionWidgetBase
{
    Q_OBJECT
    Q_PROPERTY(QString Question READ Question WRITE SetQuestion)
    Q_PROPERTY(bool Enabled READ Enabled WRITE SetEnabled)
    Q_PROPERTY(int ListCount READ ListCount)
    Q_PROPERTY(QString SelText READ SelText WRITE SetSelText)
    Q_PROPERTY(int IndexofSelected READ IndexofSelected WRITE SetIndexofSelected)
    Q_PROPERTY(int Answer READ Answer WRITE SetAnswer)

public:
    explicit PromptList(QWidget* parent);

    QString Question() const;
    void SetQuestion(const QString& value);
    // Index omitted (an invalid QVariant): at the end. An index outside 0..ListCount is refused.
    Q_INVOKABLE bool AddAnswerOption(const QString& Item, const QVariant& Index = QVariant());
    Q_INVOKABLE void ClearAnswerOptions();
    bool Enabled() const { return isEnabled(); }
    void SetEnabled(bool value);
    int ListCount() const;
    // "" for an index outside the options.
    Q_INVOKABLE QString List(int Index) const;
    Q_INVOKABLE bool SetList(int Index, const QString& Item);
    QString SelText() const;
    void SetSelText(const QString& value);
    int IndexofSelected() const;
    void SetIndexofSelected(int value);
    int Answer() const { return IndexofSelected(); }
    void SetAnswer(int value);

    void ReadProperties(const PropertyBag& bag) override;
    void WriteProperties(PropertyBag& bag) override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // false when index is neither -1 nor an option; the selection is then unchanged.
    bool Select(int index);
    void RaiseChoice();

    QLabel* QuestionLabel;
    QComboBox* AnswerCombo;
};

} // namespace talvo::component
