#include "app/CommandLineHelp.h"

#include "app/LongOptions.h"

namespace kp {

namespace {

std::vector<HelpItem> OptionItems()
{
    std::vector<HelpItem> items;
    for (const LongOption& option : LongOptions()) {
        std::string term = "--" + std::string(option.name);
        if (!option.argument.empty())
            term += " " + std::string(option.argument);
        items.push_back({ std::move(term), std::string(option.text) });
    }
    return items;
}

CommandLineHelp Build()
{
    CommandLineHelp h;
    h.summary = "viewer and converter for waveform recordings";
    h.synopsis = {
        "[FILE]",
        "/CONV FILE [FILE...] [/DEST FOLDER] [SWITCH...]",
        "--screenshot OUT.png FILE [--screen-size WIDTHxHEIGHT] [--show NAMES]",
        "--trace FILE --a POSITION --b POSITION [OPTION...]",
        "--info FILE [--json] [--notation NOTATION]",
    };
    h.description = {
        "Without /CONV, kp opens the viewer for waveform recordings of memory recorders and data recorders, "
        "showing FILE when one is named.",
        "With /CONV, kp converts each waveform FILE, in order, to a text file of its own without any window, so it "
        "runs in scripts, over SSH and on machines without a display.",
        "A recording that was cut short converts into the rows of the points the file still holds completely; "
        "the exit status is then 1 and one line says how many points were converted. A recording that changes "
        "while it is converted stops the conversion after the rows read before the change, with exit status 1.",
        "With --trace, kp measures FILE between two cursors without any window and prints what the trace window "
        "copies: the values at A and B with their calculation, and the statistics between them. A recording that "
        "cannot be opened, or was cut short before the cursors, gives exit status 1 and one line with the reason.",
        "With --info, kp prints what the properties window lists for FILE, as text or as JSON, without any window. "
        "A recording that cannot be opened gives exit status 1 and one line with the reason.",
    };
    h.switchesIntro = "names are upper case; write them with \"/\" or \"-\"";
    h.switches = {
        { "/CONV FILE...", "the waveform files to convert" },
        { "/DEST FOLDER", "output folder (default: the last folder used for saving)" },
        { "/THINOUT N", "keep every N-th point, N from 1 to 10000 (default 1)" },
        { "/CSV /SPACE /TAB",
            "comma-, space- or tab-separated (default /CSV); /CSV writes FILE.CSV, the others FILE.TXT" },
        { "/LF /CRLF", "newline (default /CRLF)" },
        { "/SEC /DATE /TIME /POINT",
            "time column in seconds, as date and time, as elapsed time, or as point number (default /SEC)" },
        { "/NOSTOREHEAD", "leave out the store information" },
        { "/NOCHINFO", "leave out the channel information" },
        { "/NOCHHEAD", "leave out the channel header line" },
        { "/NOEVENT", "leave out the event information" },
        { "/NOTIMEVALUE", "leave out the time column" },
        { "/NOHEAD", "leave out the whole header section (the time column stays)" },
        { "/CHHEADNO /CHHEADCOMM", "name the columns by channel number or by channel comment (default /CHHEADNO)" },
    };
    h.switchNotes = {
        "When a switch of a group is given twice, the one listed later above wins.",
        "An existing output is never replaced: FILE-000.CSV, FILE-001.CSV, ... are used, also by conversions "
        "running side by side.",
        "A \"/\" token that is not one of these names is a path. An option in the \"--\" form that kp does not "
        "know is a usage error.",
    };
    h.options = OptionItems();
    h.examples = {
        "kp /CONV /data/A.MEM /DEST /out /TAB /LF",
        "kp -CONV ~/records/B.REC -DEST ~/text -THINOUT 10 -NOHEAD",
        "kp --screenshot view.png /data/A.MEM",
        "kp --trace /data/A.MEM --a 100 --b 1.5ms --notation sec --tab statistics",
        "kp --info /data/A.MEM --json",
    };
    h.exitStatus = {
        { "0",
            "every file was converted, the measurement or the properties were printed, or the viewer ran and "
            "closed" },
        { "1",
            "a file was not converted completely, could not be opened or measured; the reason is printed on one line "
            "per file" },
        { "2",
            "the command line cannot be carried out (an unknown option, /CONV without a file, --trace without "
            "its cursors, --info without a file)" },
    };
    h.files = {
        { "~/.config/Voranwerk/Kp.conf",
            "the settings (under $XDG_CONFIG_HOME when it is set); /CONV stores its format and newline there as "
            "the defaults of the viewer's next export" },
    };
    return h;
}

} // namespace

const CommandLineHelp& KpCommandLineHelp()
{
    static const CommandLineHelp help = Build();
    return help;
}

} // namespace kp
