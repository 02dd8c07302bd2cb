#pragma once
// `kp --info FILE --json`: the properties window's lists as one JSON object,
// with the channels and event marks drawn out of them, their texts as the
// lists show them and beside them the numbers the header holds.

#include "view/CursorTexts.h"
#include "view/PropertyTables.h"

#include <string>

namespace kp {

class CKpDoc;
struct ViewRecord;

std::string InfoCommandJson(
    const CKpDoc& doc, const ViewRecord& record, const PropertyTables& tables, const CursorTextContext& context);

} // namespace kp
