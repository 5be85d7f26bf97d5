// The results file: one table row per measurement, as Markdown.
#pragma once
#include <string>
#include <vector>

#include "measurements.h"

std::string ResultsText(const std::vector<Measurement>& results, const std::vector<std::string>& failures);
