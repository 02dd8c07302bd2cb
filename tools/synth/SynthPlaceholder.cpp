namespace kp::synth {
int SynthLibraryVersion() { return 1; }
}
