#pragma once

// The one header that the program and the question-widget libraries share. The libraries include it but link
// nothing of the program; the program never links the libraries. Everything that crosses between them is a pure
// virtual class below or a Qt value type. Members that the program uses by name (properties, methods) are reached
// through the widget's meta-object, not through this header.

#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <cstdint>
#include <functional>

class QWidget;

namespace talvo {

// Result codes of the library entry points: 0 succeeds, 1 is the answer "no" of DllCanUnloadNow, and every
// negative value is a failure.
using ComponentResult = std::int32_t;
constexpr ComponentResult ComponentOk = 0;
constexpr ComponentResult ComponentFalse = 1;
constexpr ComponentResult ComponentClassNotAvailable = -1;
constexpr ComponentResult ComponentNoInterface = -2;
constexpr ComponentResult ComponentRegistryFailed = -3;
constexpr ComponentResult ComponentInvalidArgument = -4;

// The four entry points each library exports with C linkage under these names.
using DllRegisterServerFunction = ComponentResult (*)();
using DllUnregisterServerFunction = ComponentResult (*)();
// classId: the class the caller wants ("{...}"); interfaceId: QuestionWidgetFactoryId; object: receives a
// QuestionWidgetFactory* that belongs to the library and stays valid while the library is loaded.
using DllGetClassObjectFunction = ComponentResult (*)(const char* classId, const char* interfaceId, void** object);
// ComponentOk when no instance of the library's class is alive, ComponentFalse otherwise.
using DllCanUnloadNowFunction = ComponentResult (*)();

// Names the revision of QuestionWidgetFactory and QuestionWidget below; change it whenever they change.
inline constexpr const char* QuestionWidgetFactoryId = "NewTalvo.QuestionWidgetFactory.1";

// The widget's saved properties: one value per key; a later write under the same key replaces the earlier one.
class PropertyBag
{
public:
    virtual ~PropertyBag() = default;
    // The stored value, or defaultValue when the key was never written.
    virtual QVariant ReadProperty(const QString& key, const QVariant& defaultValue) const = 0;
    virtual void WriteProperty(const QString& key, const QVariant& value) = 0;
};

// A property bag in memory; keys() lists them in the order of their first write.
class MemoryPropertyBag : public PropertyBag
{
public:
    QVariant ReadProperty(const QString& key, const QVariant& defaultValue) const override
    {
        return values_.value(key, defaultValue);
    }
    void WriteProperty(const QString& key, const QVariant& value) override
    {
        if (!values_.contains(key))
            order_.append(key);
        values_.insert(key, value);
    }
    QStringList keys() const { return order_; }
    bool contains(const QString& key) const { return values_.contains(key); }

private:
    QMap<QString, QVariant> values_;
    QStringList order_;
};

// Where a widget sends its events and its property-changed notices. Parameters are passed by reference: after the
// call the widget takes back whatever the receiver changed (a KeyAscii set to 0 swallows the key, for instance).
class QuestionWidgetEvents
{
public:
    virtual ~QuestionWidgetEvents() = default;
    virtual void ObjectEvent(const QString& eventName, QVariantList& parameters) = 0;
    virtual void PropertyChanged(const QString& propertyName) = 0;
};

// Shows the widget's own message (OK button only, no title of the widget's own) and returns when it is closed.
using WidgetMessageCallback = std::function<void(const QString& text)>;

// One widget instance, as the program sees it besides its members by name.
class QuestionWidget
{
public:
    virtual ~QuestionWidget() = default;
    // The widget itself; its parent (the container) owns it.
    virtual QWidget* Widget() = 0;
    // nullptr: events and notices go nowhere. The sink is not owned and must outlive the widget or be reset.
    virtual void SetEventSink(QuestionWidgetEvents* sink) = 0;
    // An empty callback makes the widget show its messages in a QMessageBox of its own.
    virtual void SetMessageCallback(WidgetMessageCallback callback) = 0;
    // The description of the last member call that the widget refused (empty: none), cleared by the call.
    virtual QString TakeError() = 0;
    virtual void ReadProperties(const PropertyBag& bag) = 0;
    virtual void WriteProperties(PropertyBag& bag) = 0;
};

// The class object that DllGetClassObject hands out.
class QuestionWidgetFactory
{
public:
    virtual ~QuestionWidgetFactory() = default;
    // A new instance inside parent, not yet shown; nullptr if it could not be made.
    virtual QuestionWidget* CreateInstance(QWidget* parent) = 0;
};

} // namespace talvo
