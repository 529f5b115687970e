#pragma once

#include "platform/ui/QuestionWidgetInterface.h"

// What each question-widget library tells the shared server code about its one class. The server code is compiled
// into every library, so each has its own instance count and entry points.

namespace talvo::component {

struct ComponentClass
{
    const char* ProgID;
    const char* ClassId;
    QuestionWidget* (*Create)(QWidget* parent);
};

// Defined once in each library.
const ComponentClass& ThisComponentClass();

// Kept by every instance's constructor and destructor; DllCanUnloadNow answers from it.
void InstanceCreated();
void InstanceDestroyed();

} // namespace talvo::component
