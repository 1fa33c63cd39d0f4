#pragma once

// Runs the registered benchmarks of a station window: headless, with every message box printed instead of shown,
// since nobody is there to answer it; the browser engine runs only when the benchmarks time the map page itself.
int RunStationBenchmarks(int argc, char** argv, bool browserEngine = false);
