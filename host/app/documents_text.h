// Every open document as the host saves it, in one text: what the fault sweep and the undo check compare.
#pragma once

#include <string>

namespace host {
class Host;
}

namespace host::app {

/// The open projects' saved JSON, in the order they were opened, as one compact text.
std::string documentsText(Host& host);

/// Where two such texts first differ, as a JSON path ("[0].layouts[0].items[3].shadow"); "" when equal.
std::string firstDifference(const std::string& a, const std::string& b);

} // namespace host::app
