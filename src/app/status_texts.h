#pragma once
// Texts of the status display.
#include <string>

#include "catalogue/date_time.h"

// The last wash label: `never` ("N/A" in the chosen language) when there was none, else the
// time with the month name first ("mmmm, dd yyyy hh:mm:ss"), or the day first for the
// language 31. The month is named as the user's locale names it (`months`).
std::string LastWashText(TDateTime lastWashTime, int languageId, const std::string& never,
                         const MonthNames& months);
