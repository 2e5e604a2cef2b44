#include "model/amend/AmendmentResult.h"

std::string GetAmendmentErrorText(int code, bool asErrorLine)
{
    static const char* const texts[] = {
        "No Error",
        "Amendment File Already Applied",
        "Amendment File Out Of Order",
        "File not an amendment file",
        "Amendment file for different proposal",
        "Unknown Error",
    };
    const std::string text = texts[code >= 0 && code <= AMEND_UNKNOWN_ERROR ? code : AMEND_UNKNOWN_ERROR];
    return asErrorLine ? "Error: " + text + "\n" : text;
}
