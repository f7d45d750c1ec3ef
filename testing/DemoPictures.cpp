#include "testing/GameBuilder.h"
namespace gamebuild {
void AddDemoPictures(Installation&) {}
}
