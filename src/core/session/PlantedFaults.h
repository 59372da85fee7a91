#pragma once

namespace htmlsim {

// Two mended faults the session's stateful test brings back to show that it still sees them.
// Only that test sets them; the program never does.
struct PlantedFaults {
    // The session switches tabs without telling the window.
    bool windowMissesTabChanges = false;
    // A failed remote open leaves the document in remote mode; a cancelled Save As counts as
    // saved; a failed Save As keeps the name it could not write.
    bool failedStepsChangeState = false;
};

inline PlantedFaults gPlantedFaults;

}  // namespace htmlsim
