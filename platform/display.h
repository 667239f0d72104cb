// Start-up without a display: Qt would abort the process when it cannot
// connect to one. Call before creating the application object.
#pragma once

namespace vorendal {

// Makes the platform choices the program runs best with (whole-number
// screen scaling, immediate X flushes), then checks for a display.
// Returns false, after one line on stderr, when no display is configured.
// When one is configured but cannot be reached, the same line is printed and
// the process exits with code 1 instead of aborting.
bool PrepareDisplay(const char* program);
// Call once the application object exists: passes on any messages held back.
void DisplayReady();

}  // namespace vorendal
