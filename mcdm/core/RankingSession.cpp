#include "mcdm/core/RankingSession.h"

namespace talvo {

RankingSession& TheRankingSession()
{
    static RankingSession session;
    return session;
}

} // namespace talvo
