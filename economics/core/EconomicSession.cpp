#include "economics/core/EconomicSession.h"

namespace talvo {

EconomicSession& TheEconomicSession()
{
    static EconomicSession session;
    return session;
}

} // namespace talvo
