// Small helpers shared by the script parser and the runner.
#include "host/app/script.h"

namespace host::app {

std::string formatScriptError(const std::string& scriptName, const ScriptError& error)
{
    return scriptName + ":" + std::to_string(error.line) + ": " + error.message;
}

const char* answerLabel(Answer answer)
{
    switch (answer) {
    case Answer::Ok:
        return "OK";
    case Answer::Cancel:
        return "Cancel";
    case Answer::Yes:
        return "Yes";
    case Answer::No:
        return "No";
    }
    return "?";
}

} // namespace host::app
