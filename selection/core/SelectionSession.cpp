#include "selection/core/SelectionSession.h"

namespace talvo {

QString LimitationsFrameName(LimitationsFrame frame)
{
    switch (frame) {
    case LimitationsFrame::FrameLimitations1:
        return QStringLiteral("FrameLimitations1");
    case LimitationsFrame::FrameLimitations2:
        return QStringLiteral("FrameLimitations2");
    case LimitationsFrame::FrameLimitations3:
        return QStringLiteral("FrameLimitations3");
    }
    return {};
}

SelectionSession& TheSelectionSession()
{
    static SelectionSession session;
    return session;
}

} // namespace talvo
