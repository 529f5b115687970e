#pragma once

#include "components/common/QuestionWidgetBase.h"

class QKeyEvent;
class QLabel;
class QLineEdit;

namespace talvo::component {

// A question answered by typing a number: the question's label and a small text box that lets through only the
// keys of numbers.
class QuestionTxtBx : public QuestionWidgetBase
{
    Q_OBJECT
    Q_PROPERTY(float CurrentX READ CurrentX WRITE SetCurrentX)
    Q_PROPERTY(float CurrentY READ CurrentY WRITE SetCurrentY)
    Q_PROPERTY(bool Enabled READ Enabled WRITE SetEnabled)
    Q_PROPERTY(QString Question READ Question WRITE SetQuestion)
    Q_PROPERTY(QString Answer READ Answer WRITE SetAnswer)

public:
    explicit QuestionTxtBx(QWidget* parent);

    float CurrentX() const { return currentX_; }
    void SetCurrentX(float value);
    float CurrentY() const { return currentY_; }
    void SetCurrentY(float value);
    bool Enabled() const { return isEnabled(); }
    void SetEnabled(bool value);
    QString Question() const;
    void SetQuestion(const QString& value);
    QString Answer() const;
    void SetAnswer(const QString& value);

    void ReadProperties(const PropertyBag& bag) override;
    void WriteProperties(PropertyBag& bag) override;

    // The virtual-key codes that the answer accepts; every other key is refused.
    static bool IsAcceptedKey(int keyCode);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // true: the key is used up here and must not reach the text box.
    bool FilterKey(QKeyEvent* event);
    bool RelayCharacter(QKeyEvent* event);

    QLabel* LabelQuestion;
    QLineEdit* TextAnswer;
    // The surface's drawing position; nothing is drawn, but hosts may set and save it.
    float currentX_ = 0;
    float currentY_ = 0;
    // The left button's last press was the second of a double click.
    bool doubleClicked_ = false;
};

} // namespace talvo::component
