#pragma once

// Helpers for the tests that load the question-widget libraries: one QApplication per process with a home of its
// own, a fresh component registry per test, and a sink that records what a widget reports.

#include "platform/core/ComponentRegistry.h"
#include "platform/ui/ComponentLoader.h"
#include "platform/ui/QuestionWidgetInterface.h"

#include <QApplication>
#include <QTemporaryDir>
#include <QWidget>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <vector>

namespace talvo::test {

// Where the build puts the three libraries.
inline QString ComponentDir()
{
    return QStringLiteral(TALVO_COMPONENT_DIR);
}

inline QString ComponentFile(const QString& name)
{
    return ComponentDir() + QStringLiteral("/lib") + name + QStringLiteral(".so");
}

// Created on first use and never destroyed; before it exists the process gets a home and configuration folders
// of its own, so that nothing here touches the real user's.
inline QApplication& TestApplication()
{
    static QApplication* app = [] {
        static QTemporaryDir root;
        const QByteArray base = root.path().toLocal8Bit();
        qputenv("HOME", base + "/home");
        qputenv("XDG_CONFIG_HOME", base + "/config");
        qputenv("XDG_CACHE_HOME", base + "/cache");
        qputenv("XDG_DATA_HOME", base + "/data");
        static int argc = 1;
        static char name[] = "component_tests";
        static char* argv[] = {name, nullptr};
        return new QApplication(argc, argv);
    }();
    return *app;
}

// A component registry of its own for the life of the object; a registry of the run ends with it.
class ScopedComponentRegistry
{
public:
    ScopedComponentRegistry()
    {
        TestApplication();
        previous_ = qgetenv("XDG_CONFIG_HOME");
        qputenv("XDG_CONFIG_HOME", folder_.path().toLocal8Bit());
    }
    ~ScopedComponentRegistry()
    {
        qputenv("XDG_CONFIG_HOME", previous_);
        qApp->setProperty(RunComponentRegistryProperty, QVariant());
    }
    QString folder() const { return folder_.path(); }

private:
    QTemporaryDir folder_;
    QByteArray previous_;
};

struct RecordedEvent
{
    QString name;
    QVariantList parameters;
    bool operator==(const RecordedEvent&) const = default;
};

inline void PrintTo(const RecordedEvent& event, std::ostream* os)
{
    QStringList parameters;
    for (const QVariant& value : event.parameters)
        parameters << value.toString();
    *os << event.name.toStdString() << "(" << parameters.join(QStringLiteral(", ")).toStdString() << ")";
}

class RecordingEventSink : public QuestionWidgetEvents
{
public:
    void ObjectEvent(const QString& eventName, QVariantList& parameters) override
    {
        events.push_back({eventName, parameters});
        if (onEvent)
            onEvent(eventName, parameters);
    }
    void PropertyChanged(const QString& propertyName) override { changed << propertyName; }

    QStringList names() const
    {
        QStringList list;
        for (const auto& event : events)
            list << event.name;
        return list;
    }
    void clear()
    {
        events.clear();
        changed.clear();
    }

    std::vector<RecordedEvent> events;
    QStringList changed;
    // Runs inside each event, after it is recorded; it may change the parameters.
    std::function<void(const QString&, QVariantList&)> onEvent;
};

// Registers the real libraries in a fresh registry and makes widgets through it, as the program does.
class ComponentTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        container_ = std::make_unique<QWidget>();
        container_->resize(600, 400);
        container_->show();
        QString error;
        ASSERT_TRUE(EnsureComponentsRegistered(ComponentDir(), &error)) << error.toStdString();
    }
    void TearDown() override { container_.reset(); }

    // A new widget of the ProgID's class with the test's sink and a message callback that records.
    QuestionWidget* Create(const QString& progId)
    {
        QString error;
        QuestionWidget* widget = CreateRegisteredWidget(progId, container_.get(), &error);
        EXPECT_NE(widget, nullptr) << error.toStdString();
        if (!widget)
            return nullptr;
        widget->SetEventSink(&sink_);
        widget->SetMessageCallback([this](const QString& text) { messages_ << text; });
        widget->Widget()->show();
        return widget;
    }

    template <typename Part> static Part* PartOf(QuestionWidget* widget, const char* name)
    {
        return widget->Widget()->findChild<Part*>(QLatin1String(name));
    }

    ScopedComponentRegistry registry_;
    RecordingEventSink sink_;
    QStringList messages_;
    std::unique_ptr<QWidget> container_;
};

} // namespace talvo::test
