#pragma once

#include "platform/ui/QuestionWidgetInterface.h"

#include <QRect>
#include <QWidget>

class QLabel;

namespace talvo::component {

// What the three question widgets share: the event sink, the message box, the refused-call error and the
// instance count of their library.
class QuestionWidgetBase : public QWidget, public QuestionWidget
{
    Q_OBJECT

public:
    explicit QuestionWidgetBase(QWidget* parent);
    ~QuestionWidgetBase() override;

    QWidget* Widget() override { return this; }
    void SetEventSink(QuestionWidgetEvents* sink) override { sink_ = sink; }
    void SetMessageCallback(WidgetMessageCallback callback) override { message_ = std::move(callback); }
    QString TakeError() override;

protected:
    void RaiseEvent(const QString& eventName, QVariantList& parameters);
    void RaiseEvent(const QString& eventName);
    void NotifyPropertyChanged(const QString& propertyName);
    void ShowWidgetMessage(const QString& text);
    void RefuseCall(const QString& description) { error_ = description; }

    // Enter is answered inside the question: it must never reach a dialog's default button.
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

    // The label that shows the question, at its design place (pixels). A question too long for one line wraps and
    // the label grows downward as far as the widget's own height (the row the host gives it), never shorter than
    // its design height; the whole question is then also the widget's tool tip.
    void SetQuestionLabel(QLabel* label, const QRect& design);
    void ShowQuestion(const QString& text);

private:
    void FitQuestionLabel();

    QLabel* questionLabel_ = nullptr;
    QRect questionDesign_;
    QuestionWidgetEvents* sink_ = nullptr;
    WidgetMessageCallback message_;
    QString error_;
};

// A character key's code as the KeyPress event reports it, or 0 when the key gives no character of its own
// (Tab moves the focus, Delete deletes).
int KeyAsciiOf(const QString& text);

} // namespace talvo::component
