#include "view/CommandRecording.h"

#include "app/UnattendedConversion.h"
#include "format/TextTrim.h"
#include "view/ViewRecordBuilder.h"

namespace kp {

namespace {

// A message box text on one line, without the path it names on a line of its
// own: the line already begins with it.
std::string Reason(std::string_view message, const std::string& path)
{
    std::string kept;
    std::size_t from = 0;
    while (from <= message.size()) {
        std::size_t to = message.find('\n', from);
        if (to == std::string_view::npos)
            to = message.size();
        const std::string_view line = message.substr(from, to - from);
        if (TrimmedView(line) != path) {
            kept += line;
            kept += '\n';
        }
        from = to + 1;
    }
    return OneLine(kept);
}

} // namespace

std::string CommandRecording::Open(const std::filesystem::path& file)
{
    const std::string path = file.string();
    const std::string prefix = "kp: " + path + ": ";
    bool opened = false;
    try {
        opened = doc_.OnOpenDocument(file);
    } catch (const std::exception& e) {
        return prefix + Reason(e.what(), path) + "\n";
    }
    if (!opened || !doc_.IsLoaded())
        return prefix + (messages_.lastText().empty() ? "not a recording" : Reason(messages_.lastText(), path)) + "\n";
    record_ = BuildViewRecord(doc_);
    // As in the viewer, a record without points shows nothing to measure or list.
    if (!record_)
        return prefix + "the recording holds no points\n";
    return {};
}

} // namespace kp
