#include "tools/atlas/Site.h"
namespace atlas {
void WriteSavePages(Site&, const SaveGame&, const std::string&) {}
}
