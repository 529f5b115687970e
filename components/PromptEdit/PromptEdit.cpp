#include "components/PromptEdit/QuestionTxtBx.h"
#include "components/common/ComponentServer.h"

namespace talvo::component {

const ComponentClass& ThisComponentClass()
{
    static const ComponentClass component{"PromptEdit.QuestionTxtBx", "{09104584-0FB3-11D3-B671-ACC96131DE10}",
                                          [](QWidget* parent) -> QuestionWidget* { return new QuestionTxtBx(parent); }};
    return component;
}

} // namespace talvo::component
