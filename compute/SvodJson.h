#pragma once
// The summaries of a computed return as JSON, for the command line and outside
// tools: one key per member of kTSvodSum, each an object of that summary's
// fields under their names. Money is the container's money text ("1234.5"),
// roubles and kopecks alike; integers are numbers, texts are strings, dates
// "dd.mm.yyyy"; line lists are arrays of objects.
#include "compute/SvodSum.h"

#include <nlohmann/json.hpp>

namespace velmar {

nlohmann::ordered_json SvodSumToJson(const kTSvodSum& svod);
// The summaries and, under "Result", what Compute returned.
nlohmann::ordered_json SvodSumToJson(const kTSvodSum& svod, bool result);

} // namespace velmar
