#include "ui/FormUpdatingGuard.h"
#include "link/ConnectionState.h"
#include <gtest/gtest.h>

TEST(FormUpdatingGuard, SetsTheFlagAndPutsBackTheSavedValue)
{
    for (const bool before : {false, true}) {
        ConnectionState conn;
        conn.FormUpdating = before;
        {
            FormUpdatingGuard outer(conn.FormUpdating);
            EXPECT_TRUE(conn.FormUpdating);
            {
                FormUpdatingGuard inner(conn.FormUpdating);
                conn.FormUpdating = false;   // a handler inside clears it
            }
            EXPECT_TRUE(conn.FormUpdating);   // the inner guard restores what it found
        }
        EXPECT_EQ(conn.FormUpdating, before);
    }
}
