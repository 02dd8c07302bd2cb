#pragma once
// kp --screenshot OUT.png [FILE] [--screen-size WIDTHxHEIGHT]: renders the
// main window showing FILE (or the demo recording, written by the recording
// writer into a temporary folder) without a display and saves it as a PNG.
// The settings are the defaults of an empty store with the black colour
// scheme, so the picture does not depend on the user's settings, and the
// window is placed as on a first start on a screen of that size.

namespace kp {

// True when the command line asks for a screenshot.
bool IsScreenshotRequest(int argc, char** argv);

// The whole run; returns the process's exit status (0 when the PNG was written).
int RunScreenshot(int argc, char** argv);

} // namespace kp
