// The framework's start-up: every framework class made known to form
// definitions, then the process-wide state (ui/base) set up in its order.
#pragma once

#include "ui/base/globals.h"
#include "ui/base/image_container.h"

class TClassRegistry;

// Registers the classes of the framework's controls and forms; registering
// twice changes nothing.
void RegisterFrameworkClasses(TClassRegistry& registry);

// Runs once, after Application->Initialize.
void FrameworkStartup();
void FrameworkShutdown();
