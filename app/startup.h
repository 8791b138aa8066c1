// What the program sets up before its first window: the framework, the
// classes its form definitions use beyond the framework (the HTML viewer),
// the screen table and the instructions for the screens' Alt+H.
#pragma once

void StartProgram();
void StopProgram();
