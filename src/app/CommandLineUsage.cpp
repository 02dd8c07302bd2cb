#include "app/CommandLineUsage.h"

namespace kp {

std::string UsageText()
{
    return "Usage: kp [FILE]\n"
           "       kp /CONV FILE [FILE...] [/DEST FOLDER] [SWITCH...]\n"
           "\n"
           "Without /CONV, opens the viewer, showing FILE when one is named.\n"
           "With /CONV, converts each waveform FILE, in order, to a text file of its own\n"
           "without any window.\n"
           "\n"
           "Switches (names are upper case; write them with \"/\" or \"-\"):\n"
           "  /CONV FILE...     the waveform files to convert\n"
           "  /DEST FOLDER      output folder (default: the last folder used for saving)\n"
           "  /THINOUT N        keep every N-th point, N from 1 to 10000 (default 1)\n"
           "  /CSV /SPACE /TAB  comma-, space- or tab-separated (default /CSV);\n"
           "                    /CSV writes FILE.CSV, the others FILE.TXT\n"
           "  /LF /CRLF         newline (default /CRLF)\n"
           "  /SEC /DATE /TIME /POINT\n"
           "                    time column in seconds, as date and time, as elapsed\n"
           "                    time, or as point number (default /SEC)\n"
           "  /NOSTOREHEAD      leave out the store information\n"
           "  /NOCHINFO         leave out the channel information\n"
           "  /NOCHHEAD         leave out the channel header line\n"
           "  /NOEVENT          leave out the event information\n"
           "  /NOTIMEVALUE      leave out the time column\n"
           "  /NOHEAD           leave out the whole header section (the time column stays)\n"
           "  /CHHEADNO /CHHEADCOMM\n"
           "                    name the columns by channel number or by channel comment\n"
           "                    (default /CHHEADNO)\n"
           "  --help            print this text\n"
           "  --version         print the version\n"
           "\n"
           "When a switch of a group is given twice, the one listed later above wins.\n"
           "An existing output is never replaced: FILE-000.CSV, FILE-001.CSV, ... are used.\n"
           "\n"
           "Examples:\n"
           "  kp /CONV /data/A.MEM /DEST /out /TAB /LF\n"
           "  kp -CONV ~/records/B.REC -DEST ~/text -THINOUT 10 -NOHEAD\n"
           "\n"
           "A file cut short converts the points it holds and counts as not converted.\n"
           "\n"
           "Exit status: 0 all converted, 1 any not converted (its reason is printed on\n"
           "one line per file), 2 the command line cannot be carried out.\n";
}

std::string VersionText() { return std::string("Kp ") + KP_VERSION + "\n"; }

} // namespace kp
