#include "components/common/QuestionWidgetBase.h"

#include "components/common/ComponentServer.h"

#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>

#include <algorithm>

namespace talvo::component {

QuestionWidgetBase::QuestionWidgetBase(QWidget* parent) : QWidget(parent)
{
    InstanceCreated();
}

QuestionWidgetBase::~QuestionWidgetBase()
{
    InstanceDestroyed();
}

QString QuestionWidgetBase::TakeError()
{
    QString error;
    error.swap(error_);
    return error;
}

void QuestionWidgetBase::RaiseEvent(const QString& eventName, QVariantList& parameters)
{
    if (sink_)
        sink_->ObjectEvent(eventName, parameters);
}

void QuestionWidgetBase::RaiseEvent(const QString& eventName)
{
    QVariantList none;
    RaiseEvent(eventName, none);
}

void QuestionWidgetBase::NotifyPropertyChanged(const QString& propertyName)
{
    if (sink_)
        sink_->PropertyChanged(propertyName);
}

void QuestionWidgetBase::ShowWidgetMessage(const QString& text)
{
    if (message_) {
        message_(text);
        return;
    }
    QMessageBox box(QMessageBox::NoIcon, QString(), text, QMessageBox::Ok, window());
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

void QuestionWidgetBase::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        event->accept();
        return;
    }
    QWidget::keyPressEvent(event);
}

void QuestionWidgetBase::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    FitQuestionLabel();
}

void QuestionWidgetBase::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        FitQuestionLabel();
}

void QuestionWidgetBase::SetQuestionLabel(QLabel* label, const QRect& design)
{
    questionLabel_ = label;
    questionDesign_ = design;
    label->setGeometry(design);
}

void QuestionWidgetBase::ShowQuestion(const QString& text)
{
    questionLabel_->setText(text);
    FitQuestionLabel();
}

void QuestionWidgetBase::FitQuestionLabel()
{
    if (!questionLabel_)
        return;
    const QString text = questionLabel_->text();
    const bool oneLine = questionLabel_->fontMetrics().horizontalAdvance(text) <= questionDesign_.width();
    questionLabel_->setWordWrap(!oneLine);
    QRect place = questionDesign_;
    if (!oneLine) {
        const int room = std::max(questionDesign_.height(), height() - questionDesign_.top());
        place.setHeight(std::clamp(questionLabel_->heightForWidth(place.width()), questionDesign_.height(), room));
    }
    questionLabel_->setGeometry(place);
    setToolTip(oneLine ? QString() : text);
}

int KeyAsciiOf(const QString& text)
{
    if (text.size() != 1)
        return 0;
    const int code = text.at(0).unicode();
    return code == '\t' || code == 0x7f ? 0 : code;
}

} // namespace talvo::component
