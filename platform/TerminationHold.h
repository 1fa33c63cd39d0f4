#pragma once

// While one lives, a request to end the program (SIGTERM, SIGINT, SIGHUP) is held back, and it takes effect when
// the last one ends: a write in progress then finishes, or is undone, before the program goes, so that no temporary
// file is left beside the file being written and no file is left half written. The request is caught for the whole
// program, whichever thread the system hands it to. A signal the program ignored stays ignored.
class TerminationHold {
public:
    TerminationHold();
    ~TerminationHold();
    TerminationHold(const TerminationHold&) = delete;
    TerminationHold& operator=(const TerminationHold&) = delete;
};
