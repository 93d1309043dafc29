#include <gtest/gtest.h>

#include "app/singleton.h"

namespace {

class CSampleManager : public Singleton<CSampleManager>
{
public:
    int value = 0;
};

TEST(Singleton, AnotherObjectOfAManagerClassLeavesTheInstanceAlone)
{
    CSampleManager& manager = CSampleManager::instance();
    manager.value = 7;
    {
        CSampleManager defaults;
        EXPECT_EQ(CSampleManager::existing(), &manager);
    }
    EXPECT_EQ(CSampleManager::existing(), &manager);
    EXPECT_EQ(CSampleManager::instance().value, 7);
}

}
