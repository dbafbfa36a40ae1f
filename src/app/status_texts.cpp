#include "app/status_texts.h"

#include "catalogue/language.h"

std::string LastWashText(TDateTime lastWashTime, int languageId, const std::string& never,
                         const MonthNames& months) {
    if (lastWashTime == 0)
        return never;
    return FormatDateTime(
        languageId == kLanguageDutch ? "dd mmmm, yyyy hh:mm:ss" : "mmmm, dd yyyy hh:mm:ss",
        lastWashTime, months);
}
