#pragma once
// The input module of a channel: the position of its module text in the
// module name table, or for the data loggers the measured quantity. The
// numbers are those the recordings' module texts index.

namespace kp {

enum class ModuleKind : int {
    Analog4357 = 0, // "4357 analog"
    Universal5648 = 1, // "5648 univ"
    Fft5340 = 2, // "5340 FFT"
    Strain4656 = 3, // "4656 strain"
    FreqVolt4113 = 4, // "4113 F_V"
    FourChannel3169 = 5, // "3169 4ch"
    Charge3599 = 6, // "3599 charge"
    Module3518 = 7, // "3518"
    Module5066 = 8, // "5066"
    Module4623 = 9, // "4623"
    Analog3133 = 10, // "3133 analog"
    Current3070 = 11, // "3070 CURR"
    Rms3370 = 12, // "3370 RMS"
    HighResolution5360 = 13, // "5360 H-RESO"
    Temperature5572 = 14, // "5572 TEMP"
    FreqVolt3491 = 15, // "3491 F_V"
    Module5066_20 = 16, // "5066_20"
    Analog4624 = 17, // "4624 analog"
    Module3369 = 18, // "3369"
    HighSpeed3593 = 19, // "3593 H-SPEED"
    HighResolution3626 = 20, // "3626 H-RESO"
    Scan4089 = 21, // "4089 SCAN"
    Rms5067 = 22, // "5067 RMS"
    Strain3844 = 23, // "3844 STRAIN"
    HighVoltage4789 = 24, // "4789 H-VOLT"
    Module4895 = 25, // "4895"
    Module4683 = 26, // "4683"
    Module5243 = 27, // "5243"
    Module4531 = 28, // "4531"
    Module3354 = 29, // "3354"
    Module4194 = 30, // "4194"
    Module3668 = 31, // "3668"
    QX4767 = 32, // "QX4767"
    QX5626 = 33, // "QX5626"
    QX5073 = 34, // "QX5073"
    QX4521 = 35, // "QX4521"
    QX4455 = 36, // "QX4455"
    QX5451 = 37, // "QX5451"
    QX3571 = 38, // "QX3571"
    Y3126 = 39, // "Y3126"
    Y5424 = 40, // "Y5424"
    Y4793 = 41, // "Y4793"
    Y5538 = 42, // "Y5538"
    Y4531 = 43, // "Y4531"
    Y5854 = 44, // "Y5854"
    Y3864 = 45, // "Y3864"
    Y3151 = 46, // "Y3151"
    // The data loggers name their inputs by measured quantity.
    LoggerVoltage = 10, // "VOLT"
    LoggerThermocouple = 11, // "TC"
    LoggerRtd = 12, // "RTD"
    LoggerHumidity = 13, // "HUMIDITY"
    LoggerStrain = 14, // "STRAIN"
    Unknown = 128,
};

} // namespace kp
