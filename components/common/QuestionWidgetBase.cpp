#include "components/common/QuestionWidgetBase.h"

#include "components/common/ComponentServer.h"

#include <QKeyEvent>
#include <QMessageBox>

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

int KeyAsciiOf(const QString& text)
{
    if (text.size() != 1)
        return 0;
    const int code = text.at(0).unicode();
    return code == '\t' || code == 0x7f ? 0 : code;
}

} // namespace talvo::component
