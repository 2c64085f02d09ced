#include "preview/LocalServerMapping.h"

#include "support/QtPrinters.h"

#include <gtest/gtest.h>

namespace {

struct MappingCase
{
    const char *path;
    const char *folder;
    const char *address;
    const char *expected;
};

class LocalServerMappingTest : public ::testing::TestWithParam<MappingCase>
{
};

TEST_P(LocalServerMappingTest, MapsOnlyPathsBelowTheRootFolder)
{
    const MappingCase &c = GetParam();
    EXPECT_EQ(MapToLocalServer(QString::fromUtf8(c.path), QString::fromUtf8(c.folder), QString::fromUtf8(c.address)),
              QString::fromUtf8(c.expected));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LocalServerMappingTest,
    ::testing::Values(MappingCase{"/srv/www/site/a.html", "/srv/www", "http://localhost/", "http://localhost/site/a.html"},
                      MappingCase{"/srv/www/a.html", "/srv/www/", "http://localhost:8080", "http://localhost:8080/a.html"},
                      // Backslashes of a Windows path become slashes on both sides.
                      MappingCase{"C:\\www\\site\\a.html", "C:\\www", "http://localhost/", "http://localhost/site/a.html"},
                      // Blanks and Danish letters are percent-encoded; the address is left as given.
                      MappingCase{"/srv/www/mine sider/blåbær.html", "/srv/www", "http://localhost/~bo/",
                                  "http://localhost/~bo/mine%20sider/bl%C3%A5b%C3%A6r.html"},
                      // The root must end at a folder boundary and lead the path.
                      MappingCase{"/srv/www2/a.html", "/srv/www", "http://localhost/", "/srv/www2/a.html"},
                      MappingCase{"/home/bo/srv/www/a.html", "/srv/www", "http://localhost/", "/home/bo/srv/www/a.html"},
                      MappingCase{"/srv/www", "/srv/www", "http://localhost/", "/srv/www"},
                      // No root folder, or the whole disk, is no mapping.
                      MappingCase{"/srv/www/a.html", "", "http://localhost/", "/srv/www/a.html"},
                      MappingCase{"/srv/www/a.html", "/", "http://localhost/", "/srv/www/a.html"},
                      MappingCase{"C:\\andet\\a.html", "C:\\www", "http://localhost/", "C:/andet/a.html"}));

} // namespace
