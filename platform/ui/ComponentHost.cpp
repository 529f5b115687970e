#include "platform/ui/ComponentHost.h"

#include "platform/core/Seams.h"
#include "platform/core/Twips.h"
#include "platform/ui/ComponentLoader.h"

#include <QMetaMethod>
#include <QMetaProperty>

#include <array>

namespace talvo {

namespace host_detail {

struct ControlRecord
{
    QString name;
    QPointer<QWidget> widget;
    QuestionWidget* object = nullptr;
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    bool removed = false;
};

} // namespace host_detail

namespace {

// Owned by the widget, so the widget's events never reach a relay that is gone.
class EventRelay : public QObject, public QuestionWidgetEvents
{
public:
    EventRelay(QWidget* widget, ObjectEventHandler handler) : QObject(widget), handler_(std::move(handler)) {}

    void ObjectEvent(const QString& eventName, QVariantList& parameters) override
    {
        if (handler_)
            handler_(eventName, parameters);
    }
    // A run-time host saves no properties.
    void PropertyChanged(const QString&) override {}

private:
    ObjectEventHandler handler_;
};

constexpr int MaxArguments = 10;

// Calls the first method of that name and parameter count, converting each argument to the parameter's type.
bool invokeByName(QObject* object, const char* name, const QVariantList& arguments, QVariant* result, QString* error)
{
    if (arguments.size() > MaxArguments) {
        *error = QStringLiteral("Too many arguments.");
        return false;
    }
    const QMetaObject* meta = object->metaObject();
    for (int i = 0; i < meta->methodCount(); ++i) {
        const QMetaMethod method = meta->method(i);
        if (method.name() != name || method.parameterCount() != arguments.size() ||
            method.access() != QMetaMethod::Public || method.methodType() == QMetaMethod::Signal)
            continue;
        std::array<QVariant, MaxArguments> values;
        std::array<QGenericArgument, MaxArguments> generic;
        for (int k = 0; k < arguments.size(); ++k) {
            const QMetaType type = method.parameterMetaType(k);
            if (type.id() == QMetaType::QVariant) {
                values[k] = arguments[k];
                generic[k] = QGenericArgument("QVariant", &values[k]);
                continue;
            }
            values[k] = arguments[k];
            if (!values[k].convert(type)) {
                *error = QStringLiteral("Argument %1 does not fit the type %2.").arg(k + 1).arg(type.name());
                return false;
            }
            generic[k] = QGenericArgument(type.name(), values[k].constData());
        }
        const QMetaType returnType = method.returnMetaType();
        QVariant returned;
        QGenericReturnArgument returnArgument;
        if (returnType.isValid() && returnType.id() != QMetaType::Void) {
            returned = QVariant(returnType);
            returnArgument = QGenericReturnArgument(returnType.name(), returned.data());
        }
        if (!method.invoke(object, Qt::DirectConnection, returnArgument, generic[0], generic[1], generic[2], generic[3],
                           generic[4], generic[5], generic[6], generic[7], generic[8], generic[9])) {
            *error = QStringLiteral("The call failed.");
            return false;
        }
        if (result)
            *result = returned;
        // A refusal is a false answer of a bool method.
        return returnType.id() != QMetaType::Bool || returned.toBool();
    }
    *error = QStringLiteral("The control has no method %1 with %2 arguments.")
                 .arg(QLatin1String(name))
                 .arg(arguments.size());
    return false;
}

} // namespace

bool QuestionControl::IsNull() const
{
    return !record_ || record_->removed || record_->widget.isNull();
}

QString QuestionControl::Name() const
{
    return record_ ? record_->name : QString();
}

QWidget* QuestionControl::Widget() const
{
    return IsNull() ? nullptr : record_->widget.data();
}

QuestionWidget* QuestionControl::Object() const
{
    return IsNull() ? nullptr : record_->object;
}

void QuestionControl::Move(int left, int top, int width, int height)
{
    if (IsNull())
        return;
    record_->left = left;
    record_->top = top;
    record_->width = width;
    record_->height = height;
    record_->widget->setGeometry(TwipsToPixels(left), TwipsToPixels(top), TwipsToPixels(width), TwipsToPixels(height));
}

int QuestionControl::Left() const
{
    return record_ ? record_->left : 0;
}
int QuestionControl::Top() const
{
    return record_ ? record_->top : 0;
}
int QuestionControl::Width() const
{
    return record_ ? record_->width : 0;
}
int QuestionControl::Height() const
{
    return record_ ? record_->height : 0;
}

void QuestionControl::SetVisible(bool visible)
{
    if (!IsNull())
        record_->widget->setVisible(visible);
}

bool QuestionControl::Visible() const
{
    return !IsNull() && !record_->widget->isHidden();
}

void QuestionControl::Fail(const QString& what, const QString& detail) const
{
    reportFailure(QStringLiteral("The question control %1 refused %2.").arg(record_->name, what), detail);
}

bool QuestionControl::SetProperty(const char* name, const QVariant& value)
{
    if (IsNull())
        return false;
    QWidget* widget = record_->widget;
    const QString what = QStringLiteral("the setting of %1").arg(QLatin1String(name));
    const int index = widget->metaObject()->indexOfProperty(name);
    // QObject::setProperty would quietly add a dynamic property under an unknown name.
    if (index < 0 || !widget->metaObject()->property(index).isWritable()) {
        Fail(what, QStringLiteral("It has no such property."));
        return false;
    }
    if (!widget->setProperty(name, value)) {
        Fail(what, QStringLiteral("The value %1 does not fit.").arg(value.toString()));
        return false;
    }
    if (const QString error = record_->object->TakeError(); !error.isEmpty()) {
        Fail(what, error);
        return false;
    }
    return true;
}

QVariant QuestionControl::Property(const char* name) const
{
    if (IsNull())
        return {};
    QWidget* widget = record_->widget;
    const QString what = QStringLiteral("the reading of %1").arg(QLatin1String(name));
    if (widget->metaObject()->indexOfProperty(name) < 0) {
        Fail(what, QStringLiteral("It has no such property."));
        return {};
    }
    QVariant value = widget->property(name);
    if (const QString error = record_->object->TakeError(); !error.isEmpty()) {
        Fail(what, error);
        return {};
    }
    return value;
}

bool QuestionControl::Call(const char* method, const QVariantList& arguments, QVariant* result)
{
    if (IsNull())
        return false;
    QString error;
    const bool done = invokeByName(record_->widget, method, arguments, result, &error);
    if (const QString refusal = record_->object->TakeError(); !refusal.isEmpty())
        error = refusal;
    if (done && error.isEmpty())
        return true;
    Fail(QStringLiteral("the call of %1").arg(QLatin1String(method)), error);
    return false;
}

ComponentHost::~ComponentHost()
{
    // A window destroys its members before its child widgets: no handler may run in between.
    for (const auto& [name, record] : controls_) {
        if (record->widget)
            record->object->SetEventSink(nullptr);
    }
}

QuestionControl ComponentHost::Add(const QString& progId, const QString& name, QWidget* container,
                                   ObjectEventHandler handler)
{
    const QString what = QStringLiteral("The question control %1 (%2) could not be created.").arg(name, progId);
    if (!container) {
        reportFailure(what, QStringLiteral("It has no container."));
        return {};
    }
    if (Find(name)) {
        reportFailure(what, QStringLiteral("There is already a control named %1.").arg(name));
        return {};
    }
    QString error;
    QuestionWidget* object = CreateRegisteredWidget(progId, container, &error);
    if (!object) {
        reportFailure(what, error);
        return {};
    }
    QWidget* widget = object->Widget();
    widget->setObjectName(name);
    object->SetEventSink(new EventRelay(widget, std::move(handler)));
    object->SetMessageCallback([](const QString& text) { MsgBox(text); });

    auto record = std::make_shared<host_detail::ControlRecord>();
    record->name = name;
    record->widget = widget;
    record->object = object;
    controls_[name] = record;
    return QuestionControl(record);
}

void ComponentHost::Remove(const QString& name)
{
    const auto found = controls_.find(name);
    if (found == controls_.end())
        return;
    const std::shared_ptr<host_detail::ControlRecord> record = found->second;
    controls_.erase(found);
    record->removed = true;
    if (!record->widget)
        return;
    record->object->SetEventSink(nullptr);
    record->widget->hide();
    // The removal may come from the widget's own event, which is still running.
    record->widget->deleteLater();
}

QuestionControl ComponentHost::Find(const QString& name) const
{
    const auto found = controls_.find(name);
    if (found == controls_.end() || !found->second->widget)
        return {};
    return QuestionControl(found->second);
}

QStringList ComponentHost::Names() const
{
    QStringList names;
    for (const auto& [name, record] : controls_) {
        if (record->widget)
            names << name;
    }
    return names;
}

} // namespace talvo
