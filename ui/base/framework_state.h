// Setting up and freeing the framework's process-wide state: colour names,
// globals, the image container and the design themes.
#pragma once

// In its fixed order; runs once, after Application->Initialize and after the
// classes that form definitions use are registered (the image container is
// read from one).
void InitFrameworkState();
void FreeFrameworkState();
