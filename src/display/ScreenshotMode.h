#pragma once
// kp --screenshot OUT.png [FILE]: renders the main window showing FILE (or the
// demo recording, written by the recording writer into a temporary folder)
// without a display and saves it as a PNG. The settings are the defaults of
// an empty store with the black colour scheme, so the picture does not depend
// on the user's settings. "--show trace,properties" also writes each named
// tool window, as it opens beside the main window, to OUT-NAME.png.

namespace kp {

// True when the command line asks for a screenshot.
bool IsScreenshotRequest(int argc, char** argv);

// The whole run; returns the process's exit status (0 when the PNG was written).
int RunScreenshot(int argc, char** argv);

} // namespace kp
