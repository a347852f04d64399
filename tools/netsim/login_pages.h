// The login host: "/" shows the form, "POST /?act=login" checks the account and issues the
// session cookie.
#pragma once

#include "netsim/route.h"

namespace melvoro::netsim {

Response LoginForm(const RouteContext& context);
Response LoginAttempt(const RouteContext& context);

}  // namespace melvoro::netsim
