#pragma once
// Every formatter of the program's notations in one include.

#include "format/BitsFormat.h"
#include "format/DatePicture.h"
#include "format/DateTime.h"
#include "format/DateTimeFormat.h"
#include "format/DurationFormat.h"
#include "format/ElapsedTimeFormat.h"
#include "format/ExpFormat.h"
#include "format/HeaderNumber.h"
#include "format/NumberWriter.h"
#include "format/SiFormat.h"
#include "format/TextTrim.h"
