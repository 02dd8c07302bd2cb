// kp-docs: writes the documents made from the program's own tables, so that
// the manual page and the README's shortcut table follow the program.
//   kp-docs man        the manual page kp(1)
//   kp-docs shortcuts  the keyboard and mouse table in Markdown
#include "app/ManPage.h"
#include "view/CommandTable.h"

#include <cstdio>
#include <cstring>

int main(int argc, char** argv)
{
    if (argc == 2 && std::strcmp(argv[1], "man") == 0) {
        std::fputs(kp::ManPage().c_str(), stdout);
        return 0;
    }
    if (argc == 2 && std::strcmp(argv[1], "shortcuts") == 0) {
        std::fputs(kp::ShortcutsMarkdown().c_str(), stdout);
        return 0;
    }
    std::fputs("usage: kp-docs man | shortcuts\n", stderr);
    return 2;
}
