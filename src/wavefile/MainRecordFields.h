#pragma once
// Fields of the main text record ("HW...") that the loader, the file check
// and the model and function look-ups read.

namespace kp::mainrecord {

inline constexpr int kModelField = 2;
inline constexpr int kFunctionField = 4;
// Model number and revision ("42670002").
inline constexpr int kVersionField = 9;
// The exact variant or sub-model of some models; under family 7's realtime
// function the recording mode ("ENVELOPE").
inline constexpr int kVariantField = 15;

} // namespace kp::mainrecord
