#include "export/ExportLayout.h"

#include "platform/LocaleInfo.h"

namespace kp {

ExportTextStyle MakeTextStyle(int format, bool crlf)
{
    ExportTextStyle style;
    style.format = format;
    style.decimalSeparator = Locale().decimalSeparator;
    switch (format) {
    case 1:
        style.separator = ' ';
        break;
    case 2:
        style.separator = '\t';
        break;
    default:
        style.separator = Locale().listSeparator;
        break;
    }
    style.newline = crlf || format == 3 ? "\r\n" : "\n";
    return style;
}

} // namespace kp
