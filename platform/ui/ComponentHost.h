#pragma once

#include "platform/ui/QuestionWidgetInterface.h"

#include <QPointer>
#include <QString>
#include <QVariant>
#include <QWidget>

#include <functional>
#include <map>
#include <memory>

namespace talvo {

// Receives every event of one question widget: its name and its parameters, which the handler may change.
using ObjectEventHandler = std::function<void(const QString& eventName, QVariantList& parameters)>;

namespace host_detail {
struct ControlRecord;
}

// A question widget placed by a ComponentHost: its place in twips, its visibility and its members by name. A
// handle outlives its widget safely: once the widget is removed or destroyed the handle is null and every call
// does nothing (the failure that made it null has been reported already).
class QuestionControl
{
public:
    QuestionControl() = default;

    bool IsNull() const;
    explicit operator bool() const { return !IsNull(); }
    QString Name() const;
    QWidget* Widget() const;
    QuestionWidget* Object() const;

    // Left, top, width and height in twips, relative to the container.
    void Move(int left, int top, int width, int height);
    int Left() const;
    int Top() const;
    int Width() const;
    int Height() const;

    // The widget's own flag: true once shown, even while its container is hidden.
    void SetVisible(bool visible);
    bool Visible() const;

    // Members by name. A member that does not exist, a value that does not fit and a call the widget refuses
    // are reported through reportFailure and give false (or an invalid QVariant).
    bool SetProperty(const char* name, const QVariant& value);
    QVariant Property(const char* name) const;
    // A method (Q_INVOKABLE) with as many parameters as arguments; a bool method that answers false was refused.
    bool Call(const char* method, const QVariantList& arguments = {}, QVariant* result = nullptr);

private:
    friend class ComponentHost;
    explicit QuestionControl(std::shared_ptr<host_detail::ControlRecord> record) : record_(std::move(record)) {}
    void Fail(const QString& what, const QString& detail) const;

    std::shared_ptr<host_detail::ControlRecord> record_;
};

// Creates, places, shows and removes the question widgets of one window by control name, and relays their events.
// It knows nothing of which question goes where: that is the business of the wizard that uses it.
class ComponentHost
{
public:
    ComponentHost() = default;
    // The widgets stay with their containers, but their events no longer reach the handlers.
    ~ComponentHost();
    ComponentHost(const ComponentHost&) = delete;
    ComponentHost& operator=(const ComponentHost&) = delete;

    // A new widget of the ProgID's class named name inside container, hidden, with handler receiving its events
    // and its messages going through the program's message box. A failure (not registered, library missing,
    // unknown ProgID, name taken) is reported through reportFailure and gives a null handle.
    QuestionControl Add(const QString& progId, const QString& name, QWidget* container, ObjectEventHandler handler);
    // Hides the widget at once and deletes it later, so a widget may be removed from inside its own event. An
    // unknown name does nothing.
    void Remove(const QString& name);
    // Null when there is no such widget.
    QuestionControl Find(const QString& name) const;
    QStringList Names() const;

private:
    std::map<QString, std::shared_ptr<host_detail::ControlRecord>> controls_;
};

} // namespace talvo
