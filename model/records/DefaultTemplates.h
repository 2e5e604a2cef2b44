#pragma once

#include <string>
#include <utility>
#include <vector>

// The built-in report templates every new proposal starts with, as {name, text}.
const std::vector<std::pair<std::string, std::string>>& DefaultReportTemplates();
