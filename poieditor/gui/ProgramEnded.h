#pragma once

// Thrown once the POI editor has shown its last message and asked the program to end: it unwinds the handler that
// was running, so nothing more happens in the window. Not a std::exception, so no handler reports it.
struct ProgramEnded {};
