// What the driver throws when the program under test does not behave as the
// scenario expects: the message says what was awaited and what was there.
#pragma once

#include "ui/platform/sysutils.h"

namespace e2e {

class EDriverError : public Exception {
public:
    using Exception::Exception;
};

}  // namespace e2e
