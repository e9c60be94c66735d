// What outlives one press of the button: whether a run has ended, and whether it failed.
#pragma once

struct TInstallState {
    bool FirstClick = true;     // true until a run has ended; then a press ends the program
    bool InstallFailed = false; // set by every failure the run reports
};

extern TInstallState InstallState;
