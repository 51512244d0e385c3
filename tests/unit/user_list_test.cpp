#include "users/user_list.h"

#include <gtest/gtest.h>

namespace lunea {
namespace {

TEST(UserList, LocalUserLivesInTheProgramFolder) {
    const UserList users = LocalUserList("C:\\Program Files\\Lunea");
    ASSERT_EQ(users.UserCount(), 1);
    EXPECT_EQ(users.names[0], "Lunea");
    EXPECT_EQ(users.DataFile(0), "C:\\Program Files\\Lunea\\Lunea.dat");
    EXPECT_EQ(LocalUserList("C:\\x\\").DataFile(0), "C:\\x\\Lunea.dat");
}

TEST(UserList, StartUserFollowsTheLastUser) {
    const UserList users{{"Lunea", "Anna", "anna"}, {"a\\", "b\\", "c\\"}};
    EXPECT_EQ(ChooseStartUser(users, "anna"), 2); // names match case-sensitively
    EXPECT_EQ(ChooseStartUser(users, "Gone"), 0); // a vanished user falls back to local
    EXPECT_EQ(ChooseStartUser(users, ""), -1);    // several users: the user must pick
    EXPECT_EQ(ChooseStartUser(LocalUserList("a"), ""), 0);
}

} // namespace
} // namespace lunea
