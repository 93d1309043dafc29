#include "app/xml_file.h"

#include <tinyxml.h>

#include "app/data_file.h"
#include "app/fatal.h"

void loadXmlFile(TiXmlDocument& document, const std::string& path)
{
    const std::string problem = dataFileProblem(path);
    if (!problem.empty())
        fatalErrorNote("File " + path + " not found!", problem);
    if (document.LoadFile(path.c_str()))
        return;
    std::string reason = document.ErrorDesc() ? document.ErrorDesc() : "unreadable";
    if (document.ErrorRow() > 0)
        reason += " at line " + std::to_string(document.ErrorRow()) + ", column " + std::to_string(document.ErrorCol());
    fatalErrorNote("File " + path + " not found!", reason);
}
