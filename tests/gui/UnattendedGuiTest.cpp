// setup.exe /B on a machine of its own: no input, and the run still ends.
#include "GuiDriver.h"

#include <gtest/gtest.h>

namespace {

TEST(UnattendedGuiTest, RunGoesToTheEndByItself)
{
    for (const char* lpszArguments : {"/B", "/U /B"}) {
        SCOPED_TRACE(lpszArguments);
        CTestProcess setup;
        ASSERT_TRUE(setup.Start("setup.exe", lpszArguments));
        EXPECT_EQ(setup.WaitForExit(60000), 0u);
    }
    // The Select Directory page accepted the suggested folder by itself.
    EXPECT_NE(::GetFileAttributesA("C:\\Program Files\\Netscape\\Navigator\\Program\\plugins\\Velmopi"),
              INVALID_FILE_ATTRIBUTES);
}

} // namespace
