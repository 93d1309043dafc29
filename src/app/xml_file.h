#pragma once

#include <string>

class TiXmlDocument;

// Reads and parses a data file. A file that cannot be opened or parsed ends the program with
// "File <path> not found!"; standard error also tells why (the parser's reason and line).
void loadXmlFile(TiXmlDocument& document, const std::string& path);
