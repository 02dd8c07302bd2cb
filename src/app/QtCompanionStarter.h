#pragma once
// The desktop side of the companion hand-off: starting the companion with one
// file, and the file dialog in which the user points at it.

#include "app/CompanionHandOff.h"

#include <filesystem>

class QWidget;

namespace kp {

// Starts program detached with the file as its one argument.
bool StartCompanion(const std::filesystem::path& program, const std::filesystem::path& file);

// "Stripview Application" files only; empty when cancelled.
std::filesystem::path ChooseCompanion(QWidget* parent);

// The places to look after the stored path: this program's folder and the PATH.
std::vector<std::filesystem::path> CompanionCandidatesHere();

} // namespace kp
