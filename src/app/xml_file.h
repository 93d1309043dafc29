#pragma once

#include <string>

class TiXmlDocument;

// Reads and parses a data file. A file that cannot be opened (see dataFileProblem) or parsed ends
// the program with "File <path> not found!"; standard error also tells why (the parser's reason
// and line, or why the file was not opened).
void loadXmlFile(TiXmlDocument& document, const std::string& path);
