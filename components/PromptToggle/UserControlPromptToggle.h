#pragma once

#include "components/common/QuestionWidgetBase.h"

#include <QFont>

class QLabel;
class QRadioButton;

namespace talvo::component {

// A question answered Yes or No: the question's label and two option buttons of one group.
class UserControlPromptToggle : public QuestionWidgetBase
{
    Q_OBJECT
    Q_PROPERTY(QFont Font READ Font WRITE SetFont)
    Q_PROPERTY(qint32 BackColor READ BackColor WRITE SetBackColor)
    Q_PROPERTY(QString Question READ Question WRITE SetQuestion)
    Q_PROPERTY(bool Enabled READ Enabled WRITE SetEnabled)
    Q_PROPERTY(bool AnswerYes READ AnswerYes WRITE SetAnswerYes)
    Q_PROPERTY(bool AnswerNo READ AnswerNo WRITE SetAnswerNo)

public:
    explicit UserControlPromptToggle(QWidget* parent);

    // Font, BackColor and Enabled are kept and saved only; nothing on screen follows them.
    QFont Font() const { return font_; }
    void SetFont(const QFont& value);
    qint32 BackColor() const { return backColor_; }
    void SetBackColor(qint32 value);
    QString Question() const;
    void SetQuestion(const QString& value);
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool value);
    bool AnswerYes() const;
    void SetAnswerYes(bool value);
    bool AnswerNo() const;
    void SetAnswerNo(bool value);

    void ReadProperties(const PropertyBag& bag) override;
    void WriteProperties(PropertyBag& bag) override;

private:
    // Selects or clears one option as code does; selecting raises the option's event, as a click would.
    void SetOption(QRadioButton* option, bool value);
    QString EventOf(const QRadioButton* option) const;

    QLabel* LabelQuestion;
    QRadioButton* OptionYes;
    QRadioButton* OptionNo;
    QFont font_;
    qint32 backColor_ = 0;
    bool enabled_ = true;
};

} // namespace talvo::component
