#include "components/PromptToggle/UserControlPromptToggle.h"
#include "components/common/ComponentServer.h"

namespace talvo::component {

const ComponentClass& ThisComponentClass()
{
    static const ComponentClass component{
        "PromptToggle.UserControlPromptToggle", "{0E86C5DD-8AC1-11D2-B66E-FD07A24CC311}",
        [](QWidget* parent) -> QuestionWidget* { return new UserControlPromptToggle(parent); }};
    return component;
}

} // namespace talvo::component
