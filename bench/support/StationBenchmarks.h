#pragma once

// Runs the registered benchmarks of a station window: headless, without the browser engine, and with every
// message box printed instead of shown, since nobody is there to answer it.
int RunStationBenchmarks(int argc, char** argv);
